#include "runner/run_error_text.h"

#include <QStringView>

namespace tandrel {

namespace {

const QString pointAtLine =
    QStringLiteral("  When you press 'OK' I will put the cursor on the program line containing "
                   "the error.");
const QString missingSeparator =
    QStringLiteral(".  Did you leave out the '*' between the file names, or does the directory or "
                   "file not exist?") +
    pointAtLine;

} // namespace

std::optional<QString> specificRunErrorText(const QString& line, int lineNumber) {
    const QString ending = [&]() -> QString {
        if (line.startsWith(u"{File Copy}"))
            return missingSeparator;
        if (line.startsWith(u"{File Erase}"))
            return QStringLiteral(".  The file you wish to erase, ") + line.mid(12) +
                   QStringLiteral(" either does not exist, or it is in use by another program "
                                  "so that it can not be erased.") +
                   pointAtLine;
        if (line.startsWith(u"{File Paste}"))
            return QStringLiteral(".  The file you wish to paste from does not exist.") +
                   pointAtLine;
        if (line.startsWith(u"{File Rename}"))
            return missingSeparator;
        if (line.startsWith(u"{Run Program}"))
            return QStringLiteral(".  The program you wish to run cannot be found in the "
                                  "directory, or by the file name you specified.") +
                   pointAtLine;
        if (line.startsWith(u"{Focus On}"))
            return QStringLiteral(".  The window you wish to focus upon does not exist by the "
                                  "name you specified.") +
                   pointAtLine +
                   QStringLiteral("  Note: You must specify a valid Window Title to Focus upon.  "
                                  "The window you specify must exist when this line of code "
                                  "executes.");
        if (line.startsWith(u"{Clip Paste}"))
            return QStringLiteral(".  You selected to paste the contents of the clipboard and "
                                  "there is nothing in the clipboard to paste.") +
                   pointAtLine;
        if (line.startsWith(u"{Text Paste}"))
            return QStringLiteral(".  You have selected to paste text, but you did not specify "
                                  "any text to paste when you wrote this program.") +
                   pointAtLine;
        return {};
    }();
    if (ending.isEmpty())
        return std::nullopt;
    return QStringLiteral("You have an error in your program on line ") +
           QString::number(lineNumber) + ending;
}

} // namespace tandrel
