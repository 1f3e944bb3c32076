#include "platform/Dates.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace qm::platform;

TEST(Dates, PicturesUseTheSeparatorGiven)
{
    Date d{2026, 3, 7};
    EXPECT_EQ(formatDate(d, "m/d/yy", '/'), "3/7/26");
    EXPECT_EQ(formatDate(d, "m/d/yyyy", '/'), "3/7/2026");
    EXPECT_EQ(formatDate(d, "mm/dd/yyyy", '.'), "03.07.2026");
    EXPECT_EQ(formatDate(Date{2001, 12, 25}, "m/d/yy", '-'), "12-25-01");
}

TEST(Dates, IsoDatesAreValidated)
{
    EXPECT_EQ(parseIsoDate("2024-02-29"), (Date{2024, 2, 29}));
    EXPECT_FALSE(parseIsoDate("2023-02-29"));
    EXPECT_FALSE(parseIsoDate("2023-13-01"));
    EXPECT_FALSE(parseIsoDate("2023-1-01"));
    EXPECT_FALSE(parseIsoDate("yesterday"));
}

TEST(Dates, TodayCanBeFixedByEnvironment)
{
    qm::test::ScopedEnv env("QM_TODAY", "1999-12-31");
    EXPECT_EQ(today(), (Date{1999, 12, 31}));
}

TEST(Dates, InvalidFixedTodayFallsBackToTheClock)
{
    qm::test::ScopedEnv env("QM_TODAY", "not-a-date");
    EXPECT_GT(today().year, 2000);
}

TEST(Dates, SeparatorComesFromLocaleOrOverride)
{
    {
        qm::test::ScopedEnv env("QM_DATE_SEPARATOR", ".");
        EXPECT_EQ(dateSeparator(), '.');
    }
    qm::test::ScopedEnv env("LC_ALL", "C");
    EXPECT_EQ(dateSeparator(), '/');
}
