#include "help/manual.h"
#include "startup/sample_programs.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tandrel;

// Every index entry but the last finds the line its topic starts on; an entry that matches its
// own heading exactly must be followed by that topic's text.
TEST(HelpManual, EveryIndexEntryFindsItsTopic) {
    const QStringList manual = helpManualLines();
    const QStringList entries = helpIndexEntries();
    ASSERT_EQ(entries.size(), 93);
    for (const QString& entry : entries) {
        SCOPED_TRACE(entry.toStdString());
        const int line = topicLineOf(entry, manual);
        if (entry == entries.last()) {
            EXPECT_EQ(line, -1) << "the end of the index finds nothing";
            continue;
        }
        ASSERT_GE(line, 0);
        ASSERT_LT(line, manual.size());
        if (manual[line] != entry)
            continue;
        int end = line;
        while (end < manual.size() && !manual[end].isEmpty())
            ++end;
        EXPECT_TRUE(end + 1 < manual.size() && !manual[end + 1].isEmpty())
            << "no paragraph after the heading";
    }
    for (qsizetype i = 0; i < manual.size(); ++i)
        EXPECT_LE(manual[i].size(), 144) << "line " << i << " is wider than the list";
}

// The samples send the user to help topics by name: each must be one the index has.
TEST(HelpManual, TheTopicsTheSamplesNameAreInTheIndex) {
    const QStringList entries = helpIndexEntries();
    const QRegularExpression named("topics? '([^']+)'(?: and '([^']+)')?");
    int found = 0;
    for (const SampleProgram& sample : samplePrograms()) {
        for (const QString& line : sample.lines) {
            for (auto match = named.globalMatch(line); match.hasNext();) {
                const QRegularExpressionMatch topic = match.next();
                for (int group : {1, 2})
                    if (!topic.captured(group).isEmpty())
                        EXPECT_TRUE(entries.contains(topic.captured(group)) && ++found)
                            << topic.captured(group).toStdString();
            }
        }
    }
    EXPECT_GT(found, 0);
}
