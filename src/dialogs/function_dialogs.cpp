#include "dialogs/function_dialogs.h"

#include <QtGlobal>

namespace tandrel {

namespace {

struct Row {
    SpecialFunction function;
    const char* token;
    const char* prompt;
    bool showsFilePanel;
    bool smallPrompt;
};

const Row rows[] = {
    {SpecialFunction::Stop, "{Stop}",
     "Stops program until 'OK' is pressed.  'Cancel' stops your program completely. "
     "'OK' allows your program to continue. After {Stop}, you may type a message "
     "you want the 'OK/Cancel' box to contain.  The next line MUST return focus to "
     "the window you wish to control!",
     false, false},
    {SpecialFunction::ClipWait, "{Clip Wait}",
     "The text you follow {Clip Wait} with must be the exact text another program "
     "will put in the beginning of the clipboard.  Leading spaces will keep this "
     "from working. Be careful!  <<CAUTION>>  This is a CaSe SeNsItIvE comparison.  "
     "Be sure you accurately type the text in both spelling and UPPER and lower "
     "case.  Any error will cause the match to reject.  Now type the clipboard text "
     "you want your program to find in the clipboard.",
     false, false},
    {SpecialFunction::FileCopy, "{File Copy}",
     "Copies file A to file B.  Include entire path!  Example:  {File "
     "Copy}C:\\windows\\myfile.txt * A:\\yourfile.txt Note the '*' must be between the "
     "two path/file names.",
     true, false},
    {SpecialFunction::FileErase, "{File Erase}",
     "Erases the file you specify.  Be sure to include the path.  Example:          "
     "       {File Erase}C:\\MyDir\\Myfile.exe",
     true, false},
    {SpecialFunction::FilePaste, "{File Paste}",
     "Pastes the FIRST LINE ONLY of the file read by the File Read statement.", true, false},
    {SpecialFunction::FileRename, "{File Rename}",
     "Renames file A to file B.  Include entire path!  Example: {File "
     "Rename}C:\\windows\\myfile.txt * A:\\yourfile.txt   Note the '*' must be between "
     "the two path/file names.",
     true, false},
    {SpecialFunction::FileWait, "{File Wait}",
     "The text you follow {File Wait} with must be the exact path and file name.   "
     "Type the path and file name you want your program to find to resume "
     "operation.   Example: {File Wait}C:\\MyDir\\MyFile.xls   <<< CAUTION >>>  This "
     "is a CaSe SeNsItIvE comparison.   Be sure your upper and lower case match!!  "
     "Select a file in the directory you wish to use and then replace it with your "
     "file name if necessary.  This will insure the path is correct in spelling and "
     "case.",
     true, false},
    {SpecialFunction::RunProgram, "{Run Program}",
     "After {Run Program} type the path and file name of the program to run or "
     "select it using the file path windows below.    Example: {Run "
     "Program}C:\\Windows\\notepad.exe  This would run the Notepad program.",
     true, false},
    {SpecialFunction::FocusOn, "{Focus On}",
     "The window with the focus is the active window. Before you issue a key stroke "
     "you MUST be SURE the proper window has focus!  After {Focus On} type all or "
     "part of a window name.  Example:  This program is named 'Tandrel'.  We could "
     "focus on it by specifying {Focus On}Tan or {Focus On}Tandrel.  Be sure if you "
     "use part of a window name that two windows do not start with that same part!",
     false, false},
    {SpecialFunction::Wait, "{Wait}",
     "Wait for a number of 1/10 seconds. 10 = 1 second.  600 = 1 minute. Wait 5 "
     "seconds = {wait}50",
     false, true},
    {SpecialFunction::TextPaste, "{Text Paste}",
     "After {Text Paste} type the text you want pasted into the a field which will "
     "have focus at the time your program is running.  Example: {Text Paste}This "
     "text will be copied into cell A1 of my 123 spreadsheet.",
     false, true},
    {SpecialFunction::Note, "{Note}",
     "After {Note} type text to describe things you want to remember later about "
     "your program.  This is visible only in this edit mode and has no effect when "
     "you run the program.",
     false, true},
};

} // namespace

SpecialFunctionDialog specialFunctionDialog(SpecialFunction function) {
    for (const Row& row : rows)
        if (row.function == function)
            return {QLatin1String(row.token), QLatin1String(row.prompt), row.showsFilePanel,
                    row.smallPrompt};
    Q_UNREACHABLE();
}

QString stopSampleText() {
    return QStringLiteral("You are about to create a message box like this one.");
}

QString runProgramHelpText() {
    return QStringLiteral(
        "To find the correct path for the Windows program you wish to run...   From "
        "the Window Desktop or Start Menu, the icons and the program menu items can "
        "display the path and file you need to open their associated program.  Focus "
        "on them with your mouse and right click.  The bottom option in the pop up box "
        "will be Properties.  Click on Properties and then click on the Shortcut tab.  "
        "The Target field contains the path and file name you need.  To copy the "
        "'Target:' field's contents, highlight it by using your left mouse button, "
        "then click your right mouse button and select 'copy.'   Move to your Tandrel "
        "{Run Program} dialogue box and place the cursor after the {Run Program} using "
        "the left mouse button.  Click the right mouse button and select paste.   The "
        "help text covers this information under 'Run Windows Programs.'");
}

QString stopFocusText() {
    return QStringLiteral(
        "A Stop message shifts focus to Tandrel, I will now bring up FOCUS so you can "
        "put the focus back on the program you were controlling if you desire.");
}

} // namespace tandrel
