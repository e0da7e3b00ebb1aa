#include "script/keystroke_notation.h"

#include <optional>

namespace tandrel {

namespace {

constexpr QStringView escapedCharacters = u"+^%~[]{}";

qsizetype codePointCount(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++count;
    }
    return count;
}

std::optional<KeyModifier> modifierOf(QChar c) {
    switch (c.unicode()) {
    case u'+':
        return KeyModifier::Shift;
    case u'^':
        return KeyModifier::Ctrl;
    case u'%':
        return KeyModifier::Alt;
    default:
        return std::nullopt;
    }
}

// Reads the notation left to right. Groups are kept on an explicit stack rather than by
// recursion, so that a text of any length and nesting cannot exhaust the call stack.
//
// Parentheses: "(" opens a group only right after a modifier. Any other "(" types itself,
// and inside a group so does the ")" that matches it, so that parentheses nest ("+(())"
// types "()" with SHIFT held). Outside groups every ")" types itself. That keeps the
// single-key lines "(" and ")" and pasted text such as "Hello (world)" typing as written,
// while a group that is never closed ("%(FX") is an error.
//
// "[" and "]" outside braces type themselves: they mean nothing else in the notation, and
// refusing them would make a pasted "[draft]" fail for no gain.
class Parser {
public:
    explicit Parser(const QString& text)
        : text_(text) {}

    Result<QList<KeyAction>> run() {
        if (text_.isEmpty())
            return Result<QList<KeyAction>>::failure(
                QStringLiteral("The keystroke text is empty."));
        while (pos_ < text_.size() && error_.isEmpty())
            step();
        if (error_.isEmpty() && hasPending_)
            tapPending();
        if (error_.isEmpty() && !groups_.isEmpty())
            fail(QStringLiteral("The \"(\" at position %1 has no \")\".")
                     .arg(groups_.first().openPosition + 1));
        if (!error_.isEmpty())
            return Result<QList<KeyAction>>::failure(error_);
        return Result<QList<KeyAction>>::success(actions_);
    }

private:
    struct Group {
        KeyModifiers held;
        qsizetype openPosition;
        qsizetype firstAction;
        // Parentheses typed inside the group and not yet matched.
        qsizetype typedOpen = 0;
    };

    KeyModifiers held() const { return groups_.isEmpty() ? KeyModifiers() : groups_.last().held; }

    // Consumes the modifiers waiting for a key.
    KeyModifiers takeModifiers() {
        const KeyModifiers modifiers = held() | pending_;
        pending_ = {};
        hasPending_ = false;
        return modifiers;
    }

    void tapPending() {
        KeyAction action;
        action.kind = KeyAction::Kind::TapModifiers;
        action.modifiers = takeModifiers();
        actions_.append(action);
    }

    void step() {
        const QChar c = text_[pos_];
        if (const std::optional<KeyModifier> modifier = modifierOf(c)) {
            pending_ |= *modifier;
            hasPending_ = true;
            ++pos_;
        } else if (c == u'(' && hasPending_) {
            const KeyModifiers modifiers = takeModifiers();
            groups_.append({modifiers, pos_, actions_.size()});
            ++pos_;
        } else if (c == u'(' && !groups_.isEmpty()) {
            ++groups_.last().typedOpen;
            key(takeModifiers());
        } else if (c == u')' && !groups_.isEmpty() && groups_.last().typedOpen > 0) {
            --groups_.last().typedOpen;
            key(takeModifiers());
        } else if (c == u')' && !groups_.isEmpty()) {
            if (hasPending_)
                tapPending();
            const Group group = groups_.takeLast();
            if (actions_.size() == group.firstAction) {
                KeyAction action;
                action.kind = KeyAction::Kind::TapModifiers;
                action.modifiers = group.held;
                actions_.append(action);
            }
            ++pos_;
        } else {
            key(takeModifiers());
        }
    }

    void key(KeyModifiers modifiers) {
        const QChar c = text_[pos_];
        if (c == u'~') {
            ++pos_;
            tapNamed(NamedKey::Enter, modifiers);
        } else if (c == u'{') {
            brace(modifiers);
        } else if (c == u'}') {
            fail(QStringLiteral("The \"}\" at position %1 has no \"{\".").arg(pos_ + 1));
        } else if (const std::optional<char32_t> character = codePointAt(pos_)) {
            pos_ += QChar::requiresSurrogates(*character) ? 2 : 1;
            typeChar(*character, modifiers);
        } else {
            fail(QStringLiteral("The character at position %1 is half of a surrogate pair.")
                     .arg(pos_ + 1));
        }
    }

    void brace(KeyModifiers modifiers) {
        const qsizetype open = pos_;
        qsizetype close = text_.indexOf(u'}', open + 1);
        // "{}}" types "}".
        if (close == open + 1 && close + 1 < text_.size() && text_[close + 1] == u'}')
            close = open + 2;
        if (close < 0) {
            fail(QStringLiteral("The \"{\" at position %1 has no \"}\".").arg(open + 1));
            return;
        }
        const QStringView inside = QStringView(text_).sliced(open + 1, close - open - 1);
        pos_ = close + 1;
        if (const std::optional<NamedKey> named = namedKeyFromName(inside)) {
            tapNamed(*named, modifiers);
            return;
        }
        if (codePointCount(inside) == 1) {
            if (const std::optional<char32_t> character = codePointAt(open + 1)) {
                typeChar(*character, modifiers);
                return;
            }
        }
        fail(QStringLiteral("\"{%1}\" is not the name of a key.").arg(inside));
    }

    std::optional<char32_t> codePointAt(qsizetype i) const {
        const QChar c = text_[i];
        if (!c.isSurrogate())
            return c.unicode();
        if (c.isHighSurrogate() && i + 1 < text_.size() && text_[i + 1].isLowSurrogate())
            return QChar::surrogateToUcs4(c, text_[i + 1]);
        return std::nullopt;
    }

    void typeChar(char32_t character, KeyModifiers modifiers) {
        KeyAction action;
        action.kind = KeyAction::Kind::TypeChar;
        action.character = character;
        action.modifiers = modifiers;
        actions_.append(action);
    }

    void tapNamed(NamedKey named, KeyModifiers modifiers) {
        KeyAction action;
        action.kind = KeyAction::Kind::TapNamedKey;
        action.key = named;
        action.modifiers = modifiers;
        actions_.append(action);
    }

    void fail(QString reason) { error_ = std::move(reason); }

    const QString& text_;
    qsizetype pos_ = 0;
    KeyModifiers pending_;
    bool hasPending_ = false;
    QList<Group> groups_;
    QList<KeyAction> actions_;
    QString error_;
};

} // namespace

QString singleKeyText(const QString& line) {
    if (line.size() == 1 && escapedCharacters.contains(line[0]))
        return u'{' + line + u'}';
    return line;
}

QString namedKeyText(const QString& line) {
    return line;
}

QString modifierLineText(LineKind kind, const QString& rest) {
    Q_ASSERT(kind == LineKind::Alt || kind == LineKind::Ctrl || kind == LineKind::Shift);
    const QChar symbol = kind == LineKind::Alt ? u'%' : kind == LineKind::Ctrl ? u'^' : u'+';
    if (codePointCount(rest) >= 2)
        return symbol + (u'(' + rest + u')');
    return symbol + rest;
}

QString keyLineText(const ScriptLine& line) {
    switch (line.kind) {
    case LineKind::SingleKey:
        return singleKeyText(line.rest);
    case LineKind::NamedKey:
        return namedKeyText(line.rest);
    default:
        return modifierLineText(line.kind, line.rest);
    }
}

Result<QList<KeyAction>> parseKeystrokes(const QString& notation) {
    return Parser(notation).run();
}

} // namespace tandrel
