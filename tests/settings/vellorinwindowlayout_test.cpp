// The main window's layout record and its stored form.
#include "vellorinwindowlayout.h"

#include "logcapture.h"
#include "printers.h"
#include "textfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

VellorinWindowLayout threePanes()
{
    VellorinWindowLayout layout;
    layout.setSonglistcol0(0.4);
    layout.setSonglistcol1(0.3);
    layout.setSonglistcol2(0.1);
    layout.setSonglistcol3(0.2);
    layout.setLeftPanePercentage(0.25);
    layout.setMiddlePanePercentage(0.5);
    layout.setRightPanePercentage(0.25);
    return layout;
}

} // namespace

TEST(VellorinWindowLayout, Validity)
{
    EXPECT_FALSE(VellorinWindowLayout().isValid());

    VellorinWindowLayout layout;
    layout.setSonglistcol0(0.4);
    EXPECT_FALSE(layout.isValid()) << "no pane shown";
    layout.setMiddlePanePercentage(1.0);
    EXPECT_TRUE(layout.isValid());

    // A layout taken from a window of zero width, or edited by hand, must not be applied.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {nan, inf, -0.1, 1.5}) {
        VellorinWindowLayout damaged = threePanes();
        damaged.setLeftPanePercentage(bad);
        EXPECT_FALSE(damaged.isValid()) << bad;
        damaged = threePanes();
        damaged.setSonglistcol3(bad);
        EXPECT_FALSE(damaged.isValid()) << bad;
    }
}

TEST(VellorinWindowLayout, FileRoundTripAtSinglePrecision)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stage.vellorinlayout"));
    VellorinWindowLayout layout = threePanes();
    layout.setSonglistcol1(0.1);
    ASSERT_TRUE(layout.save(path));

    const auto back = VellorinWindowLayout::load(path);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->songlistcol0(), double(0.4f));
    EXPECT_EQ(back->songlistcol1(), double(0.1f));
    EXPECT_NE(back->songlistcol1(), 0.1);
    EXPECT_EQ(back->songlistcol3(), double(0.2f));
    EXPECT_EQ(back->rightPanePercentage(), 0.25);
    EXPECT_TRUE(back->isValid());

    // NaN is written as null and comes back as NaN, so the record stays invalid.
    layout.setMiddlePanePercentage(std::numeric_limits<double>::quiet_NaN());
    ASSERT_TRUE(layout.save(path));
    const auto damaged = VellorinWindowLayout::load(path);
    ASSERT_NE(damaged, nullptr);
    EXPECT_TRUE(std::isnan(damaged->middlePanePercentage()));
    EXPECT_FALSE(damaged->isValid());

    EXPECT_FALSE(layout.save(dir.filePath(QStringLiteral("no/such/folder/x.vellorinlayout"))));
}

TEST(VellorinWindowLayout, FilesOfAnotherKindGiveNothing)
{
    QTemporaryDir dir;
    struct Case
    {
        const char *what;
        const char *content; // nullptr: no file
    };
    const Case cases[] = {
        {"missing file", nullptr},
        {"text file", "{title: Not a layout}\n[G]la la"},
        {"JSON of another kind", R"({"class": "FontPrefs", "songlistcol0": 0.4})"},
        {"JSON without a class", R"({"songlistcol0": 0.4, "middlePanePercentage": 1})"},
        {"JSON array", "[0.4, 1]"},
    };
    for (const Case &c : cases) {
        const QString path = dir.filePath(QLatin1String(c.what));
        if (c.content) {
            ASSERT_TRUE(TextFile::write(path, QString::fromUtf8(c.content)));
        }
        LogCapture log;
        EXPECT_EQ(VellorinWindowLayout::load(path), nullptr) << c.what;
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error loading layout: "))) << c.what;
    }
}

TEST(VellorinWindowLayout, EveryKeyIsOptionalAndOutOfRangeValuesInvalidate)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hand.vellorinlayout"));
    ASSERT_TRUE(
        TextFile::write(path, R"({"class": "VellorinWindowLayout", "songlistcol0": 0.5, "leftPanePercentage": 1})"));
    const auto partial = VellorinWindowLayout::load(path);
    ASSERT_NE(partial, nullptr);
    EXPECT_TRUE(partial->isValid());
    EXPECT_EQ(partial->songlistcol1(), 0.0);

    ASSERT_TRUE(
        TextFile::write(path, R"({"class": "VellorinWindowLayout", "songlistcol0": 0.5, "leftPanePercentage": 7})"));
    const auto outOfRange = VellorinWindowLayout::load(path);
    ASSERT_NE(outOfRange, nullptr);
    EXPECT_FALSE(outOfRange->isValid());
}
