// Sorting whole lists gives the order of the song comparisons themselves.
#include "songorder.h"

#include "fakeappcontext.h"
#include "prefs.h"
#include "song.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

SongPtr song(const char *title, const char *subtitle, const char *more, int daysAgo)
{
    auto song = std::make_shared<Song>();
    song->setText(QStringLiteral("{title: %1}\n{subtitle: %2}\n%3")
                      .arg(QString::fromUtf8(title), QString::fromUtf8(subtitle), QString::fromUtf8(more)));
    song->refreshTitleSubtitle();
    song->setDate(QDateTime(QDate(2024, 1, 1), QTime(12, 0)).addDays(-daysAgo));
    return song;
}

} // namespace

TEST(SongOrder, AgreesWithTheSongComparisons)
{
    FakeAppContext context;
    Prefs prefs;
    context.prefsObject = &prefs;
    const QList<SongPtr> songs = {
        song("The Boxer", "Simon", "{key: C}\n{time: 3:00}", 3),
        song("Boxer", "simon", "{key: c}", 3),
        song("A Day", "", "[Dm]day", 1),
        song("\u00c9t\u00e9", "Abba", "{time: 3:00}", 2),
        song("ete", "abba", "{key: Em}", 5),
        song("Rock \u2019n roll", "", "{time: 1:00}", 4),
        song("Rock 'n Roll", "", "{time: 1:00}", 4),
        song("the boxer", "Simon", "", 3),
        song("\uff21\uff22", "Wide", "{key: A}", 6),
        song("AB", "Wide", "{key: a}", 6),
        song("Sigma", "", "{key: \u03a3b}", 7), // keys ignoring case beyond ASCII, and beyond 16 bits
        song("sigma", "", "{key: \u03c3B}", 7),
        song("Deseret", "", "{key: \U00010400}", 8),
        song("deseret", "", "{key: \U00010428m}", 8),
    };
    using Compare = int (Song::*)(const Song &) const;
    const std::pair<SongOrder::Comparison, Compare> comparisons[] = {
        {SongOrder::Comparison::Title, &Song::compareTitle}, {SongOrder::Comparison::Subtitle, &Song::compareSubtitle},
        {SongOrder::Comparison::Key, &Song::compareKey},     {SongOrder::Comparison::Date, &Song::compareDate},
        {SongOrder::Comparison::Time, &Song::compareTime},
    };
    SongOrder order; // one object throughout: its kept folded names must not change the order
    for (const bool iPodStyle : {true, false, true}) {
        prefs.setSortIPodStyle(iPodStyle);
        for (const auto &[comparison, compare] : comparisons) {
            QList<SongPtr> expected = songs;
            std::stable_sort(expected.begin(), expected.end(),
                             [compare](const SongPtr &a, const SongPtr &b) { return ((*a).*compare)(*b) < 0; });
            QList<SongPtr> sorted = songs;
            order.sort(sorted, comparison);
            EXPECT_EQ(sorted, expected) << int(comparison) << " " << iPodStyle;
        }
    }
}

TEST(SongOrder, TheFirstSortSettingThatIsOnWins)
{
    FakeAppContext context;
    Prefs prefs;
    context.prefsObject = &prefs;
    EXPECT_EQ(SongOrder::current(), SongOrder::Comparison::Title);
    prefs.setSortbytime(true);
    EXPECT_EQ(SongOrder::current(), SongOrder::Comparison::Time);
    prefs.setSortbydate(true);
    EXPECT_EQ(SongOrder::current(), SongOrder::Comparison::Date);
    prefs.setSortbykey(true);
    EXPECT_EQ(SongOrder::current(), SongOrder::Comparison::Key);
    prefs.setSortbysubtitle(true);
    EXPECT_EQ(SongOrder::current(), SongOrder::Comparison::Subtitle);
}
