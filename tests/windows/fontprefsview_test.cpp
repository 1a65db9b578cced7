#include "fontprefsview.h"

#include "colorwell.h"
#include "fontprefs.h"

#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

std::shared_ptr<FontPrefs> fontPrefs(const QString &family, double size, const QColor &color, const QColor &background)
{
    auto prefs = std::make_shared<FontPrefs>();
    prefs->setName(family);
    prefs->setSize(size);
    prefs->setColor(color);
    prefs->setBackgroundColor(background);
    return prefs;
}

} // namespace

TEST(FontPrefsView, RefreshShowsTheRecordAndTellsNoOne)
{
    FontPrefsView view;
    QSignalSpy changes(&view, &FontPrefsView::fontPrefsChanged);
    const auto serif = fontPrefs(QStringLiteral("DejaVu Serif"), 17, Qt::red, QColor(0, 0, 255, 0));
    const auto mono = fontPrefs(QStringLiteral("DejaVu Sans Mono"), 9.5, Qt::darkGreen, QColor(255, 255, 0, 128));
    for (const auto &record : {serif, mono}) {
        view.setFontPrefs(record);
        view.refresh();
        EXPECT_EQ(view.findChild<QPushButton *>(QStringLiteral("fontButton"))->text(),
                  QStringLiteral("%1 %2").arg(record->name()).arg(record->size()));
        EXPECT_EQ(view.findChild<ColorWell *>(QStringLiteral("foregroundColorWell"))->color(), record->color());
        EXPECT_EQ(view.findChild<ColorWell *>(QStringLiteral("backgroundColorWell"))->color(),
                  record->backgroundColor());
    }
    EXPECT_EQ(changes.count(), 0);
}
