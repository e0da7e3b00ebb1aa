#include "help/manual.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tandrel;

namespace {

const QStringList manual = helpManualLines();

QString lineAt(int index) {
    return index >= 0 && index < manual.size() ? manual[index] : QStringLiteral("<none>");
}

// Entries that are the beginning of an earlier or longer line land there, not on a heading of
// their own: the line they land on, and the line before it where that matters.
const struct {
    const char* entry;
    const char* landing; // nullptr: the entry finds nothing
    const char* lineBefore;
} elsewhere[] = {
    {"Create", "Create", "Creating a New Program"},
    {"Creating a New Program", "Creating a New Program", ""},
    {"Focus", "Focus On             Focus on a window", nullptr},
    {"Run", "Run Program       Run a program", nullptr},
    {"Notations",
     "Notations             Put notes in your programming which do not affect the program.",
     nullptr},
    {"Wait/Pause",
     "Wait/Pause         Wait a number of 10ths of a second 10 = 1 sec, 600 = 1 minute", nullptr},
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

} // namespace

TEST(HelpManual, EntriesThatLandOnEarlierOrLongerLines) {
    for (const auto& row : elsewhere) {
        const int line = topicLineOf(QString::fromUtf8(row.entry), manual);
        if (!row.landing) {
            EXPECT_EQ(line, -1) << row.entry;
            continue;
        }
        EXPECT_EQ(lineAt(line), QString::fromUtf8(row.landing)) << row.entry;
        if (row.lineBefore) {
            EXPECT_EQ(lineAt(line - 1), QString::fromUtf8(row.lineBefore)) << row.entry;
        }
    }
}

// Every other entry is a heading line of its own, inside the block of headings of its topic.
TEST(HelpManual, EveryOtherEntryLandsOnItsOwnHeading) {
    QStringList landingElsewhere;
    for (const auto& row : elsewhere) {
        if (!row.landing || qstrcmp(row.landing, row.entry) != 0)
            landingElsewhere << QString::fromUtf8(row.entry);
    }
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
    // A heading that ends in "$" asks for the whole line, past the introduction's list.
    const QStringList firstHeadings =
        QString("  CLICK ME|HELP GETTING STARTED|Creating a New Program|Edit|Helps|"
                "Sending keystrokes|Special functions|Clip clear|Deleting files|"
                "Deleting lines of code from your program|Focus$|Notations$|Run$|"
                "Run Windows Programs|Start again|Stop 'til|Text paste|Timer Days|Wait/Pause$|Undo|"
                "Test|Saving programs|Drive selection|Print|"
                "How many of my programs can I run at one time?|Ending a Tandrel program|"
                "Debugging|Errors|Uninstall Tandrel|Troubleshooting ERRORS|Warranty:|"
                "<< END OF HELPS >>")
            .split(u'|');
    int previous = -1;
    for (const QString& heading : firstHeadings) {
        const bool whole = heading.endsWith(u'$');
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

// The introduction lists the special functions, and the topic of that name repeats the list.
TEST(HelpManual, SpecialFunctionListStandsTwiceAlike) {
    const auto start = [&](qsizetype from) {
        return manual.indexOf(QRegularExpression("Clip - Clear +Clears the clipboard"), from);
    };
    const qsizetype first = start(0);
    const qsizetype end = manual.indexOf(QRegularExpression("Wait/Pause +Wait a number.*"), first);
    const qsizetype second = start(first + 1);
    ASSERT_GE(first, 0);
    ASSERT_EQ(end - first, 20) << "the list: clips, files, then the other functions";
    EXPECT_EQ(manual.mid(second, end - first + 1), manual.mid(first, end - first + 1));
    EXPECT_LT(topicLineOf("Special functions", manual), second);
    EXPECT_EQ(start(second + 1), -1) << "a third copy";
}
