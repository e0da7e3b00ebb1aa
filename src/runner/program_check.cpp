#include "runner/program_check.h"

#include "runner/run_error_text.h"
#include "runner/wait_rules.h"
#include "script/keystroke_notation.h"

#include <QRegularExpression>
#include <optional>

namespace tandrel {

namespace {

QString withoutBlanks(QString text) {
    return text.remove(u' ');
}

bool sameLetters(const QString& squeezed, const QString& token) {
    return squeezed.compare(withoutBlanks(token), Qt::CaseInsensitive) == 0;
}

QString ignoredMark(const QString& mark) {
    return QStringLiteral("the line is ignored when run: it does not begin with the mark \"%1\" "
                          "exactly (letter case and blanks count)")
        .arg(mark);
}

QString ignoredToken(const QString& token) {
    return QStringLiteral("the line is ignored when run: it is not \"%1\" exactly (letter case "
                          "and blanks count)")
        .arg(token);
}

// An ignored line that looks written for a mark or a whole-line token: the same letters in
// another case, or with blanks inside or before it.
std::optional<QString> lookalikeWarning(const QString& line) {
    const QString text = QString(line).remove(QRegularExpression(QStringLiteral("^ +")));
    const qsizetype close = text.indexOf(u'}');
    if (!text.startsWith(u'{') || close < 0)
        return std::nullopt;
    const QString head = text.left(close + 1);
    const QString squeezed = withoutBlanks(head);
    const bool wholeLine = text.sliced(close + 1).trimmed().isEmpty();
    if (wholeLine) {
        if (sameLetters(squeezed, exitToken.toString()))
            return ignoredToken(exitToken.toString());
        for (const NamedKey key : allNamedKeys()) {
            if (sameLetters(squeezed, namedKeyToken(key)))
                return ignoredToken(namedKeyToken(key));
        }
    }
    for (int kind = 0; kind < int(LineKind::Ignored); ++kind) {
        const QString mark = markOf(LineKind(kind));
        if (!mark.isEmpty() && sameLetters(squeezed, mark))
            return ignoredMark(mark);
    }
    static const QRegularExpression word(QStringLiteral("^\\{[A-Za-z][A-Za-z0-9 ]*\\}$"));
    if (wholeLine && word.match(head).hasMatch())
        return QStringLiteral("the line is ignored when run: \"%1\" is neither a mark nor the "
                              "name of a key")
            .arg(head);
    return std::nullopt;
}

// The separator is read as the characters around the first "*": anything but " * " cuts the
// paths.
std::optional<QString> twoPathError(const LinePlan& plan) {
    const QString& rest = plan.script.rest;
    const qsizetype star = rest.indexOf(u'*');
    const QString verb = plan.script.kind == LineKind::FileRename ? QStringLiteral("renames")
                                                                  : QStringLiteral("copies");
    if (rest[star - 1] != u' ' || star + 1 >= rest.size() || rest[star + 1] != u' ')
        return QStringLiteral("the separator must be \" * \": the line %1 \"%2\" to \"%3\"")
            .arg(verb, plan.paths.from, plan.paths.to);
    if (plan.paths.to.isEmpty())
        return QStringLiteral("the line names no second file after \" * \"");
    return std::nullopt;
}

class Checker {
public:
    explicit Checker(const CheckContext& context)
        : context_(context) {}

    void check(const QString& line, int number) {
        number_ = number;
        const LinePlan plan = planLine(line);
        const LineKind kind = plan.script.kind;
        if (stopLine_ > 0 && !unreachableReported_ && kind != LineKind::Note &&
            kind != LineKind::Ignored) {
            warn(QStringLiteral("the line can never run: line %1, \"%2\", %3 before it")
                     .arg(stopLine_)
                     .arg(stopText_, stopText_ == exitToken
                                         ? QStringLiteral("ends the program")
                                         : QStringLiteral("starts the program over")));
            unreachableReported_ = true;
        }
        if (!plan.failure.isEmpty()) {
            error(plan.failure);
            return;
        }
        if (const QString refused = sendFailure(plan); !refused.isEmpty()) {
            error(refused);
            return;
        }
        checkKind(plan, line);
    }

    QList<Finding> findings;

private:
    void checkKind(const LinePlan& plan, const QString& line) {
        switch (plan.script.kind) {
        case LineKind::FileCopy:
        case LineKind::FileRename:
            if (const auto problem = twoPathError(plan))
                error(*problem);
            else if (plan.paths.to.contains(u'*'))
                warn(QStringLiteral("the second file name \"%1\" holds \"*\"").arg(plan.paths.to));
            break;
        case LineKind::Date:
            if (!dateWaitCanEnd(plan.date, context_.today))
                warn(QStringLiteral("the day %1 has passed or does not exist: the wait would "
                                    "never end")
                         .arg(dayText(plan.date)));
            break;
        case LineKind::FocusOn:
            if (singleArgument(plan.script).isEmpty())
                warn(QStringLiteral("the line names no window title: no window can be brought "
                                    "to the front"));
            break;
        case LineKind::RunProgram:
            if (context_.programFound && !context_.programFound(singleArgument(plan.script)))
                warn(QStringLiteral("no program can be found for \"%1\" now; it must exist when "
                                    "the line runs")
                         .arg(singleArgument(plan.script)));
            break;
        case LineKind::Ignored:
            if (const auto warning = lookalikeWarning(line))
                warn(*warning);
            break;
        case LineKind::Exit:
        case LineKind::StartAgain:
            if (stopLine_ == 0) {
                stopLine_ = number_;
                stopText_ = plan.script.kind == LineKind::Exit ? exitToken.toString()
                                                               : markOf(LineKind::StartAgain);
            }
            break;
        default:
            break;
        }
    }

    void warn(QString message) {
        findings.append({number_, Severity::Warning, std::move(message)});
    }
    void error(QString message) { findings.append({number_, Severity::Error, std::move(message)}); }

    const CheckContext& context_;
    int number_ = 0;
    int stopLine_ = 0;
    QString stopText_;
    bool unreachableReported_ = false;
};

} // namespace

LinePlan planLine(const QString& line) {
    LinePlan plan;
    plan.script = classifyLine(line);
    const ScriptLine& script = plan.script;
    switch (script.kind) {
    case LineKind::SingleKey:
    case LineKind::NamedKey:
    case LineKind::Alt:
    case LineKind::Ctrl:
    case LineKind::Shift:
        plan.sends << keyLineText(script);
        break;
    case LineKind::FileCopy:
    case LineKind::FileRename:
        if (const Result<TwoPaths> paths = readTwoPaths(script.rest))
            plan.paths = paths.value();
        else
            plan.failure = paths.error();
        break;
    case LineKind::FileWait:
        plan.failure = checkFileWaitPath(singleArgument(script)).reason();
        break;
    case LineKind::Wait:
        if (const Result<qint64> ms = readWaitMilliseconds(script.rest))
            plan.waitMs = ms.value();
        else
            plan.failure = ms.error();
        break;
    case LineKind::TextPaste:
        if (script.rest.isEmpty())
            plan.failure = noTextToPasteReason;
        else
            plan.sends << script.rest << QStringLiteral("~");
        break;
    case LineKind::Date:
        if (const Result<DateLine> date = readDateLine(line))
            plan.date = date.value();
        else
            plan.failure = date.error();
        break;
    case LineKind::Days:
        if (const Result<DaysLine> days = readDaysLine(line))
            plan.days = days.value();
        else
            plan.failure = days.error();
        break;
    default:
        break;
    }
    return plan;
}

QString dayText(const DateLine& date) {
    return QStringLiteral("%1-%2-%3")
        .arg(date.year)
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.day, 2, 10, QLatin1Char('0'));
}

QString sendFailure(const LinePlan& plan) {
    for (const QString& text : plan.sends) {
        if (const auto keys = parseKeystrokes(text); !keys)
            return QStringLiteral("the keystroke text \"%1\" cannot be typed: %2")
                .arg(text, keys.error());
    }
    return QString();
}

QList<Finding> checkProgram(const QStringList& lines, const CheckContext& context) {
    Checker checker(context);
    for (qsizetype i = 0; i < lines.size(); ++i)
        checker.check(lines[i], int(i + 1));
    return checker.findings;
}

} // namespace tandrel
