#include "runner/wait_rules.h"

#include <gtest/gtest.h>

using namespace tandrel;

TEST(WaitRules, TimeOfDayComesAtItsMinuteAndStaysForTheRestOfTheDay) {
    const TimeOfDay fiveToTwo{13, 55};
    EXPECT_FALSE(timeOfDayReached(fiveToTwo, QTime(12, 59, 59)));
    EXPECT_FALSE(timeOfDayReached(fiveToTwo, QTime(13, 54, 59)));
    EXPECT_TRUE(timeOfDayReached(fiveToTwo, QTime(13, 55, 0)));
    EXPECT_TRUE(timeOfDayReached(fiveToTwo, QTime(14, 0)));
    EXPECT_TRUE(timeOfDayReached(fiveToTwo, QTime(23, 59)));
    EXPECT_TRUE(timeOfDayReached(TimeOfDay{0, 0}, QTime(0, 0)));
}

TEST(WaitRules, DateWaitEndsOnlyOnItsDayOnceTheTimeHasCome) {
    const DateLine line{2026, 12, 7, TimeOfDay{16, 58}};
    EXPECT_TRUE(dateWaitOver(line, QDateTime(QDate(2026, 12, 7), QTime(16, 58))));
    EXPECT_TRUE(dateWaitOver(line, QDateTime(QDate(2026, 12, 7), QTime(23, 0))));
    EXPECT_FALSE(dateWaitOver(line, QDateTime(QDate(2026, 12, 7), QTime(16, 57, 59))));
    // A date that has passed is never matched.
    EXPECT_FALSE(dateWaitOver(line, QDateTime(QDate(2026, 12, 8), QTime(0, 1))));
    EXPECT_FALSE(dateWaitOver(line, QDateTime(QDate(2027, 12, 7), QTime(17, 0))));
    EXPECT_FALSE(dateWaitOver(line, QDateTime(QDate(2026, 11, 7), QTime(17, 0))));
}

TEST(WaitRules, ClipWaitComparesTheBeginningCaseSensitively) {
    EXPECT_TRUE(clipWaitOver("Total: 12", "Total"));
    EXPECT_FALSE(clipWaitOver("total: 12", "Total"));
    EXPECT_FALSE(clipWaitOver("Tot", "Total"));
    EXPECT_TRUE(clipWaitOver("", ""));
    EXPECT_TRUE(clipWaitOver("anything", ""));
    EXPECT_FALSE(clipWaitOver("", "x"));
}

TEST(WaitRules, FileWaitNeedsTheStoredNameInTheSameCase) {
    EXPECT_TRUE(fileWaitOver("C:\\close.txt", QString("close.txt")));
    EXPECT_FALSE(fileWaitOver("C:\\close.txt", QString("CLOSE.TXT")));
    EXPECT_FALSE(fileWaitOver("C:\\close.txt", std::nullopt));
    EXPECT_TRUE(fileWaitOver("C:\\dir\\ close.txt ", QString("close.txt")));
    // A wildcard path never matches a stored name.
    EXPECT_FALSE(fileWaitOver("C:\\*.txt", QString("close.txt")));
}

TEST(WaitRules, TheTimePhaseSleepsUntilTheNextMinute) {
    EXPECT_EQ(msUntilNextMinute(QTime(10, 0, 0)), 60'000);
    EXPECT_EQ(msUntilNextMinute(QTime(10, 0, 59, 500)), 500);
    EXPECT_EQ(msUntilNextMinute(QTime(23, 59, 30)), 30'000);
}
