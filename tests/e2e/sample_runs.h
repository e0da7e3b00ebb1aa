#pragma once

// The sample programs that run to their end with the stand-ins, and what they leave: for the
// end-to-end tests under X11 and under Wayland.

#include "x11_session.h"

#include <QFile>
#include <QStringList>
#include <vector>

namespace tandrel::e2e {

inline const QString stopBoxTitle = QStringLiteral("OK continues - Cancel stops program");

// Until the run ends, each {Stop} box it shows, the cascade's nested ones too, answered with OK.
inline bool awaitRunAnsweringStops(QProcess& run, const std::function<QString()>& focusedTitle,
                                   const std::function<void()>& pressReturn) {
    return awaitCondition(
        [&] {
            if (run.waitForFinished(500))
                return true;
            if (focusedTitle() == stopBoxTitle)
                pressReturn();
            return false;
        },
        6 * e2eDeadlineMs);
}

// What the Notepad sample in the programs directory types: pasted texts and ENTER end a line,
// one-character lines are typed keys, and the other lines type nothing.
inline QString typedByNotepadSample(const QString& programs) {
    QFile file(programs + QStringLiteral("/Sample Notepad.TDX"));
    QString typed = file.open(QIODevice::ReadOnly) ? QString() : QStringLiteral("<no sample>");
    for (const QString& line : QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"))) {
        if (line.startsWith(QLatin1String("{Text Paste}")))
            typed += line.mid(12) + u'\n';
        else if (line == QLatin1String("{ENTER}"))
            typed += u'\n';
        else if (line.size() == 1)
            typed += line;
    }
    return typed;
}

// A run's standard error goes to this file, not to a pipe: the stand-ins it starts inherit it
// and outlive the run, and a pipe that the test stops reading when the run ends would kill them
// (SIGPIPE) at their next warning.
inline QString runErrors(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct SampleRun {
    QString program;
    bool makesCloseFile;     // the calculator sample ends at a file that the cascade makes for it
    QStringList windowsLeft; // sorted: the stand-ins, no Tandrel
    QString expectedCopy;    // of the first of them; empty for none to read
};

inline std::vector<SampleRun> sampleRuns(const QString& programs) {
    return {{"Sample Notepad", false, {"Untitled - Notepad"}, typedByNotepadSample(programs)},
            {"Sample Calculator.TDX", true, {"Calculator"}, "11"},
            {"Sample Cascade Programs", false, {"Calculator", "Untitled - Notepad"}, ""}};
}

} // namespace tandrel::e2e
