#include "help/manual.h"

#include <gtest/gtest.h>

using namespace tandrel;

namespace {

const QStringList manual = helpManualLines();

QString lineAt(int index) {
    return index >= 0 && index < manual.size() ? manual[index] : QStringLiteral("<none>");
}

} // namespace

// An entry lands on the first line it begins; most entries are a heading of their own with a
// paragraph after the heading block. Short entries that begin an earlier line land there.
TEST(HelpManual, EveryIndexEntryLandsOnItsTopic) {
    const struct {
        const char* entry;
        const char* landingStart; // nullptr: the entry finds nothing
        const char* lineBefore;   // nullptr: not checked
    } elsewhere[] = {
        {"Create", "Create", "Creating a New Program"},
        {"Focus", "Focus On             Focus on a window", nullptr},
        {"Run", "Run Program       Run a program", nullptr},
        {"Notations", "Notations             Put notes", nullptr},
        {"Wait/Pause", "Wait/Pause         Wait a number", nullptr},
        {"", "  CLICK ME", nullptr},
        {"Window", "Window w/ Focus", "Focus on"},
        {"Deleting lines", "Deleting lines of code from your program", ""},
        {"How many", "How many of my programs can I run at one time?", ""},
        {"Launching a program", "Launching a program  (Same", nullptr},
        {"Multiple programs", "Multiple programs running", nullptr},
        {"Opening a program", "Opening a program  (Same", nullptr},
        {"Quitting", "Quitting a Tandrel program", nullptr},
        {"Troubleshooting", "Troubleshooting ERRORS which may occur", ""},
        {"Warranty", "Warranty:", ""},
        {"End of Index", nullptr, nullptr},
    };
    const QStringList entries = helpIndexEntries();
    ASSERT_EQ(entries.size(), 93);
    for (const QString& entry : entries) {
        SCOPED_TRACE(entry.toStdString());
        const int line = topicLineOf(entry, manual);
        const auto row = std::find_if(std::begin(elsewhere), std::end(elsewhere),
                                      [&](const auto& r) { return entry == r.entry; });
        if (row != std::end(elsewhere)) {
            EXPECT_EQ(line == -1, !row->landingStart);
            EXPECT_TRUE(!row->landingStart || lineAt(line).startsWith(row->landingStart));
            EXPECT_TRUE(!row->lineBefore || lineAt(line - 1) == row->lineBefore);
            continue;
        }
        EXPECT_EQ(lineAt(line), entry);
        int end = line;
        while (end < manual.size() && !manual[end].isEmpty())
            ++end;
        EXPECT_FALSE(lineAt(end + 1).isEmpty()) << "no paragraph after the heading";
    }
    EXPECT_EQ(manual.last(), "<< END OF HELPS >>");
    for (qsizetype i = 0; i < manual.size(); ++i)
        EXPECT_LE(manual[i].size(), 144) << "line " << i << " is wider than the list";
}
