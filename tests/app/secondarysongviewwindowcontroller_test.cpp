// The second display: its refresh, zoom and auto-zoom with recording song displays, and the application's
// commands that make, show, zoom and refresh it.
#include "secondarysongviewwindowcontroller.h"

#include "appdelegatefixture.h"
#include "fakeappcontext.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "paths.h"
#include "pdfsong.h"
#include "pdfsongviewwidget.h"
#include "prefs.h"
#include "recordingsongdisplay.h"
#include "songviewviewcontroller.h"
#include "testfiles.h"
#include "textfile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class SecondDisplayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(Paths::supportDirectory()).removeRecursively();
        context.prefsObject = &prefs;
        auto recording = std::make_unique<RecordingSongDisplay>();
        display = recording.get();
        window = std::make_unique<SecondarySongViewWindowController>([this] { return current; }, mainDisplay,
                                                                     std::move(recording));
        window->resize(600, 400);
        window->show();
    }

    SongPtr writeSong(const QString &name, const QString &text)
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(TextFile::write(path, text));
        return std::make_shared<Song>(path);
    }

    static std::unique_ptr<Prefs> savedPrefs() { return Prefs::initFromFileSystem(); }

    FakeAppContext context;
    Prefs prefs;
    QTemporaryDir folder;
    SongPtr current;
    RecordingSongDisplay mainDisplay;
    RecordingSongDisplay *display = nullptr;
    std::unique_ptr<SecondarySongViewWindowController> window;
};

TEST_F(SecondDisplayTest, ZoomStepsAreKeptWithinTheLimitsAndSwitchAutoZoomOff)
{
    enum Step { In, Out, Reset };
    struct Case
    {
        float from;
        QList<Step> steps;
        float expected;
    };
    const Case cases[] = {
        {1.0f, {In, In}, float(1.0 * 1.05 * 1.05)}, // 1.1025, computed in double
        {1.0f, {Out}, 0.95f},
        {2.0f, {In, Reset}, 1.0f},
        {5.0f, {In}, 5.0f},
        {0.25f, {Out}, 0.25f},
    };
    for (const Case &c : cases) {
        prefs.setAutozoomSecondary(true);
        display->setZoomScale(c.from);
        for (Step step : c.steps) {
            const int layouts = display->layouts;
            switch (step) {
            case In:
                window->zoomIn();
                break;
            case Out:
                window->zoomOut();
                break;
            case Reset:
                window->resetZoom();
                break;
            }
            EXPECT_EQ(display->layouts, layouts + 1);
            EXPECT_FALSE(display->lastAutozoom);
        }
        EXPECT_EQ(display->zoomScale(), c.expected) << c.from;
        EXPECT_EQ(prefs.zoomScaleSecondary(), c.expected);
        EXPECT_FALSE(prefs.autozoomSecondary());
        const auto saved = savedPrefs();
        EXPECT_EQ(saved->zoomScaleSecondary(), c.expected);
        EXPECT_FALSE(saved->autozoomSecondary());
    }
}

TEST_F(SecondDisplayTest, AutoZoomFlipsItsSettingAndRefreshesEachTime)
{
    current = writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\n[C]la"));
    for (bool expected : {true, false}) {
        const int layouts = display->layouts;
        window->autozoom();
        EXPECT_EQ(prefs.autozoomSecondary(), expected);
        EXPECT_EQ(savedPrefs()->autozoomSecondary(), expected);
        EXPECT_GT(display->layouts, layouts) << "refreshed";
        EXPECT_EQ(display->lastAutozoom, expected);
    }
}

TEST_F(SecondDisplayTest, TheRefreshTakesTheSongTheSettingsAndTheSongPanesTransposition)
{
    prefs.setZoomScaleSecondary(1.5f);
    prefs.setShowlyricsonlyOnSecondaryDisplay(true);
    mainDisplay.setTranspose(3);
    mainDisplay.setAllChordsFlat(true);
    current = writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: Amazing Grace}\n{subtitle: Newton}\n[C]la"));
    window->refresh();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Amazing Grace"));
    EXPECT_EQ(display->zoomScale(), 1.5f);
    EXPECT_FALSE(display->showChords);
    EXPECT_EQ(display->transpose(), 3);
    EXPECT_TRUE(display->allChordsFlat());
    EXPECT_FALSE(display->allChordsSharp());
    EXPECT_EQ(display->songSource(), current);

    prefs.setShowlyricsonlyOnSecondaryDisplay(false);
    mainDisplay.setAllChordsFlat(false);
    mainDisplay.setAllChordsSharp(true);
    current.reset();
    window->refresh();
    EXPECT_EQ(window->windowTitle(), QString()) << "no current song";
    EXPECT_TRUE(display->showChords);
    EXPECT_FALSE(display->allChordsFlat());
    EXPECT_TRUE(display->allChordsSharp());
}

TEST_F(SecondDisplayTest, APdfSongThenATextSongSwitchTheViewAndScrollBothToTheTop)
{
    const QString path = folder.filePath(QStringLiteral("Sheet.pdf"));
    TestFiles::writePdfPages(path, {QStringLiteral("page one"), QStringLiteral("page two")});
    // Narrow enough for one page a screen.
    window->resize(300, 400);
    current = std::make_shared<PDFSong>(path);
    window->refresh();
    EXPECT_TRUE(window->pdfScrollView()->isVisible());
    EXPECT_FALSE(window->songScrollView()->isVisible());
    EXPECT_EQ(window->pdfSongView()->pdfSongView().pageCount(), 2);
    window->pdfScrollView()->verticalScrollBar()->setValue(100);
    ASSERT_GT(window->pdfScrollView()->verticalScrollBar()->value(), 0);

    current = writeSong(QStringLiteral("text.pro"), QStringLiteral("{title: Text}\nla"));
    window->refresh();
    EXPECT_FALSE(window->pdfScrollView()->isVisible());
    EXPECT_TRUE(window->songScrollView()->isVisible());
    EXPECT_EQ(window->pdfScrollView()->verticalScrollBar()->value(), 0);
    window->songScrollView()->verticalScrollBar()->setValue(100);
    ASSERT_GT(window->songScrollView()->verticalScrollBar()->value(), 0) << "the song is taller than the window";
    window->refresh();
    EXPECT_EQ(window->songScrollView()->verticalScrollBar()->value(), 0);
}

TEST_F(SecondDisplayTest, AResizeLaysTheSongOutAgainFittingItOnlyWithAutoZoom)
{
    for (bool autozoom : {true, false}) {
        prefs.setAutozoomSecondary(autozoom);
        display->setZoomScale(1.25f);
        const int layouts = display->layouts;
        window->resize(window->width() + 50, window->height());
        EXPECT_GT(display->layouts, layouts);
        EXPECT_EQ(display->lastAutozoom, autozoom);
        EXPECT_EQ(display->zoomScale(), 1.25f) << "the recording display keeps what it is given";
    }
}

TEST_F(SecondDisplayTest, TheWindowNeverKeepsTheApplicationRunningAndF11TogglesFullScreen)
{
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen);
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_FALSE(window->windowState() & Qt::WindowFullScreen);
}

TEST_F(SecondDisplayTest, AChordClickDoesNothing)
{
    current = writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\n[C]la"));
    window->refresh();
    ASSERT_TRUE(display->chordClicked);
    display->chordClicked(QStringLiteral("C"), QRectF(0, 0, 10, 10));
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::ranges::count_if(windows, [](const QWidget *widget) { return widget->isVisible(); }), 1)
        << "no chord window";
}

class SecondDisplayCommandsTest : public AppDelegateTest
{
protected:
    void SetUp() override
    {
        AppDelegateTest::SetUp();
        launch(folder.path());
        QCoreApplication::processEvents();
    }

    QAction *action(const char *name) const { return delegate->menus()->action(QString::fromLatin1(name)); }
    void run(const char *name)
    {
        QAction *item = action(name);
        item->setEnabled(true);
        item->trigger();
    }
    SongDisplay &mainView() { return delegate->songViewViewController()->songView(); }
};

TEST_F(SecondDisplayCommandsTest, TheSecondDisplayIsMadeOnceAndFollowsTheCurrentSong)
{
    const SongPtr first = writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: First}\n[C]la"));
    delegate->setCurrentSong(first);
    // Before it exists, every call that would reach it is skipped, and the zoom keys go to the song pane.
    EXPECT_EQ(delegate->secondSongView(), nullptr);
    const float paneZoom = mainView().zoomScale();
    run("actZoomIn");
    EXPECT_GT(mainView().zoomScale(), paneZoom);

    run("actShowSecondarySongView");
    SecondarySongViewWindowController *second = delegate->secondSongView();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->windowTitle(), QStringLiteral("First"));
    second->close();
    run("actShowSecondarySongView");
    EXPECT_EQ(delegate->secondSongView(), second) << "kept for the run";
    EXPECT_TRUE(second->isVisible());

    const SongPtr next = writeSong(QStringLiteral("b.pro"), QStringLiteral("{title: Next}\n{capo: 2}\n[C]la"));
    delegate->setCurrentSong(next);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Next"));
    QCoreApplication::processEvents();
    EXPECT_EQ(second->songView().transpose(), -2) << "the song pane's transposition";

    delegate->songViewViewController()->transposeUp();
    EXPECT_EQ(second->songView().transpose(), -1);
}

TEST_F(SecondDisplayCommandsTest, ZoomGoesToTheSecondDisplayWhileItIsTheActiveWindow)
{
    delegate->setCurrentSong(writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\n[C]la")));
    run("actShowSecondarySongView");
    SecondarySongViewWindowController *second = delegate->secondSongView();
    QApplication::setActiveWindow(second);
    ASSERT_TRUE(second->isActiveWindow());
    const float paneZoom = mainView().zoomScale();
    const float secondZoom = second->songView().zoomScale();
    run("actZoomIn");
    EXPECT_EQ(mainView().zoomScale(), paneZoom);
    EXPECT_EQ(second->songView().zoomScale(), float(double(secondZoom) * 1.05));
    run("actResetZoom");
    EXPECT_EQ(delegate->prefs()->zoomScaleSecondary(), 1.0f);

    QApplication::setActiveWindow(delegate->window());
    run("actZoomOut");
    EXPECT_EQ(second->songView().zoomScale(), 1.0f);
    EXPECT_LT(mainView().zoomScale(), paneZoom);
}

TEST_F(SecondDisplayCommandsTest, TheAutoZoomItemFollowsItsSettingWithOrWithoutTheWindow)
{
    const bool before = delegate->prefs()->autozoomSecondary();
    run("actSecondaryAutoZoom");
    EXPECT_EQ(delegate->prefs()->autozoomSecondary(), !before);
    EXPECT_EQ(action("actSecondaryAutoZoom")->isChecked(), !before);

    run("actShowSecondarySongView");
    run("actSecondaryAutoZoom");
    EXPECT_EQ(delegate->prefs()->autozoomSecondary(), before);
    EXPECT_EQ(action("actSecondaryAutoZoom")->isChecked(), before);
    EXPECT_EQ(Prefs::initFromFileSystem()->autozoomSecondary(), before);
}

} // namespace
