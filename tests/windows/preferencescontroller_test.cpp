#include "preferencescontroller.h"

#include "chords.h"
#include "fontprefs.h"
#include "fontprefsview.h"
#include "instrument.h"
#include "launcheddelegate.h"
#include "logcapture.h"
#include "mainmenus.h"
#include "songviewwidget.h"
#include "windowset.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

namespace {

class PreferencesTest : public LaunchedDelegateTest
{
protected:
    void SetUp() override
    {
        LaunchedDelegateTest::SetUp();
        launchOnFolder();
        Chords *chords = delegate->prefs()->chords();
        ASSERT_NE(chords, nullptr);
        QSignalSpy ready(chords, &Chords::ready);
        if (!chords->isReady()) {
            ASSERT_TRUE(ready.wait(10000));
        }
    }

    void TearDown() override { window.reset(); }

    PreferencesController &open()
    {
        window = std::make_unique<PreferencesController>(dialogs, delegate->window());
        window->show();
        return *window;
    }

    template <typename Widget> Widget *find(const char *name) const
    {
        auto *widget = window->findChild<Widget *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char *name) const { find<QAbstractButton>(name)->click(); }
    // Chooses an item of a pop-up as the user does.
    void choose(const char *name, const QString &item) const
    {
        auto *popup = find<QComboBox>(name);
        const int index = popup->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        popup->setCurrentIndex(index);
        Q_EMIT popup->activated(index);
    }
    Prefs &prefs() const { return *delegate->prefs(); }
    // The settings as stored in the archive.
    static std::unique_ptr<Prefs> stored() { return Prefs::initFromFileSystem(); }
    QString fontFile(const char *name) const { return QDir(elsewhere.path()).filePath(QLatin1String(name)); }

    std::unique_ptr<PreferencesController> window;
};

} // namespace

TEST_F(PreferencesTest, ChordNamingShowsOneSegmentAndDoneStoresOnlyThatOne)
{
    struct Case
    {
        bool latin;
        bool german;
        int segment;
    };
    const Case cases[] = {{false, false, 0}, {true, false, 1}, {false, true, 2}, {true, true, 1}};
    for (const Case &c : cases) {
        prefs().setLatinChords(c.latin);
        prefs().setGermanChords(c.german);
        open();
        auto *segments = window->findChild<QButtonGroup *>();
        ASSERT_NE(segments, nullptr);
        EXPECT_EQ(segments->checkedId(), c.segment);
        click("doneButton");
        EXPECT_EQ(prefs().latinChords(), c.segment == 1);
        EXPECT_EQ(prefs().germanChords(), c.segment == 2);
        EXPECT_EQ(stored()->latinChords(), c.segment == 1);
    }
}

TEST_F(PreferencesTest, DoneWritesEveryCheckBox)
{
    const std::pair<const char *, bool (Prefs::*)() const> boxes[] = {
        {"printChordsButton", &Prefs::printChords},
        {"printOnlyDefinedChordsButton", &Prefs::printOnlyDefinedChords},
        {"printChordsAtTopButton", &Prefs::printChordsAtTop},
        {"printMultipleColumnsButton", &Prefs::printMultiColumns},
        {"printAutoZoom", &Prefs::printAutoZoom},
        {"leftHandedChordsButton", &Prefs::leftHandedChordDisplay},
        {"markBaseInChordsButton", &Prefs::markBaseInChord},
        {"largeChordDiagrams", &Prefs::largeChordDiagrams},
        {"tabSupportButton", &Prefs::supportTabs},
        {"sortIpodStyleButton", &Prefs::sortIPodStyle},
    };
    for (const auto &[name, get] : boxes) {
        const bool before = (prefs().*get)();
        open();
        EXPECT_EQ(find<QCheckBox>(name)->isChecked(), before) << name;
        find<QCheckBox>(name)->setChecked(!before);
        click("cancelButton");
        EXPECT_EQ((prefs().*get)(), before) << name << ": Cancel writes nothing";
        open();
        find<QCheckBox>(name)->setChecked(!before);
        click("doneButton");
        EXPECT_EQ((prefs().*get)(), !before) << name;
        EXPECT_EQ((*stored().*get)(), !before) << name;
    }
}

TEST_F(PreferencesTest, ThePrintSubOptionsFollowIncludingChords)
{
    open();
    for (const bool on : {false, true, false}) {
        find<QCheckBox>("printChordsButton")->setChecked(on);
        EXPECT_EQ(find<QCheckBox>("printOnlyDefinedChordsButton")->isEnabled(), on);
        EXPECT_EQ(find<QComboBox>("numChordsButton")->isEnabled(), on);
    }
    auto *perRow = find<QComboBox>("numChordsButton");
    EXPECT_EQ(perRow->itemText(0), QStringLiteral("4"));
    EXPECT_EQ(perRow->itemText(perRow->count() - 1), QStringLiteral("12"));
    perRow->setCurrentText(QStringLiteral("11"));
    click("doneButton");
    EXPECT_EQ(prefs().numPrintChordsPerRow(), 11);
}

TEST_F(PreferencesTest, MarginsAreSaneNumbersAndAPairOver80BecomesFortyAndForty)
{
    struct Case
    {
        const char *first;
        const char *second;
        double stored[2];
    };
    const Case cases[] = {
        {"50", "35", {40, 40}}, {"45", "35", {45, 35}},  {"abc", "10", {0, 10}},
        {"-10", "20", {0, 20}}, {"inf", "5", {0, 5}},    {"nan", "5", {0, 5}},
        {"2.5", "", {2.5, 0}},  {"-90", "95", {40, 40}}, // 0 and 95: the pair rule sees the sane values
    };
    const std::pair<const char *, const char *> pairs[] = {{"leftMargin", "rightMargin"},
                                                           {"topMargin", "bottomMargin"}};
    for (const auto &[firstField, secondField] : pairs) {
        for (const Case &c : cases) {
            open();
            find<QLineEdit>(firstField)->setText(QLatin1String(c.first));
            find<QLineEdit>(secondField)->setText(QLatin1String(c.second));
            click("doneButton");
            const bool leftRight = firstField == std::string_view("leftMargin");
            const double first = leftRight ? prefs().leftPrintMargin() : prefs().topPrintMargin();
            const double second = leftRight ? prefs().rightPrintMargin() : prefs().bottomPrintMargin();
            EXPECT_EQ(first, c.stored[0]) << firstField << " " << c.first << "/" << c.second;
            EXPECT_EQ(second, c.stored[1]) << secondField << " " << c.first << "/" << c.second;
        }
    }
}

TEST_F(PreferencesTest, TheChorusMarkerActsAtOnceAndStaysAfterCancel)
{
    open();
    choose("chorusPopupButton", QStringLiteral("Indent"));
    EXPECT_EQ(prefs().chorusMarker(), 1);
    click("cancelButton");
    EXPECT_EQ(prefs().chorusMarker(), 1);
    EXPECT_EQ(stored()->chorusMarker(), 1);
    open();
    EXPECT_EQ(find<QComboBox>("chorusPopupButton")->currentText(), QStringLiteral("Indent"));
}

TEST_F(PreferencesTest, ResetThenCancelChangesNothingAndResetThenDoneRestoresOnlyTheFonts)
{
    prefs().textfontprefs()->setSize(30);
    prefs().setLatinChords(true);
    prefs().save();
    const std::shared_ptr<FontPrefs> before = prefs().textfontprefs();
    open();
    click("resetButton");
    click("cancelButton");
    EXPECT_EQ(prefs().textfontprefs(), before);
    EXPECT_EQ(prefs().textfontprefs()->size(), 30);

    open();
    find<QCheckBox>("printAutoZoom")->setChecked(!prefs().printAutoZoom()); // dropped by the reset
    const bool autoZoom = prefs().printAutoZoom();
    click("resetButton");
    EXPECT_EQ(find<QCheckBox>("printAutoZoom")->isChecked(), autoZoom);
    EXPECT_EQ(window->findChild<FontPrefsView *>()->fontPrefs(), window->localprefs().textfontprefs());
    EXPECT_EQ(window->songView().songView().prefs(), &window->localprefs());
    click("doneButton");
    EXPECT_EQ(prefs().textfontprefs()->toDict(), FontPrefs().toDict());
    EXPECT_TRUE(prefs().latinChords());
    EXPECT_EQ(prefs().printAutoZoom(), autoZoom);
    EXPECT_EQ(stored()->textfontprefs()->size(), FontPrefs().size());
}

TEST_F(PreferencesTest, DoneHandsOverTheEditedFontsRefreshesThePanesAndTheyOutliveTheWindow)
{
    open();
    QFont larger(QStringLiteral("DejaVu Serif"), 25);
    dialogs.fontPanelAnswers = {larger};
    click("fontButton");
    EXPECT_EQ(prefs().textfontprefs()->size(), stored()->textfontprefs()->size()) << "not before Done";
    calls.calls.clear();
    click("doneButton");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(calls.calls.contains(QStringLiteral("songList.refresh"))) << calls.calls.join(u',').toStdString();
    window.reset();
    EXPECT_EQ(prefs().textfontprefs()->name(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(prefs().textfontprefs()->size(), 25);
    EXPECT_EQ(stored()->textfontprefs()->size(), 25);
}

TEST_F(PreferencesTest, TheFontTabsShareOneEditorOnTheirOwnRecords)
{
    open();
    auto *tabs = find<QTabWidget>("layoutTabView");
    auto *editor = window->findChild<FontPrefsView *>();
    const Prefs &local = window->localprefs();
    const std::shared_ptr<FontPrefs> records[] = {local.textfontprefs(), local.chordfontprefs(), local.tabfontprefs(),
                                                  local.commentfontprefs(), local.highlightfontprefs()};
    ASSERT_EQ(tabs->count(), 5);
    for (int index = 0; index < 5; ++index) {
        tabs->setCurrentIndex(index);
        EXPECT_EQ(editor->fontPrefs(), records[index]) << index;
        EXPECT_EQ(editor->parentWidget(), tabs->currentWidget()) << index;
        EXPECT_NE(records[index], prefs().textfontprefs()) << "a record of the window's own";
    }
}

TEST_F(PreferencesTest, TheUserListHoldsTheCurrentSongsUsersRepeatsIncluded)
{
    prefs().setCurrentUser(QStringLiteral("Carla"));
    open();
    EXPECT_EQ(find<QComboBox>("userComboBox")->count(), 0) << "no current song";
    EXPECT_EQ(find<QComboBox>("userComboBox")->currentText(), QStringLiteral("Carla"));

    delegate->setCurrentSong(
        writeSong(QStringLiteral("Rock/users.pro"), QStringLiteral("{c-Anna: in}\n{comment-Ben: a}\n{c-Ben: b}\nla")));
    open();
    auto *users = find<QComboBox>("userComboBox");
    QStringList listed;
    for (int index = 0; index < users->count(); ++index)
        listed.append(users->itemText(index));
    EXPECT_EQ(listed, (QStringList{"Anna", "Ben", "Ben"}));
    users->setEditText(QString());
    click("doneButton");
    EXPECT_EQ(prefs().currentUser(), std::optional<QString>(QString())) << "an empty name, not none";
}

TEST_F(PreferencesTest, AFontSettingsFileDroppedIsImportedAndReachesTheApplicationOnDone)
{
    Prefs source;
    source.textfontprefs()->setName(QStringLiteral("DejaVu Sans Mono"));
    source.textfontprefs()->setSize(21);
    ASSERT_TRUE(source.exportFontPrefs(fontFile("fonts.vellorinfontsettings")));
    const QString song = outside(QStringLiteral("song.pro"));
    const QString fonts = fontFile("fonts.vellorinfontsettings");
    const std::pair<QStringList, bool> drops[] = {
        {{song, fonts}, false},
        {{fonts, song}, true},
        {{fonts}, true},
        {{}, false},
        {{fontFile("fonts.VellorinFontSettings")}, false},
        {{fontFile("fonts.vellorinfontsettings.txt")}, false},
    };
    for (const auto &[paths, accepted] : drops)
        EXPECT_EQ(PreferencesController::acceptsDrop(paths), accepted) << paths.join(u',').toStdString();

    open();
    EXPECT_FALSE(window->performDrop({song}));
    EXPECT_TRUE(window->performDrop({fonts}));
    EXPECT_EQ(find<QTabWidget>("tabView")->currentIndex(), 1);
    EXPECT_EQ(find<QTabWidget>("tabView")->tabText(1), QStringLiteral("Layout"));
    EXPECT_EQ(window->localprefs().textfontprefs()->size(), 21);
    EXPECT_EQ(window->findChild<FontPrefsView *>()->fontPrefs(), window->localprefs().textfontprefs());
    EXPECT_NE(prefs().textfontprefs()->size(), 21) << "not before Done";
    click("doneButton");
    EXPECT_EQ(prefs().textfontprefs()->name(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(prefs().textfontprefs()->size(), 21);
}

TEST_F(PreferencesTest, AnUnreadableFontSettingsFileLeavesTheFonts)
{
    const QString broken = outside(QStringLiteral("broken.vellorinfontsettings"), "{not json");
    open();
    const QJsonObject before = window->localprefs().textfontprefs()->toDict();
    LogCapture log;
    EXPECT_TRUE(window->performDrop({broken}));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error reading font prefs json: ")))
        << log.lines().join(u'\n').toStdString();
    EXPECT_EQ(window->localprefs().textfontprefs()->toDict(), before);
}

TEST_F(PreferencesTest, ExportWritesTheFontsAsEditedBeforeDone)
{
    open();
    dialogs.fontPanelAnswers = {QFont(QStringLiteral("DejaVu Serif"), 19)};
    click("fontButton");
    const QString target = fontFile("mine.vellorinfontsettings");
    dialogs.savePanelAnswers = {target};
    click("exportButton");
    ASSERT_EQ(dialogs.savePanelsShown.size(), 1);
    const Dialogs::SavePanel &panel = dialogs.savePanelsShown.first();
    EXPECT_EQ(panel.fileName, QStringLiteral("Vellorin"));
    EXPECT_EQ(panel.allowedTypes, QStringList{"vellorinfontsettings"});
    EXPECT_EQ(panel.directory, QDir::homePath()) << "no Desktop folder in the test's home";
    Prefs read;
    ASSERT_TRUE(read.importFontPrefs(target));
    EXPECT_EQ(read.textfontprefs()->name(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(read.textfontprefs()->size(), 19);

    ASSERT_TRUE(QDir::home().mkpath(QStringLiteral("Desktop")));
    click("exportButton");
    EXPECT_EQ(dialogs.savePanelsShown.last().directory, QDir::home().filePath(QStringLiteral("Desktop")));
}

TEST_F(PreferencesTest, TheInstrumentActsAtOnceAndTheTuningButtonFollows)
{
    open();
    auto *tuning = find<QPushButton>("tuningButton");
    EXPECT_EQ(tuning->text(), QStringLiteral("E A D G B E"));
    EXPECT_FALSE(tuning->isHidden());
    choose("instrumentsPopupButton", QStringLiteral("Piano"));
    EXPECT_EQ(prefs().currentInstrument()->title(), QStringLiteral("Piano"));
    EXPECT_TRUE(tuning->isHidden());
    EXPECT_EQ(stored()->currentInstrumentTitle(), QStringLiteral("Piano"));
    choose("instrumentsPopupButton", QStringLiteral("Ukulele (D tuning)"));
    EXPECT_EQ(stored()->currentInstrumentTitle(), QStringLiteral("Ukulele_D")) << "the name shown, the title stored";
    EXPECT_EQ(tuning->text(), QStringLiteral("A D F# B"));
    choose("instrumentsPopupButton", QStringLiteral("Guitar"));
    EXPECT_FALSE(tuning->isHidden());

    Chords *chords = prefs().chords();
    QSignalSpy ready(chords, &Chords::ready);
    if (!chords->isReady()) {
        ASSERT_TRUE(ready.wait(10000));
    }
    dialogs.textAnswers = {{Dialogs::Answer::Default, QStringLiteral("D A D G B E")}};
    click("tuningButton");
    EXPECT_EQ(tuning->text(), QStringLiteral("D A D G B E"));
    click("cancelButton");
    EXPECT_EQ(prefs().currentInstrument()->tuningDescription(), QStringLiteral("D A D G B E")) << "at once";
}

TEST_F(PreferencesTest, ThePreviewShowsTheSampleSongInTheEditedFonts)
{
    open();
    window->resize(700, 600);
    QApplication::processEvents();
    SongViewWidget &preview = window->songView();
    EXPECT_TRUE(window->samplesong()->isSampleSong());
    const float before = preview.songView().heightOfSong();
    EXPECT_GT(before, 0);
    dialogs.fontPanelAnswers = {QFont(QStringLiteral("DejaVu Sans"), 40)};
    click("fontButton");
    EXPECT_GT(preview.songView().heightOfSong(), before);

    const QImage image = preview.grab().toImage();
    ASSERT_FALSE(image.isNull());
    const QRgb corner = image.pixel(0, 0);
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y)
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = image.pixel(x, y) != corner;
    EXPECT_TRUE(drawn);
}
TEST_F(PreferencesTest, ThePreferencesCommandOpensANewWindowAndTheOldOneEndsAsCancelWould)
{
    WindowSet windows(dialogs);
    delegate->setToolWindows(&windows);
    QAction *command = delegate->menus()->action(QStringLiteral("actShowPreferences"));
    ASSERT_NE(command, nullptr);
    command->trigger();
    QPointer<PreferencesController> first = windows.preferencesController();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->parentWidget(), delegate->window());
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());

    const double left = prefs().leftPrintMargin();
    first->findChild<QLineEdit *>(QStringLiteral("leftMargin"))->setText(QStringLiteral("33"));
    command->trigger();
    EXPECT_EQ(first, nullptr) << "the old window is gone";
    ASSERT_NE(windows.preferencesController(), nullptr);
    EXPECT_TRUE(windows.preferencesController()->isVisible());
    EXPECT_EQ(prefs().leftPrintMargin(), left) << "nothing written";
    delegate->setToolWindows(nullptr);
}
