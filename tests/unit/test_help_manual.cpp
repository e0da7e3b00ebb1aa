#include "help/manual.h"

#include <gtest/gtest.h>

using namespace tandrel;

namespace {

const QStringList manual = helpManualLines();

QString lineAt(int index) {
    return index >= 0 && index < manual.size() ? manual[index] : QStringLiteral("<none>");
}

} // namespace

// Entries that are the beginning of an earlier line land there, not on their own heading.
TEST(HelpManual, EntriesThatLandOnEarlierOrLongerLines) {
    struct Case {
        const char* entry;
        const char* landing; // nullptr: the entry finds nothing
        const char* lineBefore;
    };
    const Case cases[] = {
        {"Create", "Create", "Creating a New Program"},
        {"Creating a New Program", "Creating a New Program", ""},
        {"Focus", "Focus On             Focus on a window", nullptr},
        {"Run", "Run Program       Run a program", nullptr},
        {"Notations",
         "Notations             Put notes in your programming which do not affect "
         "the program.",
         nullptr},
        {"Wait/Pause",
         "Wait/Pause         Wait a number of 10ths of a second 10 = 1 sec, 600 = "
         "1 minute",
         nullptr},
        {"", "  CLICK ME", nullptr},
        {"Window", "Window w/ Focus", "Focus on"},
        {"Deleting lines", "Deleting lines of code from your program", ""},
        {"How many", "How many of my programs can I run at one time?", ""},
        {"Launching a program", "Launching a program  (Same as running a program)", nullptr},
        {"Multiple programs", "Multiple programs running", nullptr},
        {"Opening a program", "Opening a program  (Same as running a program)", nullptr},
        {"Quitting", "Quitting a Tandrel program", nullptr},
        {"Troubleshooting",
         "Troubleshooting ERRORS which may occur while your programming is running:", ""},
        {"Warranty", "Warranty:", ""},
        {"End of Index", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const int line = topicLineOf(QString::fromUtf8(c.entry), manual);
        if (!c.landing) {
            EXPECT_EQ(line, -1) << c.entry;
            continue;
        }
        EXPECT_EQ(lineAt(line), QString::fromUtf8(c.landing)) << c.entry;
        if (c.lineBefore)
            EXPECT_EQ(lineAt(line - 1), QString::fromUtf8(c.lineBefore)) << c.entry;
    }
}

// Every other entry is a heading line of its own, inside the block of headings of its topic.
TEST(HelpManual, EveryOtherEntryLandsOnItsOwnHeading) {
    const QStringList landingElsewhere = {"Focus",
                                          "Run",
                                          "Notations",
                                          "Wait/Pause",
                                          "",
                                          "Window",
                                          "Deleting lines",
                                          "How many",
                                          "Launching a program",
                                          "Multiple programs",
                                          "Opening a program",
                                          "Quitting",
                                          "Troubleshooting",
                                          "Warranty",
                                          "End of Index"};
    const QStringList entries = helpIndexEntries();
    ASSERT_EQ(entries.size(), 93);
    for (const QString& entry : entries) {
        if (landingElsewhere.contains(entry))
            continue;
        const int line = topicLineOf(entry, manual);
        EXPECT_EQ(lineAt(line), entry) << entry.toStdString();
        int end = line;
        while (end < manual.size() && !manual[end].isEmpty())
            ++end;
        EXPECT_LT(end + 1, manual.size()) << entry.toStdString() << ": no text after heading";
        EXPECT_FALSE(lineAt(end + 1).isEmpty()) << entry.toStdString() << ": no paragraph";
    }
}

TEST(HelpManual, TopicsStandInTheirOrder) {
    const QStringList firstHeadings = {"  CLICK ME",
                                       "HELP GETTING STARTED",
                                       "Creating a New Program",
                                       "Edit",
                                       "Helps",
                                       "Sending keystrokes",
                                       "Special functions",
                                       "Clip clear",
                                       "Deleting files",
                                       "Deleting lines of code from your program",
                                       "Focus\n",
                                       "Notations\n",
                                       "Run\n",
                                       "Run Windows Programs",
                                       "Start again",
                                       "Stop 'til",
                                       "Text paste",
                                       "Timer Days",
                                       "Wait/Pause\n",
                                       "Undo",
                                       "Test",
                                       "Saving programs",
                                       "Drive selection",
                                       "Print",
                                       "How many of my programs can I run at one time?",
                                       "Ending a Tandrel program",
                                       "Debugging",
                                       "Errors",
                                       "Uninstall Tandrel",
                                       "Troubleshooting ERRORS",
                                       "Warranty:",
                                       "<< END OF HELPS >>"};
    int previous = -1;
    for (const QString& heading : firstHeadings) {
        // A trailing newline asks for the whole line, past the introduction's list.
        const bool whole = heading.endsWith(u'\n');
        const QString text = whole ? heading.chopped(1) : heading;
        const int line = whole ? int(manual.indexOf(text)) : topicLineOf(text, manual);
        EXPECT_GT(line, previous) << text.toStdString();
        previous = line;
    }
    EXPECT_EQ(manual.last(), QStringLiteral("<< END OF HELPS >>"));
}

TEST(HelpManual, LinesFitTheList) {
    for (qsizetype i = 0; i < manual.size(); ++i)
        EXPECT_LE(manual[i].size(), 144) << "line " << i;
}

TEST(HelpManual, SpecialFunctionListStandsTwiceAlike) {
    const QStringList list = {
        "Clip - Clear         Clears the clipboard",
        "Clip - Paste         Paste the contents of the clipboard",
        "Clip - Wait For     Wait for a certain string in the clipboard",
        "",
        "File - Copy          Copy a file to another directory",
        "File - Erase         Erase a file",
        "File - Paste         Paste the contents of the file.",
        "File - Rename     Rename a file",
        "File - Wait For     Wait for the existence of a file.",
        "",
        "Focus On             Focus on a window",
        "Notations             Put notes in your programming which do not affect the program.",
        "Run Program       Run a program",
        "Start Again          Loop your program infinitely",
        "Stop - 'Til            Pause until a key is pressed.  A message may be included.  May "
        "include stop altogether rather than pause.",
        "",
        "Text Paste           Paste text you specify into the window with current focus",
        "",
        "Timer - Days       Wait until a specified time during a given day or days of the week",
        "Timer - Date        Wait until a specified time on a given date",
        "Wait/Pause         Wait a number of 10ths of a second 10 = 1 sec, 600 = 1 minute"};
    const qsizetype first = manual.indexOf(list.first());
    const qsizetype second = manual.indexOf(list.first(), first + 1);
    EXPECT_EQ(manual.mid(first, list.size()), list) << "in the introduction";
    EXPECT_EQ(manual.mid(second, list.size()), list) << "under the special functions";
    EXPECT_LT(topicLineOf("Special functions", manual), second);
    EXPECT_EQ(manual.indexOf(list.first(), second + 1), -1) << "a third copy";
}
