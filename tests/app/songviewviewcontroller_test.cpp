// The song pane: what a refresh takes from the song and the settings, the capo rule, the toolbars, zoom and chord
// clicks, watched through a recording song display.
#include "songviewviewcontroller.h"

#include "chorddatabasefixture.h"
#include "chords.h"
#include "fakeappcontext.h"
#include "instruments.h"
#include "logcapture.h"
#include "paths.h"
#include "pdfsong.h"
#include "pdfsongviewwidget.h"
#include "prefs.h"
#include "recordingsongdisplay.h"
#include "scripteddialogs.h"
#include "songpanetest.h"
#include "testfiles.h"
#include "textfile.h"

#include <QAbstractAnimation>
#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

TEST_F(SongPaneTest, TheCapoResetsTheTranspositionOnlyWhenTheSongOrTheCapoChanges)
{
    const SongPtr capoSong = writeSong(QStringLiteral("capo.pro"), QStringLiteral("{title: Capo}\n{capo: 3}\n[G]la"));
    show(capoSong);
    EXPECT_EQ(display->transpose(), -3);
    EXPECT_EQ(pane->capoButtonTitle(), QStringLiteral("Capo 3"));
    EXPECT_EQ(pane->transposeButtonTitle(), QStringLiteral("E")) << "the key G, three semitones down";

    // The user transposes a song with a capo: the refresh that follows keeps it (it used to go back to -3).
    display->setTranspose(2);
    pane->refresh();
    EXPECT_EQ(display->transpose(), 2);

    ASSERT_TRUE(capoSong->setCapo(1));
    pane->refresh();
    EXPECT_EQ(display->transpose(), -1);

    const SongPtr plain = writeSong(QStringLiteral("plain.pro"), QStringLiteral("{title: Plain}\n[C]la"));
    show(plain);
    EXPECT_EQ(display->transpose(), 0);
    display->setTranspose(4);
    pane->refresh();
    EXPECT_EQ(display->transpose(), 4);
}

TEST_F(SongPaneTest, TheWindowTitleNamesTheSongUnlessTheSongShowsItsTitle)
{
    const SongPtr song =
        writeSong(QStringLiteral("t.pro"), QStringLiteral("{title: Amazing Grace}\n{subtitle: Newton}\nla"));
    struct Case
    {
        bool titleInSong;
        bool withSong;
        const char *expected;
    };
    const Case cases[] = {
        {false, true, "Vellorin - Amazing Grace - Newton"},
        {true, true, "Vellorin"},
        {false, false, "Vellorin"},
    };
    for (const Case &c : cases) {
        prefs->setShowTitleSubtitle(c.titleInSong);
        show(c.withSong ? song : SongPtr());
        EXPECT_EQ(pane->window()->windowTitle(), QString::fromUtf8(c.expected)) << c.expected;
    }
}

TEST_F(SongPaneTest, RefreshTakesTheSongsTimesAndTempos)
{
    const SongPtr timed = writeSong(QStringLiteral("timed.pro"),
                                    QStringLiteral("{title: Timed}\n{time: 3:20}\n{metronome: 96}\n{time: 3/4}\nla"));
    show(timed);
    EXPECT_EQ(pane->playingTime(), 200);
    EXPECT_EQ(pane->tempoMetronome(), 96);
    EXPECT_EQ(pane->metronomeTicksPerBar(), 3);
    EXPECT_FLOAT_EQ(pane->pixPerMs(), timed->pixPerMsForPlayingTime(200, float(display->songHeight)));

    // Without directives: the settings' metronome tempo, and the playing time of the default speed.
    const SongPtr plain = writeSong(QStringLiteral("plain.pro"), QStringLiteral("{title: Plain}\nla"));
    prefs->setMetronomeTempo(132.7f);
    show(plain);
    EXPECT_EQ(pane->tempoMetronome(), 132);
    EXPECT_EQ(pane->metronomeTicksPerBar(), 0);
    EXPECT_EQ(pane->playingTime(), plain->playingTimeForTempo(prefs->tempo(), float(display->songHeight)));
    EXPECT_GT(pane->playingTime(), 0);
}

TEST_F(SongPaneTest, RefreshLaysTheSongOutWithTheSettings)
{
    const SongPtr song = writeSong(QStringLiteral("s.pro"), QStringLiteral("{title: S}\n[C]la"));
    prefs->setShowlyricsonly(true);
    prefs->setZoomScale(1.5f);
    prefs->setAutozoom(true);
    show(song);
    EXPECT_FALSE(display->showChords);
    EXPECT_FLOAT_EQ(display->zoomScale(), 1.5f);
    EXPECT_TRUE(display->lastAutozoom);

    // A resized pane lays the song out again, with the same auto-zoom.
    const int layouts = display->layouts;
    pane->resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_GT(display->layouts, layouts);
    EXPECT_TRUE(display->lastAutozoom);
}

TEST_F(SongPaneTest, ZoomStepsMultiplyAndSwitchAutoZoomOff)
{
    show(writeSong(QStringLiteral("z.pro"), QStringLiteral("{title: Z}\nla")));
    prefs->setAutozoom(true);
    pane->zoomIn();
    pane->zoomIn();
    EXPECT_FLOAT_EQ(display->zoomScale(), 1.1025f);
    EXPECT_FLOAT_EQ(prefs->zoomScale(), 1.1025f);
    EXPECT_FALSE(prefs->autozoom());
    EXPECT_FALSE(display->lastAutozoom);
    pane->zoomOut();
    EXPECT_NEAR(display->zoomScale(), 1.047375, 1e-5);

    prefs->setAutozoom(true);
    pane->resetZoom();
    EXPECT_FLOAT_EQ(display->zoomScale(), 1.0f);
    EXPECT_FALSE(prefs->autozoom());

    pane->switchAutozoom(true);
    EXPECT_TRUE(prefs->autozoom());
    EXPECT_TRUE(display->lastAutozoom);
}

TEST_F(SongPaneTest, ZoomStaysWithinItsLimits)
{
    show(writeSong(QStringLiteral("z.pro"), QStringLiteral("{title: Z}\nla")));
    const float least = SongViewViewController::minimumZoom;
    const float most = SongViewViewController::maximumZoom;
    struct Case
    {
        const char *what;
        std::function<void(SongViewViewController &)> zoom;
        float expected;
    };
    const Case cases[] = {
        // A pinch of -1 or less used to drive the zoom to zero or below.
        {"pinch to nothing", [](SongViewViewController &p) { p.magnify(-1.0); }, least},
        {"pinch below nothing", [](SongViewViewController &p) { p.magnify(-3.0); }, least},
        {"slider at 0", [](SongViewViewController &p) { p.zoomChanged(0.0f); }, least},
        {"slider far out", [](SongViewViewController &p) { p.zoomChanged(100.0f); }, most},
        {"no number", [](SongViewViewController &p) { p.zoomChanged(std::nanf("")); }, 1.0f},
        {"steps past the top",
         [most](SongViewViewController &p) {
             p.zoomChanged(most);
             p.zoomIn();
         },
         most},
    };
    for (const Case &c : cases) {
        pane->resetZoom();
        c.zoom(*pane);
        EXPECT_FLOAT_EQ(display->zoomScale(), c.expected) << c.what;
        EXPECT_FLOAT_EQ(prefs->zoomScale(), c.expected) << c.what;
    }

    // A settings archive holding a zoom of 0 shows the song at the least zoom, not at nothing.
    prefs->setZoomScale(0.0f);
    pane->refresh();
    EXPECT_FLOAT_EQ(display->zoomScale(), least);
}

TEST_F(SongPaneTest, APinchStepIsLoggedAndReported)
{
    show(writeSong(QStringLiteral("z.pro"), QStringLiteral("{title: Z}\nla")));
    LogCapture log;
    QSignalSpy reported(pane.get(), &SongViewViewController::zoomScaleChanged);
    pane->magnify(0.5);
    EXPECT_FLOAT_EQ(display->zoomScale(), 1.5f);
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Pinch zoom 0.500000")));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_FLOAT_EQ(reported.first().first().toFloat(), 1.5f);
}

TEST_F(SongPaneTest, OneToolbarAtATime)
{
    pane->toggleTransposeToolbar();
    EXPECT_TRUE(pane->transposeToolbarVisible());
    EXPECT_TRUE(pane->showsToolbar());

    pane->toggleMetronomeToolbar();
    EXPECT_TRUE(pane->metronomeToolbarVisible());
    EXPECT_FALSE(pane->transposeToolbarVisible());
    EXPECT_FALSE(pane->showsToolbar()) << "the metronome toolbar does not count";

    pane->toggleMetronomeToolbar();
    EXPECT_FALSE(pane->metronomeToolbarVisible());

    pane->mainToolbarSelected(1);
    EXPECT_TRUE(pane->autoScrollToolbarVisible());
    pane->mainToolbarSelected(2);
    EXPECT_TRUE(pane->autoScrollToolbarVisible());
    pane->mainToolbarSelected(0);
    EXPECT_TRUE(pane->transposeToolbarVisible());

    pane->showAudioToolbar();
    EXPECT_TRUE(pane->showsMusicToolbar());
    EXPECT_FALSE(pane->transposeToolbarVisible());

    pane->hideToolbars();
    EXPECT_FALSE(pane->showsToolbar());
    waitForSlides(*pane);
    pane->hideToolbars();
    EXPECT_TRUE(pane->findChildren<QAbstractAnimation *>().isEmpty()) << "nothing shown: nothing slides";
}

TEST_F(SongPaneTest, AToolbarSlidesInAboveTheSong)
{
    pane->toggleAutoScrollToolbar();
    waitForSlides(*pane);
    const QWidget *toolbar = pane->autoScrollToolbar();
    EXPECT_EQ(toolbar->y(), 0);
    EXPECT_GT(toolbar->height(), 0);
    EXPECT_EQ(pane->songScrollView()->y(), toolbar->height());
    EXPECT_EQ(pane->songScrollView()->geometry().bottom(), toolbar->parentWidget()->height() - 1);

    pane->hideToolbar();
    waitForSlides(*pane);
    EXPECT_EQ(pane->songScrollView()->y(), 0);
}

TEST_F(SongPaneTest, AToolbarShownWhileNoneWasScrollsTheSameSongToTheTop)
{
    display->songHeight = 5000;
    show(writeSong(QStringLiteral("long.pro"), QStringLiteral("{title: Long}\nla")));
    QScrollBar *scroll = pane->songScrollView()->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 500);

    scroll->setValue(500);
    pane->toggleTransposeToolbar();
    EXPECT_TRUE(QTest::qWaitFor([scroll] { return scroll->value() == 0; }, 2000));

    // Switching from one toolbar to another does not scroll.
    scroll->setValue(500);
    pane->toggleMetronomeToolbar();
    QTest::qWait(600);
    EXPECT_EQ(scroll->value(), 500);

    // The delayed scroll concerned the song shown then; another song shown meanwhile is left where it is.
    pane->hideToolbar();
    waitForSlides(*pane);
    pane->toggleTransposeToolbar();
    current = writeSong(QStringLiteral("other.pro"), QStringLiteral("{title: Other}\nla"));
    pane->refreshScrollToTop(false);
    scroll->setValue(500);
    QTest::qWait(600);
    EXPECT_EQ(scroll->value(), 500);
}

TEST_F(SongPaneTest, AnUnknownChordIsAskedAboutWithTheInstrumentsChoices)
{
    show(writeSong(QStringLiteral("s.pro"), QStringLiteral("{title: S}\n[Xyz]la")));
    struct Case
    {
        const char *instrument;
        const char *alternate;
    };
    const Case cases[] = {{"Guitar", "Add to Chord Library"}, {"Piano", ""}};
    for (const Case &c : cases) {
        ASSERT_TRUE(prefs->selectInstrumentByTitle(QString::fromLatin1(c.instrument)));
        waitUntilReady(prefs->chords());
        dialogs.asked.clear();
        dialogs.answers = {Dialogs::Answer::Alternate};
        toolWindows.calls.clear();
        pane->showChords(QStringLiteral("Xyz"), QRectF(0, 0, 10, 10));
        ASSERT_EQ(dialogs.asked.size(), 1) << c.instrument;
        EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Xyz"));
        EXPECT_EQ(dialogs.asked[0].informativeText, QStringLiteral("Unknown chord"));
        EXPECT_EQ(dialogs.asked[0].defaultButton, QStringLiteral("OK"));
        EXPECT_EQ(dialogs.asked[0].alternateButton, QString::fromLatin1(c.alternate)) << c.instrument;
        EXPECT_EQ(toolWindows.calls, *c.alternate ? QStringList{"add chord Xyz"} : QStringList()) << c.instrument;
    }
}

TEST_F(SongPaneTest, AKnownChordOpensTheChordWindow)
{
    show(writeSong(QStringLiteral("s.pro"), QStringLiteral("{title: S}\n[C]la")));
    prefs->initChordsForCurrentInstrument();
    waitUntilReady(prefs->chords());
    // The window gets the clicked rectangle in global coordinates, and the name as looked up (not as shown).
    prefs->setLatinChords(true);
    const QPoint origin = display->widget()->mapToGlobal(QPoint(0, 0));
    pane->showChords(QStringLiteral("C"), QRectF(10, 20, 30, 40));
    EXPECT_EQ(toolWindows.calls, QStringList{QStringLiteral("chord window C 1 at %1,%2 30x40")
                                                 .arg(origin.x() + 10)
                                                 .arg(origin.y() + 20)});

    // The song's own definition comes first, and needs no library entry.
    toolWindows.calls.clear();
    display->ownChord = Chord::fromDefinition(QStringLiteral("Xyz 1 0 2 2 1 0 0"));
    pane->showChords(QStringLiteral("Xyz"), QRectF());
    EXPECT_EQ(toolWindows.calls,
              QStringList{QStringLiteral("chord window Xyz 1 at %1,%2 0x0").arg(origin.x()).arg(origin.y())});
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(SongPaneTest, AChordClickWhileTheLibraryLoadsIsAnsweredOnceItIsReady)
{
    show(writeSong(QStringLiteral("s.pro"), QStringLiteral("{title: S}\n[C]la")));
    prefs->initChordsForCurrentInstrument();
    ASSERT_FALSE(prefs->chords()->isReady()) << "the library publishes from the event loop";
    pane->showChords(QStringLiteral("C"), QRectF());
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "no unknown-chord alert for a chord still loading";
    EXPECT_TRUE(toolWindows.calls.isEmpty());
    waitUntilReady(prefs->chords());
    QCoreApplication::processEvents();
    ASSERT_EQ(toolWindows.calls.size(), 1);
    EXPECT_TRUE(toolWindows.calls[0].startsWith(QStringLiteral("chord window C 1")));
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(SongPaneTest, TheSongsInstrumentAndTuningLoadTheirChordLibrary)
{
    ASSERT_EQ(prefs->currentInstrument()->title(), QStringLiteral("Guitar"));
    LogCapture log;
    show(writeSong(QStringLiteral("piano.pro"), QStringLiteral("{title: P}\n{instrument: Piano}\n[C]la")));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Song view loading instrument Piano tuning")));
    EXPECT_EQ(prefs->currentInstrument()->title(), QStringLiteral("Piano"));
    EXPECT_EQ(prefs->currentInstrumentTitle(), QStringLiteral("Guitar")) << "the user's choice stays";
    ASSERT_NE(prefs->chords(), nullptr);
    EXPECT_EQ(prefs->chords()->instrument().title(), QStringLiteral("Piano"));

    // The song is laid out again once the new library is ready, so its chords are not drawn as unknown.
    const int layouts = display->layouts;
    waitUntilReady(prefs->chords());
    EXPECT_EQ(display->layouts, layouts + 1);

    show(writeSong(QStringLiteral("dropd.pro"), QStringLiteral("{title: D}\n{tuning: D A D G B E}\n[C]la")));
    EXPECT_EQ(prefs->currentInstrument()->title(), QStringLiteral("Guitar"));
    EXPECT_TRUE(prefs->currentInstrument()->songTuning());
    EXPECT_EQ(prefs->currentInstrument()->tuningDescription(), QStringLiteral("D A D G B E"));

    show(writeSong(QStringLiteral("plain.pro"), QStringLiteral("{title: Plain}\n[C]la")));
    EXPECT_FALSE(prefs->currentInstrument()->songTuning());
    EXPECT_EQ(prefs->currentInstrument()->tuningDescription(), QStringLiteral("E A D G B E"));

    // The same instrument and tuning again: nothing is loaded.
    waitUntilReady(prefs->chords());
    const qsizetype linesBefore = log.lines().size();
    pane->refresh();
    EXPECT_EQ(log.lines().size(), linesBefore);
}

TEST_F(SongPaneTest, LinkedAudioBringsTheAudioToolbarForThatSongOnly)
{
    ASSERT_TRUE(TextFile::write(songFolder.filePath(QStringLiteral("tune.mp3")), QStringLiteral("not really audio")));
    const SongPtr withAudio =
        writeSong(QStringLiteral("audio.pro"), QStringLiteral("{title: Audio}\n{musicpath: tune.mp3}\nla"));
    const SongPtr plain = writeSong(QStringLiteral("plain.pro"), QStringLiteral("{title: Plain}\nla"));

    show(withAudio);
    EXPECT_EQ(pane->audioPath(), songFolder.filePath(QStringLiteral("tune.mp3")));
    EXPECT_TRUE(QTest::qWaitFor([this] { return pane->audioToolbarVisible(); }, 2000));

    show(plain);
    EXPECT_TRUE(pane->audioPath().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !pane->audioToolbarVisible(); }, 2000));

    // A song with audio left at once: its delayed toolbar must not appear over the next song.
    show(withAudio);
    show(plain);
    QTest::qWait(700);
    EXPECT_FALSE(pane->audioToolbarVisible());
}

TEST_F(SongPaneTest, APdfSongIsShownAsItsPages)
{
    const QString path = songFolder.filePath(QStringLiteral("Sheet.pdf"));
    TestFiles::writePdfPages(path, {QStringLiteral("page one"), QStringLiteral("page two")});
    // Taller than wide: one page a screen, not two side by side.
    pane->resize(600, 800);
    show(std::make_shared<PDFSong>(path));
    EXPECT_TRUE(pane->pdfScrollView()->isVisible());
    EXPECT_FALSE(pane->songScrollView()->isVisible());
    auto *pages = qobject_cast<PDFSongViewWidget *>(pane->pdfScrollView()->widget());
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->pdfSongView().pageCount(), 2);
    EXPECT_GT(pages->height(), pane->pdfScrollView()->viewport()->height()) << "two pages at the pane's width";

    show(writeSong(QStringLiteral("text.pro"), QStringLiteral("{title: Text}\nla")));
    EXPECT_FALSE(pane->pdfScrollView()->isVisible());
    EXPECT_TRUE(pane->songScrollView()->isVisible());
}
