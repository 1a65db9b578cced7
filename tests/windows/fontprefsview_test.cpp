#include "fontprefsview.h"

#include "colorwell.h"
#include "fontprefs.h"
#include "prefs.h"
#include "scripteddialogs.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

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

class FontPrefsViewTest : public ::testing::Test
{
protected:
    FontPrefsViewTest()
    {
        view.setFontPrefs(record);
        view.refresh();
    }

    void click(const char *name) { view.findChild<QPushButton *>(QLatin1String(name))->click(); }
    QString fontButtonText() const { return view.findChild<QPushButton *>(QStringLiteral("fontButton"))->text(); }

    ScriptedDialogs dialogs;
    FontPrefsView view{dialogs};
    std::shared_ptr<FontPrefs> record = fontPrefs(QStringLiteral("DejaVu Serif"), 12, Qt::black, Qt::transparent);
    QSignalSpy changes{&view, &FontPrefsView::fontPrefsChanged};
};

} // namespace

TEST(FontPrefsView, RefreshShowsTheRecordAndTellsNoOne)
{
    ScriptedDialogs dialogs;
    FontPrefsView view(dialogs);
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

TEST_F(FontPrefsViewTest, TheChosenFaceSetsBothTraitsAndIsReportedOnce)
{
    struct Case
    {
        bool bold;
        bool italic;
    };
    const Case cases[] = {{true, true}, {false, false}, {true, false}, {false, true}};
    record->setFixed(true);
    for (const Case &c : cases) {
        QFont face(QStringLiteral("DejaVu Sans"));
        face.setPointSizeF(15);
        face.setBold(c.bold);
        face.setItalic(c.italic);
        dialogs.fontPanelAnswers = {face};
        changes.clear();
        click("fontButton");
        EXPECT_EQ(record->name(), QStringLiteral("DejaVu Sans"));
        EXPECT_EQ(record->bold(), c.bold);
        EXPECT_EQ(record->italic(), c.italic);
        EXPECT_EQ(record->size(), 15);
        EXPECT_TRUE(record->fixed()) << "the font panel never changes it";
        EXPECT_EQ(fontButtonText(), QStringLiteral("DejaVu Sans 15"));
        ASSERT_EQ(changes.count(), 1);
        EXPECT_EQ(changes.first().first().value<std::shared_ptr<FontPrefs>>(), record);
    }
}

TEST_F(FontPrefsViewTest, ThePanelStartsOnTheRecordsFontSoASizeChangeKeepsTheFamily)
{
    QFont larger = record->fontWithScale(1.0F);
    larger.setPointSizeF(20);
    dialogs.fontPanelAnswers = {larger};
    click("fontButton");
    ASSERT_EQ(dialogs.fontPanelsShown.size(), 1);
    EXPECT_EQ(dialogs.fontPanelsShown.first().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(dialogs.fontPanelsShown.first().pointSizeF(), 12);
    EXPECT_EQ(record->name(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(record->size(), 20);
}

TEST_F(FontPrefsViewTest, ColoursKeepTheirAlphaThroughAFontSettingsFile)
{
    const QColor clear(255, 0, 0, 0);
    const QColor text(10, 20, 30, 200);
    dialogs.colorPanelAnswers = {text, clear};
    click("foregroundColorWell");
    click("backgroundColorWell");
    EXPECT_EQ(dialogs.colorPanelsShown, (QList<QColor>{Qt::black, Qt::transparent}));
    EXPECT_EQ(record->color(), text);
    EXPECT_EQ(record->backgroundColor(), clear);
    EXPECT_EQ(view.findChild<ColorWell *>(QStringLiteral("backgroundColorWell"))->color(), clear);
    EXPECT_EQ(changes.count(), 2);

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("fonts.vellorinfontsettings"));
    Prefs written;
    written.setTextfontprefs(record);
    ASSERT_TRUE(written.exportFontPrefs(file));
    Prefs read;
    ASSERT_TRUE(read.importFontPrefs(file));
    EXPECT_EQ(read.textfontprefs()->color(), text);
    EXPECT_EQ(read.textfontprefs()->backgroundColor().alpha(), 0);
}

TEST_F(FontPrefsViewTest, ACancelledPanelChangesNothing)
{
    const FontPrefs before = *record;
    click("fontButton");
    click("foregroundColorWell");
    click("backgroundColorWell");
    EXPECT_EQ(dialogs.fontPanelsShown.size(), 1);
    EXPECT_EQ(dialogs.colorPanelsShown.size(), 2);
    EXPECT_EQ(record->toDict(), before.toDict());
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(FontPrefsViewTest, ThePanelOpensOnTheSettingsOwnFaceSoASizeChangeKeepsItsStyle)
{
    struct Case
    {
        const char *name; // a family of the desktop, or one it lacks (the desktop's own font is drawn)
        double size;
        bool bold;
        bool italic;
    };
    const Case cases[] = {
        {"Helvetica Neue Condensed", 10.4, true, false},
        {"DejaVu Serif", 12, false, false},
        {"DejaVu Serif", 12, false, true},
        {"DejaVu Sans", 9, true, true},
        {"", 14, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        record->setName(QString::fromLatin1(c.name));
        record->setSize(c.size);
        record->setBold(c.bold);
        record->setItalic(c.italic);
        view.refresh();
        dialogs.fontPanelAnswers = {std::nullopt};
        dialogs.fontPanelsShown.clear();
        click("fontButton");
        ASSERT_EQ(dialogs.fontPanelsShown.size(), 1);
        const QFont start = dialogs.fontPanelsShown.first();
        // The family the button names, which the panel lists, in the setting's size and style.
        EXPECT_TRUE(fontButtonText().startsWith(start.family() + u' ')) << start.family().toStdString();
        EXPECT_EQ(start.pointSizeF(), c.size);
        EXPECT_EQ(start.bold(), c.bold);
        EXPECT_EQ(start.italic(), c.italic);
        // The real panel shows that face, so choosing only another size keeps it (where the family has one).
        QFontDialog panel(start);
        const QFont shown = panel.currentFont();
        EXPECT_EQ(shown.family(), start.family());
        EXPECT_EQ(shown.pointSizeF(), std::round(c.size)) << "the panel offers whole sizes";
        const QStringList faces = QFontDatabase::styles(start.family());
        const bool hasFace = std::any_of(faces.begin(), faces.end(), [&](const QString &face) {
            return QFontDatabase::bold(start.family(), face) == c.bold &&
                   QFontDatabase::italic(start.family(), face) == c.italic;
        });
        if (hasFace) {
            EXPECT_EQ(QFontInfo(shown).bold(), c.bold);
            EXPECT_EQ(QFontInfo(shown).italic(), c.italic);
        }
    }
}
