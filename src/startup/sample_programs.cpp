#include "startup/sample_programs.h"

namespace tandrel {

namespace {

QStringList calculatorSample() {
    return {
        QStringLiteral("{Note}  This program opens the calculator and makes entries at 1.2 second "
                       "intervals and then closes the calculator after a file named  "
                       "'C:\\close.txt'  is found."),
        QStringLiteral("{Note}  Since this program does not create the  'C:close.txt'  file it "
                       "would never shut itself down, but the  'Sample Cascade' program will."),
        QStringLiteral("{Note}"),
        QStringLiteral("{Run Program}C:\\WINDOWS\\CALC.EXE"),
        QStringLiteral("{Wait}12"),
        QStringLiteral("5"),
        QStringLiteral("-"),
        QStringLiteral("2"),
        QStringLiteral("{Wait}5"),
        QStringLiteral("="),
        QStringLiteral("{Wait}12"),
        QStringLiteral("*"),
        QStringLiteral("4"),
        QStringLiteral("="),
        QStringLiteral("{Wait}12"),
        QStringLiteral("/"),
        QStringLiteral("6"),
        QStringLiteral("="),
        QStringLiteral("{Wait}12"),
        QStringLiteral("+"),
        QStringLiteral("9"),
        QStringLiteral("="),
        QStringLiteral("{Wait}12"),
        QStringLiteral("{File Wait}C:\\close.txt"),
        QStringLiteral("{eXit}"),
    };
}

QStringList cascadeSample() {
    return {
        QStringLiteral(
            "{Note}  This file waits 6 seconds and then runs the Sample Notepad program"),
        QStringLiteral("{Note}"),
        QStringLiteral("{Wait}60"),
        QStringLiteral("{Run Program}C:\\TANDREL\\Tandrel.exe Sample Notepad"),
        QStringLiteral("{Note}"),
        QStringLiteral("{Note}    In doing this it opens a second copy of Tandrel.   You can close "
                       "Tandrel programs after you open them as in the next example."),
        QStringLiteral("{Wait}30"),
        QStringLiteral("{Note}   This will run the calculator program which waits for a file "
                       "before ending."),
        QStringLiteral("{Run Program}C:\\TANDREL\\Tandrel.exe Sample Calculator.TDX"),
        QStringLiteral("{Note}   Waits 12 seconds for Sample Calculator to run (Calculator runs in "
                       "about 8 seconds.)"),
        QStringLiteral("{Wait}120"),
        QStringLiteral("{Note}   Copies this program file to C:\\close.txt"),
        QStringLiteral(
            "{File Copy}C:\\TANDREL\\PROGRAMS\\Sample Cascade Programs.TDX * C:\\close.txt"),
        QStringLiteral("{Note}Waits 10 more seconds for Calculator to register the file and close, "
                       "and then erases the C:\\close.txt file."),
        QStringLiteral("{Wait}100"),
        QStringLiteral("{File Erase}C:\\close.txt"),
        QStringLiteral("{Wait}3"),
        QStringLiteral("{eXit}"),
    };
}

QStringList notepadSample() {
    QStringList lines = {
        QStringLiteral("{Run Program}C:\\WINDOWS\\NOTEPAD.EXE"),
        QStringLiteral("{Focus On}untitled - Notepad"),
        QStringLiteral("{Text Paste}This sample opens notepad, places focus on notepad's window, "
                       "and then types this line."),
        QStringLiteral("{ENTER}"),
        QStringLiteral("{ENTER}"),
        QStringLiteral("{Text Paste}Pressing enter twice brought us down two lines in notepad and "
                       "then I entered this line."),
        QStringLiteral("{ENTER}"),
        QStringLiteral(
            "{Text Paste}Note:  The 'notations' within your Tandrel sample program which "
            "did not print in notepad.  They are there to help you remember why you "
            "wrote your program as you did."),
        QStringLiteral("{ENTER}"),
        QStringLiteral("{ENTER}"),
        QStringLiteral("{Text Paste}Now I will pause for 5 seconds before continuing to illustrate "
                       "the use of the WAIT/PAUSE special function."),
        QStringLiteral("{ENTER}"),
        QStringLiteral("{Wait}50"),
        QStringLiteral("{Note}The lines above were sent to Notepad using the Text Paste feature.  "
                       "You can also send individual characters simply by typing keys.  Each one "
                       "shows up on it's own line."),
        QStringLiteral("{Note}These individual keystrokes are an example of how Tandrel sends "
                       "keystrokes one at a time to the receiving program."),
    };
    // Typed one key per line, so that the edit screen shows how single keystrokes look.
    const QString sentence = QStringLiteral("Though these characters show up on one line in "
                                            "notepad, they are each on their own line on your "
                                            "tandreL edit screen.");
    for (const QChar character : sentence)
        lines << QString(character);
    lines << QStringLiteral("{ENTER}")
          << QStringLiteral("{Stop}Pressing 'Cancel' will close Tandrel altogether.  Pressing "
                            "'OK' will let it continue to run.  You can added user messages like "
                            "this with the 'Cancel / OK' options as well by using the STOP 'TIL "
                            "special function.")
          << QStringLiteral("{Note}  When I added this focus on statement below, I clicked twice "
                            "slowly on the first one to 'edit' it and then copied the notepad "
                            "windows focus title and pasted it here.")
          << QStringLiteral("{Note}  This would not cause much of a problem since the UNDO feature "
                            "will undo the last command bring the line back again.")
          << QStringLiteral(
                 "{Note}  I used the right mouse button to copy and paste.  Had I double "
                 "clicked rapidly I would have deleted the line rather than invoked the "
                 "edit mode.")
          << QStringLiteral("{Focus On}untitled - Notepad") << QStringLiteral("{ENTER}")
          << QStringLiteral("{Text Paste}Sometimes I want to go up in the program and I press the "
                            "UP key.  It inserts the word up rather than moving me up on the "
                            "Tandrel edit screen.   To move up remember to use the mouse pointer "
                            "and the slide bar to the right of the edit screen if necessary.  The "
                            "keys are recorded by Tandrel as you press them so the UP key is "
                            "recorded as up!")
          << QStringLiteral("{eXit}");
    return lines;
}

QStringList timerSample() {
    return {
        QStringLiteral("{Note}"),
        QStringLiteral("{Note}   This program waits until 2:05 PM on Monday and Friday and then "
                       "clears the contents of the clipboard."),
        QStringLiteral("{Note}"),
        QStringLiteral("{DAYS}Mondays,Fridays, 2:05:00 PM"),
        QStringLiteral("{Clip Clear}"),
        QStringLiteral("{Note}   Next it waits until January 14th of the year 2005 and then opens "
                       "an untitled notepad file and pastes the contents of the clipboard into "
                       "it."),
        QStringLiteral("{Note}"),
        QStringLiteral("{DATE}2005 - January, 14   4:58:20 PM"),
        QStringLiteral("{Run Program}C:\\WINDOWS\\NOTEPAD.EXE"),
        QStringLiteral("{Clip Paste}"),
        QStringLiteral("{eXit}"),
    };
}

QStringList wavPlayerSample() {
    return {
        QStringLiteral("{Note}      THIS PROGRAM PLAYS A WAV FILE AFTER 2 MINUTES.  It will work "
                       "on your computer provided your files are in the same directories."),
        QStringLiteral("{Note}"),
        QStringLiteral("{Note}      An excellent practice session would be to change these "
                       "directories and files to match your computer or to play other WAV files."),
        QStringLiteral("{Note}"),
        QStringLiteral(
            "{Run Program}C:\\WINDOWS\\SNDREC32.EXE C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav"),
        QStringLiteral(" "),
        QStringLiteral("{Note}   While I play the MS sound file, I wait 15 seconds and then close "
                       "the WAV player."),
        QStringLiteral("{Wait}150"),
        QStringLiteral("{Focus On}The Microsoft Sound"),
        QStringLiteral("{ALT}F"),
        QStringLiteral("X"),
        QStringLiteral("{Stop}  That is the end of this example."),
        QStringLiteral("{Note}   This program has a start again rather than an exit function.  It "
                       "will loop forever until you press cancel rather than ok at the 'stop' "
                       "message box."),
        QStringLiteral("{Start Again}"),
    };
}

QStringList readMe() {
    const QString blank = QStringLiteral(" ");
    const QList<QStringList> paragraphs = {
        {QStringLiteral("The sample files appearing below this 'Read Me' in the edit file list, "
                        "illustrate some of the basics.")},
        {QStringLiteral("They utilize programs which are common to most installations of "
                        "Windows95 and"),
         QStringLiteral("Windows98 to show how Tandrel can be programmed to run and control your "
                        "favorite"),
         QStringLiteral("applications.")},
        {QStringLiteral("You may want to practice by modifying these files and 'Testing' them.")},
        {QStringLiteral("If your directory/folder paths are different than those in these "
                        "examples it will"),
         QStringLiteral("be necessary for you to modify the sample programs to match your "
                        "computer.")},
        {QStringLiteral("This is probably the best way to become familiar with the operation of "
                        "Tandrel.")},
        {QStringLiteral("Extensive helps are provided by clicking the red button on the left of "
                        "your screen."),
         QStringLiteral("I would recommend that you print them out by using the 'Print' button "
                        "above.")},
        {QStringLiteral("When typing in this edit window you may delete lines by double clicking. "
                        " Some lines can be edited by"),
         QStringLiteral("clicking on them a second time slowly.  If you double click too fast and "
                        "delete your line press 'Undo'"),
         QStringLiteral("to get it back.")},
        {QStringLiteral("The bar at the bottom turns GREEN if you are adding lines anywhere except "
                        "at the bottom of your existing"),
         QStringLiteral("programming.  Click this bar to resume adding lines below your current "
                        "lines.  Click on any line to add"),
         QStringLiteral("programming at that line.")},
        {QStringLiteral("Most of all, have fun and enjoy.   You will be amazed at the versatility "
                        "and power Tandrel gives you as"),
         QStringLiteral("you become familiar with how to use it's abilities.")},
    };
    QStringList lines = {QStringLiteral("This text is purely informational.  DO NOT attempt to "
                                        "RUN or TEST it.  It is not a program file!"),
                         blank, blank};
    for (const QStringList& paragraph : paragraphs)
        lines << paragraph << blank;
    lines << QString() << QString()
          << QStringLiteral("You may address any questions or suggestions using the Tech Support "
                            "option at:")
          << blank
          << QStringLiteral(
                 "the Help button of the Tandrel window, topics 'Errors' and 'Debugging'.")
          << blank << QStringLiteral("Thank you for using Tandrel.");
    return lines;
}

} // namespace

QList<SampleProgram> samplePrograms() {
    return {
        {QStringLiteral("C:\\tandrel\\programs\\Sample Calculator.TDX"), calculatorSample()},
        {QStringLiteral("C:\\tandrel\\programs\\Sample Cascade Programs.TDX"), cascadeSample()},
        {QStringLiteral("C:\\tandrel\\programs\\Sample Notepad.TDX"), notepadSample()},
        {QStringLiteral("C:\\tandrel\\programs\\Sample Timer.TDX"), timerSample()},
        {QStringLiteral("C:\\tandrel\\programs\\Sample WAV Payer.TDX"), wavPlayerSample()},
        {QStringLiteral("C:\\tandrel\\programs\\Read Me"), readMe()},
    };
}

} // namespace tandrel
