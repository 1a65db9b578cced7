// The playing-time field: what its text reads as, and how it shows seconds.
#include "minsectextfield.h"

#include <gtest/gtest.h>

TEST(MinSecTextField, ReadsMinutesAndSecondsOrPlainSeconds)
{
    struct Case
    {
        const char *text;
        int seconds;
        const char *normalised;
    };
    const Case cases[] = {
        {"3:05", 185, "3:05"},
        {"185", 185, "3:05"},
        {"1:75", 135, "2:15"},
        {"abc", 0, "0:00"},
        {"1:2:3", 62, "1:02"},
        {" 7x", 7, "0:07"},
        {"+8", 8, "0:08"},
        // A negative reading counts as 0, so the field never shows "0:-5".
        {"-5", 0, "0:00"},
        {"0:-5", 0, "0:00"},
        // Far too many digits: the largest time, not an overflow.
        {"99999999999999999999", 2147483647, "35791394:07"},
        {"99999999999:0", 2147483647, "35791394:07"},
    };
    MinSecTextField field;
    for (const Case &c : cases) {
        field.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(field.time(), c.seconds) << c.text;
        Q_EMIT field.editingFinished();
        EXPECT_EQ(field.text(), QString::fromUtf8(c.normalised)) << c.text;
    }
}

TEST(MinSecTextField, ShowsSecondsAsMinutesWithoutHours)
{
    MinSecTextField field;
    for (const auto &[seconds, shown] : {std::pair{59, "0:59"}, {600, "10:00"}, {3600, "60:00"}, {0, "0:00"}}) {
        field.setTime(seconds);
        EXPECT_EQ(field.text(), QString::fromUtf8(shown)) << seconds;
    }
}
