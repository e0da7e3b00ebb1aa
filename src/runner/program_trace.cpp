#include "runner/program_trace.h"

#include "runner/program_check.h"
#include "runner/wait_rules.h"

namespace tandrel {

namespace {

// A trace is read by people: a line of megabytes is shown by its beginning and its length.
constexpr qsizetype longestShownText = 200;
constexpr qsizetype mostShownKeys = 200;

QString shown(const QString& text) {
    if (text.size() <= longestShownText)
        return text;
    return text.left(longestShownText) +
           QStringLiteral("... (%1 characters in all)").arg(text.size());
}

QString quoted(const QString& text) {
    return u'"' + shown(text) + u'"';
}

bool isControl(char32_t character) {
    return character < 0x20 || character == 0x7F;
}

QString controlText(char32_t character) {
    return QStringLiteral("U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper();
}

// A character as it stands inside a quoted run of typed characters.
QString inRun(char32_t character) {
    if (character == U'"' || character == U'\\')
        return u'\\' + QString(QChar(character));
    return QString::fromUcs4(&character, 1);
}

QString modifierText(KeyModifiers modifiers) {
    QStringList held;
    if (modifiers & KeyModifier::Shift)
        held << QStringLiteral("SHIFT");
    if (modifiers & KeyModifier::Ctrl)
        held << QStringLiteral("CTRL");
    if (modifiers & KeyModifier::Alt)
        held << QStringLiteral("ALT");
    return held.join(u'+');
}

QString clockText(TimeOfDay time) {
    return QStringLiteral("%1:%2")
        .arg(time.hour, 2, 10, QLatin1Char('0'))
        .arg(time.minute, 2, 10, QLatin1Char('0'));
}

QString secondsText(qint64 ms) {
    QString text = QString::number(double(ms) / 1000.0, 'f', 3);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString daysText(const DaysLine& days) {
    if (days.everyDay)
        return QString();
    static const QStringList names{QStringLiteral("Monday"),    QStringLiteral("Tuesday"),
                                   QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                                   QStringLiteral("Friday"),    QStringLiteral("Saturday"),
                                   QStringLiteral("Sunday")};
    QStringList named;
    for (const Qt::DayOfWeek day : days.days)
        named << names[int(day) - 1];
    return QStringLiteral("for a ") + named.join(QStringLiteral(" or ")) +
           QStringLiteral(", then ");
}

class Tracer {
public:
    explicit Tracer(QDate today)
        : today_(today) {}

    // Whether the run would go on after the line.
    bool trace(const QString& line, int number) {
        trace_.text << QStringLiteral("%1: %2").arg(number).arg(shown(line));
        const LinePlan plan = planLine(line);
        if (!plan.failure.isEmpty())
            return fail(plan.failure);
        return perform(plan);
    }

    Trace result() const { return trace_; }

private:
    bool perform(const LinePlan& plan) {
        const QString argument = singleArgument(plan.script);
        switch (plan.script.kind) {
        case LineKind::SingleKey:
        case LineKind::NamedKey:
        case LineKind::Alt:
        case LineKind::Ctrl:
        case LineKind::Shift:
        case LineKind::TextPaste:
            return sendAll(plan);
        case LineKind::Exit:
            say(QStringLiteral("would end Tandrel"));
            return false;
        case LineKind::Note:
            return say(QStringLiteral("note, does nothing"));
        case LineKind::Ignored:
            return say(QStringLiteral("ignored"));
        case LineKind::FileCopy:
            return say(QStringLiteral("would copy %1 to %2")
                           .arg(quoted(plan.paths.from), quoted(plan.paths.to)));
        case LineKind::FileRename:
            return say(QStringLiteral("would copy %1 to %2, then erase %1")
                           .arg(quoted(plan.paths.from), quoted(plan.paths.to)));
        case LineKind::FileErase:
            return say(QStringLiteral("would erase ") + quoted(argument));
        case LineKind::FilePaste:
            return say(QStringLiteral("would send the first line of %1, then ENTER")
                           .arg(quoted(argument)));
        case LineKind::FileWait:
            return say(QStringLiteral("would wait for file %1, looking every %2 s")
                           .arg(quoted(argument), secondsText(fileWaitPollMs)));
        case LineKind::RunProgram:
            return say(QStringLiteral("would start ") + quoted(argument));
        case LineKind::FocusOn:
            return say(
                QStringLiteral("would bring the window %1 to the front").arg(quoted(argument)));
        case LineKind::Wait:
            return say(QStringLiteral("would wait %1 s").arg(secondsText(plan.waitMs)));
        case LineKind::Stop:
            return say(QStringLiteral("would stop with %1: OK goes on, Cancel ends Tandrel")
                           .arg(quoted(argument)));
        case LineKind::ClipWait:
            return say(QStringLiteral("would wait for the clipboard to begin with %1, looking "
                                      "every %2 s")
                           .arg(quoted(argument), secondsText(clipWaitPollMs)));
        case LineKind::ClipPaste:
            return say(QStringLiteral("would send the clipboard's text, then ENTER"));
        case LineKind::ClipClear:
            return say(QStringLiteral("would clear the clipboard"));
        case LineKind::StartAgain:
            say(QStringLiteral("would start again at line 1 (shown once)"));
            return false;
        case LineKind::Date:
            return waitForDate(plan.date);
        case LineKind::Days:
            return say(QStringLiteral("would wait %1for %2 on that day, or go on at once when it "
                                      "is later")
                           .arg(daysText(plan.days), clockText(plan.days.time)));
        }
        return true;
    }

    bool sendAll(const LinePlan& plan) {
        for (const QString& text : plan.sends) {
            const auto keys = parseKeystrokes(text);
            if (!keys)
                return fail(sendFailure(plan));
            say(QStringLiteral("would send %1: %2").arg(quoted(text), describeKeys(keys.value())));
        }
        return true;
    }

    bool waitForDate(const DateLine& date) {
        const QString day = dayText(date);
        if (!dateWaitCanEnd(date, today_)) {
            say(QStringLiteral("would wait for %1 %2, a day that has passed or does not exist: "
                               "the wait would never end")
                    .arg(day, clockText(date.time)));
            return false;
        }
        return say(QStringLiteral("would wait for %1 %2").arg(day, clockText(date.time)));
    }

    bool say(const QString& what) {
        trace_.text << QStringLiteral("   ") + what;
        return true;
    }

    bool fail(const QString& reason) {
        say(QStringLiteral("would fail: ") + reason);
        trace_.fails = true;
        return false;
    }

    QDate today_;
    Trace trace_;
};

} // namespace

Trace traceProgram(const QStringList& lines, QDate today) {
    Tracer tracer(today);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!tracer.trace(lines[i], int(i + 1)))
            break;
    }
    return tracer.result();
}

QString describeKeys(const QList<KeyAction>& actions) {
    QStringList keys;
    // Characters typed one after another without a modifier read as one quoted run.
    QString run;
    const auto endRun = [&] {
        if (!run.isEmpty())
            keys << u'"' + run + u'"';
        run.clear();
    };
    for (const KeyAction& action : actions.first(qMin(actions.size(), mostShownKeys))) {
        const QString held = modifierText(action.modifiers);
        const QString plus = held.isEmpty() ? QString() : held + u'+';
        const bool plainCharacter =
            action.kind == KeyAction::Kind::TypeChar && !isControl(action.character);
        if (plainCharacter && held.isEmpty()) {
            run += inRun(action.character);
            continue;
        }
        endRun();
        switch (action.kind) {
        case KeyAction::Kind::TypeChar:
            keys << plus + (plainCharacter ? u'"' + inRun(action.character) + u'"'
                                           : controlText(action.character));
            break;
        case KeyAction::Kind::TapNamedKey:
            keys << plus + namedKeyName(action.key);
            break;
        case KeyAction::Kind::TapModifiers:
            keys << held;
            break;
        }
    }
    endRun();
    if (actions.size() > mostShownKeys)
        keys << QStringLiteral("... (%1 keys in all)").arg(actions.size());
    return keys.join(QStringLiteral(", "));
}

} // namespace tandrel
