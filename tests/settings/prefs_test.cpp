// The settings object: its archive, defaults and damaged files, the template, the song folder and font settings files.
#include "prefs.h"
#include "prefsarchive.h"
#include "printers.h"
#include "systemlook.h"

#include "failingwrites.h"
#include "fakeappcontext.h"
#include "logcapture.h"
#include "paths.h"
#include "testfiles.h"
#include "textfile.h"
#include "vellorinwindowlayout.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Every test starts with an empty support folder; the test process has a home folder of its own.
class PrefsTest : public ::testing::Test
{
protected:
    void SetUp() override { QDir(Paths::supportDirectory()).removeRecursively(); }

    static QString supportFile(const QString &name) { return QDir(Prefs::appDirectory()).filePath(name); }
    static QString prefsPath() { return supportFile(QStringLiteral("prefs.json")); }
    static void writePrefsFile(const QByteArray &bytes) { ASSERT_TRUE(TextFile::writeBytes(prefsPath(), bytes)); }
};

struct Field
{
    const char *key;
    std::function<void(Prefs &)> set;
    std::function<bool(const Prefs &)> holds;
};

// A value that differs from the default, set through the setter and checked through the getter.
// clang-format off
#define FIELD(key, getter, setter, value) \
    {key, [](Prefs &p) { p.setter(value); }, [](const Prefs &p) { return p.getter() == (value); }}
#define FONT_FIELD(key, getter, points) \
    {key, [](Prefs &p) { p.getter()->setSize(points); }, [](const Prefs &p) { return p.getter()->size() == (points); }}
// clang-format on

std::shared_ptr<VellorinWindowLayout> stageLayout()
{
    auto layout = std::make_shared<VellorinWindowLayout>();
    layout->setSonglistcol0(0.5);
    layout->setMiddlePanePercentage(0.75);
    return layout;
}

const QString kSome = QStringLiteral("some");

const Field kFields[] = {
    FIELD("songDirectoryURL", songDirectoryPath, setSongDirectoryPath, QStringLiteral("/srv/songs")),
    FONT_FIELD("textfontprefs", textfontprefs, 21.0),
    FONT_FIELD("chordfontprefs", chordfontprefs, 22.0),
    FONT_FIELD("tabfontprefs", tabfontprefs, 23.0),
    FONT_FIELD("commentfontprefs", commentfontprefs, 24.0),
    FONT_FIELD("highlightfontprefs", highlightfontprefs, 25.0),
    FIELD("zoomScale", zoomScale, setZoomScale, 1.25f),
    FIELD("currentInstrumentTitle", currentInstrumentTitle, setCurrentInstrumentTitle, QStringLiteral("Ukulele")),
    FIELD("lastInternetSearch", lastInternetSearch, setLastInternetSearch, QStringLiteral("wonderwall")),
    FIELD("autozoom", autozoom, setAutozoom, true),
    FIELD("clickableChords", clickableChords, setClickableChords, false),
    FIELD("showTitleSubtitle", showTitleSubtitle, setShowTitleSubtitle, false),
    FIELD("invertSongChords", invertSongChords, setInvertSongChords, false),
    FIELD("leftHandedChordDisplay", leftHandedChordDisplay, setLeftHandedChordDisplay, true),
    FIELD("latinChords", latinChords, setLatinChords, true),
    FIELD("germanChords", germanChords, setGermanChords, true),
    FIELD("markBaseInChord", markBaseInChord, setMarkBaseInChord, true),
    FIELD("showChordDiagrams", showChordDiagrams, setShowChordDiagrams, true),
    FIELD("largeChordDiagrams", largeChordDiagrams, setLargeChordDiagrams, true),
    FIELD("hideSongListTabbar", hideSongListTabbar, setHideSongListTabbar, false),
    FIELD("tempo", tempo, setTempo, 42.5f),
    FIELD("searchProvider", searchProvider, setSearchProvider, 3),
    FIELD("metronomeTempo", metronomeTempo, setMetronomeTempo, 96.0f),
    FIELD("metronomeTick", metronomeTick, setMetronomeTick, false),
    FIELD("metronomeFlash", metronomeFlash, setMetronomeFlash, true),
    FIELD("metronomeCountIn", metronomeCountIn, setMetronomeCountIn, true),
    FIELD("metronomeColor", metronomeColor, setMetronomeColor, QColor(10, 20, 30, 40)),
    FIELD("searchURLHistory", searchURLHistory, setSearchURLHistory, QStringList({"a", "b"})),
    FIELD("sortIgnoreAThe", sortIPodStyle, setSortIPodStyle, true),
    FIELD("sortPlaylistsByDate", sortPlaylistsByDate, setSortPlaylistsByDate, true),
    FIELD("sortbysubtitle", sortbysubtitle, setSortbysubtitle, true),
    FIELD("sortbykey", sortbykey, setSortbykey, true),
    FIELD("editWithFixedFont", editWithFixedFont, setEditWithFixedFont, true),
    FIELD("allowAutoCorrectInEditor", allowAutoCorrectInEditor, setAllowAutoCorrectInEditor, true),
    FIELD("showSongList", showSongList, setShowSongList, false),
    FIELD("showSongView", showSongView, setShowSongView, false),
    FIELD("showTimeColumn", showTimeColumn, setShowTimeColumn, true),
    FIELD("showSongEdit", showSongEdit, setShowSongEdit, false),
    FIELD("currentCategory", currentCategory, setCurrentCategory, std::optional<QString>(QString())),
    FIELD("currentTag", currentTag, setCurrentTag, std::optional(kSome)),
    FIELD("currentSong", currentSong, setCurrentSong, std::optional(QStringLiteral("Song - Artist"))),
    FIELD("currentPlaylist", currentPlaylist, setCurrentPlaylist, std::optional(QStringLiteral("Friday"))),
    FIELD("printChords", printChords, setPrintChords, false),
    FIELD("printMultiColumns", printMultiColumns, setPrintMultiColumns, false),
    FIELD("printAutoZoom", printAutoZoom, setPrintAutoZoom, true),
    FIELD("printOnlyDefinedChords", printOnlyDefinedChords, setPrintOnlyDefinedChords, true),
    FIELD("inlinechords", inlinechords, setInlinechords, true),
    FIELD("zoomScaleSecondary", zoomScaleSecondary, setZoomScaleSecondary, 2.0f),
    FIELD("autozoomSecondary", autozoomSecondary, setAutozoomSecondary, true),
    FIELD("chorusMarker", chorusMarker, setChorusMarker, 2),
    FIELD("leftPrintMargin", leftPrintMargin, setLeftPrintMargin, 7.5),
    FIELD("rightPrintMargin", rightPrintMargin, setRightPrintMargin, 3.5),
    FIELD("topPrintMargin", topPrintMargin, setTopPrintMargin, 4.5),
    FIELD("bottomPrintMargin", bottomPrintMargin, setBottomPrintMargin, 5.5),
    FIELD("showSongChords", showSongChords, setShowSongChords, true),
    FIELD("songChordsAtRight", songChordsAtRight, setSongChordsAtRight, true),
    FIELD("ignoreUpdates", ignoreUpdates, setIgnoreUpdates, true),
    FIELD("sortbydate", sortbydate, setSortbydate, true),
    FIELD("sortbytime", sortbytime, setSortbytime, true),
    FIELD("leftAlignTitle", leftAlignTitle, setLeftAlignTitle, true),
    FIELD("numPrintChordsPerRow", numPrintChordsPerRow, setNumPrintChordsPerRow, 12),
    FIELD("printChordsAtTop", printChordsAtTop, setPrintChordsAtTop, true),
    FIELD("supportTabs", supportTabs, setSupportTabs, false),
    FIELD("supportPDF", supportPDF, setSupportPDF, false),
    FIELD("searchPDFs", searchPDFs, setSearchPDFs, true),
    FIELD("currentUser", currentUser, setCurrentUser, std::optional(QStringLiteral("Lead"))),
    FIELD("centerNarrowSongs", centerNarrowSongs, setCenterNarrowSongs, false),
    FIELD("startMusicWithAutoScroll", startMusicWithAutoScroll, setStartMusicWithAutoScroll, true),
    {"layout", [](Prefs &p) { p.setLayout(stageLayout()); },
     [](const Prefs &p) { return p.layout() && p.layout()->middlePanePercentage() == 0.75; }},
    FIELD("syncViewWithEditor", syncViewWithEditor, setSyncViewWithEditor, true),
    FIELD("midi", midi, setMidi, true),
};

} // namespace

TEST_F(PrefsTest, EverySettingSurvivesTheArchive)
{
    ASSERT_EQ(std::size(kFields), 71u);
    Prefs original;
    for (const Field &field : kFields)
        field.set(original);
    ASSERT_TRUE(original.save());

    const QJsonObject archive = QJsonDocument::fromJson(TestFiles::read(prefsPath())).object();
    const QJsonObject defaults = PrefsArchive::encode(Prefs());
    EXPECT_EQ(archive.size(), 71);
    const auto back = Prefs::initFromFileSystem();
    const Prefs fresh;
    for (const Field &field : kFields) {
        EXPECT_NE(archive.value(QLatin1String(field.key)), defaults.value(QLatin1String(field.key))) << field.key;
        EXPECT_FALSE(field.holds(fresh)) << field.key << " is set to its default in the table";
        EXPECT_TRUE(field.holds(*back)) << field.key;
    }
}

TEST(Prefs, ACopyHoldsEverySettingAndOwnsItsFontRecords)
{
    Prefs live;
    for (const Field &field : kFields)
        field.set(live);
    live.setShowlyricsonly(true); // never stored, yet a print job must see it
    live.textfontprefs()->setItalic(true);
    live.textfontprefs()->setColor(Qt::white);

    const std::unique_ptr<Prefs> copy = live.copy();
    for (const Field &field : kFields)
        EXPECT_TRUE(field.holds(*copy)) << field.key;
    EXPECT_TRUE(copy->showlyricsonly());
    EXPECT_TRUE(copy->textfontprefs()->italic());
    EXPECT_NE(copy->textfontprefs(), live.textfontprefs());

    copy->adjustColorsForPrinting();
    EXPECT_EQ(copy->textfontprefs()->color(), QColor(Qt::black));
    EXPECT_EQ(live.textfontprefs()->color(), QColor(Qt::white)) << "the live settings keep their colours";
}

TEST_F(PrefsTest, DefaultsWithoutAFile)
{
    LogCapture log;
    const auto prefs = Prefs::initFromFileSystem();
    EXPECT_EQ(prefs->songDirectoryPath(), QDir(Paths::documentsDirectory()).filePath(QStringLiteral("Vellorin")));
    EXPECT_EQ(prefs->currentInstrumentTitle(), QStringLiteral("Guitar"));
    EXPECT_EQ(prefs->zoomScale(), 1.0f);
    EXPECT_EQ(prefs->numPrintChordsPerRow(), 8);
    EXPECT_EQ(prefs->leftPrintMargin(), 5.0);
    EXPECT_EQ(prefs->metronomeColor(), QColor::fromRgbF(1.0f, 91 / 255.0f, 0.0f, 0.6f));
    EXPECT_FALSE(prefs->currentCategory().has_value());
    EXPECT_EQ(prefs->layout(), nullptr);
    EXPECT_EQ(prefs->audioSpeedPercent(), 100.0);

    const FontPrefs &chord = *prefs->chordfontprefs();
    EXPECT_TRUE(chord.bold());
    EXPECT_EQ(chord.size(), 0.8 * SystemLook::systemFontSize());
    EXPECT_EQ(chord.name(), SystemLook::chordFontFamily());
    EXPECT_TRUE(prefs->tabfontprefs()->fixed());
    EXPECT_EQ(prefs->highlightfontprefs()->backgroundColor().alphaF(), 0.6f);

    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_FALSE(QFile::exists(prefsPath())) << "loading writes no archive";
}

TEST_F(PrefsTest, NilRules)
{
    Prefs prefs;
    prefs.setCurrentSong(std::nullopt);
    const QJsonObject archive = PrefsArchive::encode(prefs);
    EXPECT_FALSE(archive.contains("currentCategory"));
    EXPECT_FALSE(archive.contains("currentTag"));
    EXPECT_FALSE(archive.contains("currentUser"));
    EXPECT_TRUE(archive.value("currentSong").isNull());
    EXPECT_TRUE(archive.value("currentPlaylist").isNull());
    EXPECT_TRUE(archive.value("layout").isNull());

    // A stored null clears a value; an empty category (songs outside any category) is not none.
    Prefs withValues;
    withValues.setCurrentSong(QStringLiteral("Song"));
    withValues.setLayout(stageLayout());
    QJsonObject edited = PrefsArchive::encode(withValues);
    edited.insert("currentSong", QJsonValue::Null);
    edited.insert("layout", QJsonValue::Null);
    edited.insert("currentCategory", "");
    const auto back = PrefsArchive::decode(edited);
    EXPECT_FALSE(back->currentSong().has_value());
    EXPECT_EQ(back->layout(), nullptr);
    EXPECT_EQ(back->currentCategory(), QString(""));
}

TEST_F(PrefsTest, ArchiveReading)
{
    struct Case
    {
        const char *what;
        const char *json;
        QString songDirectory;
        qint64 chordsPerRow;
    };
    const QString fallback = Prefs::defaultSongDirectory();
    const Case cases[] = {
        {"legacy key", R"({"songDirectory": "/tmp/songs"})", "/tmp/songs", 8},
        {"URL key wins", R"({"songDirectory": "/tmp/old", "songDirectoryURL": "/tmp/new"})", "/tmp/new", 8},
        {"3 per row is too few", R"({"numPrintChordsPerRow": 3})", fallback, 8},
        {"13 per row is too many", R"({"numPrintChordsPerRow": 13})", fallback, 8},
        {"4 per row", R"({"numPrintChordsPerRow": 4})", fallback, 4},
        {"12 per row", R"({"numPrintChordsPerRow": 12})", fallback, 12},
        {"values of the wrong kind keep their defaults", R"({"numPrintChordsPerRow": "6", "songDirectoryURL": 5})",
         fallback, 8},
    };
    for (const Case &c : cases) {
        const auto prefs = PrefsArchive::decode(QJsonDocument::fromJson(c.json).object());
        EXPECT_EQ(prefs->songDirectoryPath(), c.songDirectory) << c.what;
        EXPECT_EQ(prefs->numPrintChordsPerRow(), c.chordsPerRow) << c.what;
    }

    // Doubles are archived at single precision.
    Prefs prefs;
    prefs.setTopPrintMargin(0.1);
    EXPECT_EQ(PrefsArchive::decode(PrefsArchive::encode(prefs))->topPrintMargin(), double(0.1f));
}

TEST_F(PrefsTest, UnreadableArchiveIsSetAsideNotOverwritten)
{
    for (const QByteArray &damaged : {QByteArray("{\"zoomScale\": 2"), QByteArray("[1, 2]"), QByteArray()}) {
        writePrefsFile(damaged);
        LogCapture log;
        const auto prefs = Prefs::initFromFileSystem();
        EXPECT_EQ(prefs->zoomScale(), 1.0f);
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error reading %1: ").arg(prefsPath()))) << damaged.data();
        EXPECT_FALSE(QFile::exists(prefsPath()));
        EXPECT_EQ(TestFiles::read(prefsPath() + QStringLiteral(".bad")), damaged);

        ASSERT_TRUE(prefs->save());
        EXPECT_EQ(TestFiles::read(prefsPath() + QStringLiteral(".bad")), damaged) << "saving keeps the damaged file";
    }
}

TEST_F(PrefsTest, FailedSaveIsReported)
{
    ASSERT_TRUE(QDir().mkpath(prefsPath())); // a folder where the file should go
    LogCapture log;
    EXPECT_FALSE(Prefs().save());
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing %1: ").arg(prefsPath())));
}

// Every settings writer: the settings archive, an exported font settings file and a window layout file.
TEST_F(PrefsTest, AFullDiskKeepsEverySettingsFile)
{
    Prefs prefs;
    VellorinWindowLayout layout;
    layout.setSonglistcol0(0.5);
    layout.setLeftPanePercentage(0.3);
    const QString fontsPath = QDir::home().filePath(QStringLiteral("Stage.vellorinfontsettings"));
    const QString layoutPath = QDir::home().filePath(QStringLiteral("Stage.vellorinlayout"));
    const struct
    {
        QString path;
        std::function<bool()> write;
        QString logged;
    } writers[] = {
        {prefsPath(), [&] { return prefs.save(); }, QStringLiteral("Error writing %1: ").arg(prefsPath())},
        {fontsPath, [&] { return prefs.exportFontPrefs(fontsPath); },
         QStringLiteral("Error writing font prefs JSON: ")},
        {layoutPath, [&] { return layout.save(layoutPath); }, QStringLiteral("Error writing %1: ").arg(layoutPath)},
    };
    for (const auto &writer : writers) {
        ASSERT_TRUE(writer.write()) << writer.path.toStdString();
        const QByteArray old = TestFiles::read(writer.path);
        prefs.setZoomScale(prefs.zoomScale() + 1);
        prefs.textfontprefs()->setSize(prefs.textfontprefs()->size() + 1);
        layout.setSonglistcol0(layout.songlistcol0() / 2);
        for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
            const FailingWrites failing(step);
            LogCapture log;
            EXPECT_FALSE(writer.write()) << writer.path.toStdString() << int(step);
            EXPECT_EQ(TestFiles::read(writer.path), old) << int(step);
            EXPECT_TRUE(log.hasLineStartingWith(writer.logged)) << int(step);
        }
    }
}

// Settings are saved at every small change: a disk that stays full is told once, not at each of them.
TEST_F(PrefsTest, AFailedSaveIsToldOnceUntilASaveWorks)
{
    FakeAppContext context;
    Prefs prefs;
    {
        const FailingWrites failing(TextFile::WriteStep::Commit);
        EXPECT_FALSE(prefs.save());
        EXPECT_FALSE(prefs.save());
    }
    ASSERT_EQ(context.failedWrites.size(), 1);
    EXPECT_EQ(context.failedWrites.constFirst().first, QStringLiteral("The preferences"));
    EXPECT_TRUE(context.failedWrites.constFirst().second.startsWith(QStringLiteral("commit failed")));
    EXPECT_TRUE(prefs.save());
    const FailingWrites failing(TextFile::WriteStep::Open);
    EXPECT_FALSE(prefs.save());
    EXPECT_EQ(context.failedWrites.size(), 2);
}

TEST_F(PrefsTest, TemplateIsCopiedOnce)
{
    Prefs::initFromFileSystem();
    QFile resource(QStringLiteral(":/Template.pro"));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    EXPECT_EQ(TestFiles::read(Prefs::songTemplatePath()), resource.readAll());

    const QByteArray users = "{title: My own template}\n";
    ASSERT_TRUE(TextFile::writeBytes(Prefs::songTemplatePath(), users));
    Prefs::initFromFileSystem();
    EXPECT_EQ(TestFiles::read(Prefs::songTemplatePath()), users);
}

TEST_F(PrefsTest, DefaultSongDirectoryPrefersDropbox)
{
    const QString dropbox = QDir(Paths::homeDirectory()).filePath(QStringLiteral("Dropbox/Vellorin"));
    ASSERT_TRUE(QDir().mkpath(dropbox));
    EXPECT_EQ(Prefs::defaultSongDirectory(), dropbox);
    ASSERT_TRUE(QDir(dropbox).removeRecursively());
    EXPECT_EQ(Prefs::defaultSongDirectory(), QDir(Paths::documentsDirectory()).filePath(QStringLiteral("Vellorin")));
}

TEST_F(PrefsTest, SharedSongDirectory)
{
    EXPECT_TRUE(Prefs::songDirectory().isEmpty());
    FakeAppContext context;
    Prefs prefs;
    prefs.setSongDirectoryPath(QStringLiteral("/srv/songs"));
    context.prefsObject = &prefs;
    EXPECT_EQ(Prefs::songDirectory(), QStringLiteral("/srv/songs"));
}

TEST(Prefs, WhiteOrTransparent)
{
    const std::pair<QColor, bool> cases[] = {
        {QColor(), true},
        {QColor::fromRgbF(0, 0, 0, 0.01f), true},
        {QColor::fromRgbF(0, 0, 0, 0.02f), false},
        {QColor::fromRgbF(0.99f, 0.99f, 0.99f), true},
        {QColor::fromRgbF(1, 1, 0.98f), false},
        {QColor::fromHsvF(0, 0, 1), true},
    };
    for (const auto &[color, expected] : cases)
        EXPECT_EQ(Prefs::isColorWhiteOrTransparent(color), expected) << ::testing::PrintToString(color);
}

TEST(Prefs, PrintColours)
{
    Prefs prefs;
    const QColor white(Qt::white);
    const QColor dark(20, 20, 20);
    prefs.textfontprefs()->setColor(white);
    prefs.textfontprefs()->setBackgroundColor(dark);
    prefs.chordfontprefs()->setColor(white);
    prefs.chordfontprefs()->setBackgroundColor(dark);
    prefs.tabfontprefs()->setColor(white); // on the clear background
    prefs.highlightfontprefs()->setColor(white);
    prefs.adjustColorsForPrinting();
    EXPECT_EQ(prefs.textfontprefs()->color(), QColor(Qt::black)) << "text is black whatever its background";
    EXPECT_EQ(prefs.chordfontprefs()->color(), white) << "white on dark still shows";
    EXPECT_EQ(prefs.tabfontprefs()->color(), QColor(Qt::black));
    EXPECT_EQ(prefs.highlightfontprefs()->color(), white);
}

TEST(Prefs, CopyLayoutSharesTheRecords)
{
    Prefs shared;
    Prefs preview;
    preview.chordfontprefs()->setSize(30);
    shared.copyLayoutFromPrefs(preview);
    EXPECT_EQ(shared.chordfontprefs(), preview.chordfontprefs());
    EXPECT_EQ(shared.highlightfontprefs(), preview.highlightfontprefs());
    EXPECT_EQ(shared.chordfontprefs()->size(), 30.0);
}

TEST_F(PrefsTest, FontSettingsFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stage.vellorinfontsettings"));
    Prefs edited;
    edited.textfontprefs()->setColor(QColor(255, 0, 0));
    edited.textfontprefs()->setItalic(true);
    edited.chordfontprefs()->setSize(18);
    ASSERT_TRUE(edited.exportFontPrefs(path));

    const QByteArray bytes = TestFiles::read(path);
    EXPECT_FALSE(bytes.contains('\n')) << "written compact";
    const QJsonObject file = QJsonDocument::fromJson(bytes).object();
    EXPECT_EQ(file.keys(), QStringList({"chord", "comment", "highlight", "tab", "text"}));
    EXPECT_EQ(file.value("text").toObject().value("color").toString(), QStringLiteral("#ff0000"));
    EXPECT_EQ(file.value("text").toObject().value("backgroundColor").toString(), QStringLiteral("#00000000"));

    Prefs other;
    ASSERT_TRUE(other.importFontPrefs(path));
    EXPECT_EQ(other.textfontprefs()->toDict(), edited.textfontprefs()->toDict());
    EXPECT_EQ(other.chordfontprefs()->size(), 18.0);
    EXPECT_TRUE(other.textfontprefs()->italic());

    // Only the records the file names change.
    const QString chordOnly = dir.filePath(QStringLiteral("chord.vellorinfontsettings"));
    ASSERT_TRUE(TextFile::write(chordOnly, QStringLiteral(R"({"chord": {"size": 30, "color": "#00ff00"}})")));
    Prefs partial;
    const QJsonObject textBefore = partial.textfontprefs()->toDict();
    ASSERT_TRUE(partial.importFontPrefs(chordOnly));
    EXPECT_EQ(partial.chordfontprefs()->size(), 30.0);
    EXPECT_EQ(partial.chordfontprefs()->color(), QColor(0, 255, 0));
    EXPECT_EQ(partial.textfontprefs()->toDict(), textBefore);
}

TEST_F(PrefsTest, FontSettingsFileFailures)
{
    QTemporaryDir dir;
    const QString notJson = dir.filePath(QStringLiteral("song.pro"));
    ASSERT_TRUE(TextFile::write(notJson, QStringLiteral("{title: x}")));
    struct Case
    {
        QString path;
        const char *logged;
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("missing.vellorinfontsettings")), "Error loading fonts prefs: "},
        {notJson, "Error reading font prefs json: "},
    };
    for (const Case &c : cases) {
        Prefs prefs;
        const QJsonObject before = prefs.chordfontprefs()->toDict();
        LogCapture log;
        EXPECT_FALSE(prefs.importFontPrefs(c.path)) << c.logged;
        EXPECT_TRUE(log.hasLineStartingWith(QLatin1String(c.logged))) << c.logged;
        EXPECT_EQ(prefs.chordfontprefs()->toDict(), before) << c.logged;
    }

    LogCapture log;
    EXPECT_FALSE(Prefs().exportFontPrefs(dir.filePath(QStringLiteral("no/such/folder/x.vellorinfontsettings"))));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing font prefs JSON: ")));
}
