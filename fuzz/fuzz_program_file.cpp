// A program file's bytes through every reader a run uses on its lines, and the file written
// back from the lines it decodes to.

#include "fuzz_text.h"
#include "runner/wait_rules.h"
#include "script/keystroke_notation.h"
#include "script/program_file.h"
#include "script/script_lines.h"

#include <QDateTime>

namespace tandrel::fuzz {
namespace {

// The line's one key: a single-key line types its character, a named-key line taps its key.
void expectOneKey(const QString& notation, const KeyAction& expected) {
    const Result<QList<KeyAction>> parsed = parseKeystrokes(notation);
    if (!parsed || parsed.value() != QList<KeyAction>{expected})
        propertyBroken("a key line does not send its one key:", notation);
}

void readLine(const QString& line) {
    const ScriptLine script = classifyLine(line);
    const QString mark = markOf(script.kind);
    if (!mark.isEmpty() && mark + script.rest != line)
        propertyBroken("mark and rest do not make up the line:", line);
    const QDateTime now(QDate(2005, 1, 14), QTime(16, 58));
    switch (script.kind) {
    case LineKind::SingleKey:
        expectOneKey(singleKeyText(line),
                     {.kind = KeyAction::Kind::TypeChar, .character = line.toUcs4().value(0)});
        break;
    case LineKind::NamedKey:
        expectOneKey(namedKeyText(line),
                     {.kind = KeyAction::Kind::TapNamedKey, .key = *namedKeyFromToken(line)});
        break;
    case LineKind::Alt:
    case LineKind::Ctrl:
    case LineKind::Shift:
        (void)parseKeystrokes(modifierLineText(script.kind, script.rest));
        break;
    case LineKind::TextPaste:
        (void)parseKeystrokes(script.rest);
        break;
    case LineKind::FileCopy:
    case LineKind::FileRename:
        (void)readTwoPaths(script.rest);
        break;
    case LineKind::Wait:
        (void)readWaitMilliseconds(script.rest);
        break;
    case LineKind::Date:
        if (const Result<DateLine> date = readDateLine(line))
            (void)dateWaitOver(date.value(), now);
        break;
    case LineKind::Days:
        if (const Result<DaysLine> days = readDaysLine(line))
            (void)timeOfDayReached(days.value().time, now.time());
        break;
    default:
        (void)fileWaitOver(singleArgument(script), singleArgument(script));
        break;
    }
    // The timer dialogs read any text as a time of day.
    (void)readTimeOfDay(script.rest);
}

} // namespace
} // namespace tandrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tandrel;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = decodeProgram(bytes);
    for (const QString& line : lines)
        fuzz::readLine(line);
    const QStringList back = decodeProgram(encodeProgram(lines));
    if (back != lines)
        fuzz::propertyBroken("the written lines read back differently:",
                             lines.value(0) + " / " + back.value(0));
    return 0;
}
