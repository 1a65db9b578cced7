// The application delegate: the launch sequence, the current song, saving the edited song, quitting and opening
// files, with recording panes and scripted dialogs.
#include "vellorinappdelegate.h"

#include "appdelegatefixture.h"
#include "appreviewmanager.h"
#include "logcapture.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "notesong.h"
#include "paths.h"
#include "pdfsong.h"
#include "prefs.h"
#include "scripteddialogs.h"
#include "songdisplay.h"
#include "songs.h"
#include "songviewviewcontroller.h"
#include "textfile.h"
#include "userdefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollArea>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

TEST_F(AppDelegateTest, InstallsItselfAndOwnsTheSettings)
{
    makeDelegate();
    EXPECT_EQ(VellorinAppDelegate::instance(), delegate.get());
    EXPECT_EQ(AppContext::instance()->prefs(), delegate->prefs());
    ASSERT_NE(delegate->prefs(), nullptr);
    EXPECT_FALSE(delegate->startUpDone());
    EXPECT_EQ(delegate->songViewViewController(), nullptr) << "panes are made by the launch";
    delegate.reset();
    EXPECT_EQ(VellorinAppDelegate::instance(), nullptr);
}

TEST_F(AppDelegateTest, LaunchWithoutASongFolderAsksForOneHalfASecondLater)
{
    launch();
    EXPECT_TRUE(delegate->prefs()->songDirectoryPath().isEmpty());
    EXPECT_EQ(delegate->chords(), nullptr);
    EXPECT_TRUE(delegate->startUpDone());
    EXPECT_EQ(calls.calls, QStringList{QStringLiteral("songList.showLibrary")});
    ASSERT_NE(delegate->window(), nullptr);
    EXPECT_TRUE(delegate->window()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return calls.count(QStringLiteral("songList.selectSongDir")) == 1; }, 2000));
}

TEST_F(AppDelegateTest, AStoredFolderThatCannotBeUsedIsLoggedAndLeavesNone)
{
    const QString missing = folder.filePath(QStringLiteral("gone"));
    const QString file = folder.filePath(QStringLiteral("a file"));
    ASSERT_TRUE(TextFile::write(file, QStringLiteral("x")));
    struct Case
    {
        QString stored;
        QString logged;
    };
    const Case cases[] = {
        {missing, QStringLiteral("Could not resolve security bookmark, ") + missing},
        {file, QStringLiteral("startAccessingSecurityScopedResource for %1 not successful").arg(file)},
    };
    for (const Case &c : cases) {
        LogCapture log;
        launch(c.stored);
        EXPECT_TRUE(log.hasLineStartingWith(c.logged)) << c.logged.toStdString();
        EXPECT_TRUE(delegate->prefs()->songDirectoryPath().isEmpty()) << c.logged.toStdString();
        delegate.reset();
    }
}

TEST_F(AppDelegateTest, LaunchWithASongFolderAsksNothing)
{
    launch(folder.path());
    EXPECT_EQ(delegate->prefs()->songDirectoryPath(), QFileInfo(folder.path()).absoluteFilePath());
    QTest::qWait(700);
    EXPECT_EQ(calls.count(QStringLiteral("songList.selectSongDir")), 0);
}

TEST_F(AppDelegateTest, LaunchRestoresTheCategoryAndTheSongLastShown)
{
    writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nla"));
    writeSong(QStringLiteral("Hymns/b.pro"), QStringLiteral("{title: B}\n{subtitle: X}\n{capo: 2}\nla"));
    {
        Prefs stored;
        stored.setCurrentSong(QStringLiteral("B - X"));
        stored.setCurrentCategory(QStringLiteral("Hymns"));
        stored.setShowTitleSubtitle(false);
        ASSERT_TRUE(stored.save());
    }
    launch(folder.path());
    ASSERT_NE(delegate->songs(), nullptr);
    EXPECT_EQ(delegate->songs()->currentCategory(), std::optional<QString>(QStringLiteral("Hymns")));
    ASSERT_NE(delegate->currentSong(), nullptr);
    EXPECT_EQ(delegate->currentSong()->titleSubtitleReference(), QStringLiteral("B - X"));
    EXPECT_TRUE(delegate->songs()->containsPath(delegate->currentSong()->path())) << "the library's own song";
    EXPECT_TRUE(delegate->isNormalSong());
    // Settings that name the song only find it once the library is read: the list shows the library as it loads,
    // then the editor shows the song and the list the library just read (never reading it again); the song pane
    // follows from the event loop.
    EXPECT_EQ(calls.calls, (QStringList{QStringLiteral("songList.showLibrary"), QStringLiteral("songEdit.refresh"),
                                        QStringLiteral("songList.showLibrary")}));
    QCoreApplication::processEvents();
    EXPECT_EQ(delegate->window()->windowTitle(), QStringLiteral("Vellorin - B - X"));
    EXPECT_EQ(delegate->songViewViewController()->songView().transpose(), -2);
}

TEST_F(AppDelegateTest, ARememberedSongThatIsGoneShowsNothing)
{
    {
        Prefs stored;
        stored.setCurrentSong(QStringLiteral("Gone - Away"));
        ASSERT_TRUE(stored.save());
    }
    launch(folder.path());
    EXPECT_EQ(delegate->currentSong(), nullptr);
}

TEST_F(AppDelegateTest, TheShownSongsFileIsRememberedForTheNextStart)
{
    launch(folder.path());
    const SongPtr song = writeSong(QStringLiteral("Hymns/b.pro"), QStringLiteral("{title: B}\nla"));
    delegate->setCurrentSong(song);
    EXPECT_EQ(UserDefaults::value(VellorinAppDelegate::currentSongPathKey).toString(), song->path());
    delegate->showSong(nullptr, false);
    EXPECT_FALSE(UserDefaults::contains(VellorinAppDelegate::currentSongPathKey));
}

TEST_F(AppDelegateTest, ShowingASongResetsTheChordSpellingAndRemembersIt)
{
    launch(folder.path());
    SongDisplay &view = delegate->songViewViewController()->songView();
    view.setAllChordsFlat(true);
    view.setAllChordsSharp(true);
    view.setTranspose(5);
    const SongPtr song =
        writeSong(QStringLiteral("capo.pro"), QStringLiteral("{title: Capo Song}\n{subtitle: Me}\n{capo: 2}\n[G]la"));
    delegate->setCurrentSong(song);
    EXPECT_EQ(delegate->currentSong(), song);
    EXPECT_EQ(view.transpose(), -2);
    EXPECT_FALSE(view.allChordsFlat());
    EXPECT_FALSE(view.allChordsSharp());
    EXPECT_TRUE(delegate->transposeEnabled());
    EXPECT_EQ(calls.count(QStringLiteral("songEdit.refresh")), 1);

    // The settings archive remembers the song at once.
    EXPECT_EQ(Prefs::initFromFileSystem()->currentSong(), std::optional<QString>(QStringLiteral("Capo Song - Me")));

    // The pane is refreshed on the next pass of the event loop.
    delegate->prefs()->setShowTitleSubtitle(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(delegate->window()->windowTitle(), QStringLiteral("Vellorin - Capo Song - Me"));
}

TEST_F(AppDelegateTest, TranspositionActsOnlyOnSongsThatCanBeTransposed)
{
    launch(folder.path());
    ASSERT_TRUE(TextFile::write(folder.filePath(QStringLiteral("sheet.pdf")), QStringLiteral("%PDF-1.4")));
    auto note = std::make_shared<NoteSong>();
    note->setText(QStringLiteral("Tuning break"));
    struct Case
    {
        const char *what;
        SongPtr song;
        bool transposable;
    };
    const Case cases[] = {
        {"a text song", writeSong(QStringLiteral("t.pro"), QStringLiteral("{title: T}\n{key: G}\n[G]la")), true},
        {"a PDF song", std::make_shared<PDFSong>(folder.filePath(QStringLiteral("sheet.pdf"))), false},
        {"a playlist note", note, false},
    };
    SongViewViewController &pane = *delegate->songViewViewController();
    const auto toolbarButton = [this] {
        return delegate->window()->mainToolbar()->findChild<QToolButton *>(
            QStringLiteral("toolbarToggleTransposeToolbar"));
    };
    for (const Case &c : cases) {
        delegate->setCurrentSong(c.song);
        QCoreApplication::processEvents();
        for (const char *name : {"actTransposeUp", "actTransposeDown", "actTransposeAllB", "actTransposeAllSharp",
                                 "actToggleTransposeToolbar"})
            EXPECT_EQ(delegate->menus()->action(QString::fromLatin1(name))->isEnabled(), c.transposable)
                << c.what << " " << name;
        EXPECT_EQ(toolbarButton()->isEnabled(), c.transposable) << c.what;
        for (const char *control : {"transposePopupButton", "capoPopupButton"})
            EXPECT_EQ(pane.transposeToolbar()->findChild<QWidget *>(QString::fromLatin1(control))->isEnabled(),
                      c.transposable)
                << c.what << " " << control;
    }

    // A bar left open over a song that cannot be transposed can still be put away.
    delegate->setCurrentSong(cases[0].song);
    QCoreApplication::processEvents();
    toolbarButton()->click();
    ASSERT_TRUE(pane.transposeToolbarVisible());
    delegate->setCurrentSong(note);
    QCoreApplication::processEvents();
    EXPECT_FALSE(delegate->menus()->action(QStringLiteral("actTransposeUp"))->isEnabled());
    ASSERT_TRUE(toolbarButton()->isEnabled());
    toolbarButton()->click();
    EXPECT_FALSE(pane.transposeToolbarVisible());
    EXPECT_FALSE(toolbarButton()->isEnabled());
}

TEST_F(AppDelegateTest, ATranspositionSetRightAfterShowingASongStays)
{
    // A playlist entry's key is applied right after the song is shown, before the pane's deferred refresh
    // (which used to reset it to minus the capo).
    launch(folder.path());
    SongDisplay &view = delegate->songViewViewController()->songView();
    const SongPtr song = writeSong(QStringLiteral("capo.pro"), QStringLiteral("{title: Capo Song}\n{capo: 2}\n[G]la"));
    delegate->setCurrentSong(song);
    view.setTranspose(3);
    QCoreApplication::processEvents();
    ASSERT_EQ(delegate->songViewViewController()->song(), song);
    EXPECT_EQ(view.transpose(), 3);

    // Shown again, it starts from its capo again.
    delegate->setCurrentSong(song);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.transpose(), -2);
}

TEST_F(AppDelegateTest, APdfSongShownByAnyPathIsNoTextSong)
{
    launch(folder.path());
    const SongPtr text = writeSong(QStringLiteral("t.pro"), QStringLiteral("{title: T}\nla"));
    ASSERT_TRUE(TextFile::write(folder.filePath(QStringLiteral("sheet.pdf")), QStringLiteral("%PDF-1.4")));
    const SongPtr pdf = std::make_shared<PDFSong>(folder.filePath(QStringLiteral("sheet.pdf")));
    // Shown as a peer or MIDI would show it: it must still count as a PDF song (it used to keep the old value).
    delegate->setCurrentSong(text);
    delegate->showSong(pdf, false);
    EXPECT_FALSE(delegate->isNormalSong());
    EXPECT_FALSE(delegate->transposeEnabled());

    // Writing a metronome tempo into a PDF song does nothing.
    const QByteArray before = fileBytes(pdf->path());
    delegate->songViewViewController()->refresh();
    delegate->saveMetronomeTempo(90);
    EXPECT_EQ(fileBytes(pdf->path()), before);

    delegate->showSong(text, false);
    EXPECT_TRUE(delegate->isNormalSong());
}

TEST_F(AppDelegateTest, SwitchingWithUnsavedEditsFollowsTheAnswer)
{
    launch(folder.path());
    struct Case
    {
        const char *what;
        std::optional<Dialogs::Answer> answer; // none: not asked
        bool goesOn;
        const char *onDisk;
        const char *inSong;
    };
    const Case cases[] = {
        {"OK saves", Dialogs::Answer::Default, true, "{title: A}\nnew", "{title: A}\nnew"},
        {"Discard reloads", Dialogs::Answer::Alternate, true, "{title: A}\nold", "{title: A}\nold"},
        {"Cancel keeps the edits", Dialogs::Answer::Other, false, "{title: A}\nold", "{title: A}\nnew"},
        {"a closed alert keeps them too", Dialogs::Answer::Closed, false, "{title: A}\nold", "{title: A}\nnew"},
        {"not asking saves", std::nullopt, true, "{title: A}\nnew", "{title: A}\nnew"},
    };
    for (const Case &c : cases) {
        const SongPtr song = showEditedSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nold"),
                                            QStringLiteral("{title: A}\nnew"));
        dialogs.asked.clear();
        if (c.answer)
            dialogs.answers = {*c.answer};
        EXPECT_EQ(delegate->saveCurrentSongInteractive(c.answer.has_value()), c.goesOn) << c.what;
        EXPECT_EQ(dialogs.asked.size(), c.answer ? 1 : 0) << c.what;
        if (c.answer) {
            EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("Song A has been changed. Save changes?"));
            EXPECT_EQ(dialogs.asked[0].alternateButton, QStringLiteral("Discard"));
            EXPECT_EQ(dialogs.asked[0].otherButton, QStringLiteral("Cancel"));
        }
        EXPECT_EQ(fileText(song->path()), QString::fromUtf8(c.onDisk)) << c.what;
        EXPECT_EQ(song->text(), QString::fromUtf8(c.inSong)) << c.what;
    }

    // Nothing unsaved: nothing asked, the caller goes on.
    songEdit.dirty = false;
    dialogs.asked.clear();
    EXPECT_TRUE(delegate->saveCurrentSongInteractive(true));
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(AppDelegateTest, SavingRefreshesThePanesAndUpdatesTheEditorAfterModelChanges)
{
    launch(folder.path());
    showEditedSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nold"), QStringLiteral("{title: A}\nnew"));
    ASSERT_TRUE(delegate->saveCurrentSongInteractive(false));
    EXPECT_EQ(calls.calls, (QStringList{QStringLiteral("songEdit.refresh"), QStringLiteral("songList.refresh"),
                                        QStringLiteral("playlists.refresh"), QStringLiteral("tags.refresh")}));

    // A command changed the song's file while the editor holds edits: the editor takes the song's text.
    songEdit.dirty = true;
    calls.calls.clear();
    delegate->saveOrUpdateCurrentSong();
    EXPECT_EQ(calls.calls, QStringList{QStringLiteral("songEdit.updateFromCurrentSong")});
}

TEST_F(AppDelegateTest, ANewSongIsSavedWhereTheSavePanelSays)
{
    launch(folder.path());
    const auto song = std::make_shared<Song>();
    song->setText(QStringLiteral("{title: Fresh}\n{subtitle: Me}\nla"));
    delegate->setCurrentSong(song);
    songEdit.dirty = true;

    // Cancelled: nothing is written and the caller is told to stop.
    EXPECT_FALSE(delegate->saveCurrentSongInteractive(false));
    ASSERT_EQ(dialogs.savePanelsShown.size(), 1);
    const Dialogs::SavePanel &panel = dialogs.savePanelsShown[0];
    EXPECT_EQ(panel.directory, QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(panel.fileName, QStringLiteral("Fresh - Me.pro"));
    EXPECT_EQ(panel.allowedTypes,
              (QStringList{QStringLiteral("pro"), QStringLiteral("txt"), QStringLiteral("chopro"),
                           QStringLiteral("chordpro"), QStringLiteral("cpm"), QStringLiteral("cho")}));
    EXPECT_TRUE(song->path().isEmpty());

    const QString chosen = folder.filePath(QStringLiteral("chosen.pro"));
    dialogs.savePanelAnswers = {chosen};
    EXPECT_TRUE(delegate->saveCurrentSongInteractive(false));
    EXPECT_EQ(song->path(), chosen);
    EXPECT_EQ(fileText(chosen), song->text());
}

TEST_F(AppDelegateTest, AFailedSaveIsReportedAndStopsTheCaller)
{
    launch(folder.path());
    const SongPtr song = showEditedSong(QStringLiteral("cat/a.pro"), QStringLiteral("{title: A}\nold"),
                                        QStringLiteral("{title: A}\nnew"));
    // The song's folder is replaced by a file: the song cannot be written any more.
    ASSERT_TRUE(QDir(folder.filePath(QStringLiteral("cat"))).removeRecursively());
    ASSERT_TRUE(TextFile::write(folder.filePath(QStringLiteral("cat")), QStringLiteral("in the way")));

    // It used to answer as if saved, so the list went on to another song and the edits were lost.
    EXPECT_FALSE(delegate->saveCurrentSongInteractive(false));
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("The song A could not be saved."));
    EXPECT_EQ(song->text(), QStringLiteral("{title: A}\nnew"));
    EXPECT_TRUE(delegate->canSave());
}

// A song edited in another program while it was open here was silently overwritten by the next save.
TEST_F(AppDelegateTest, AFileChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSaysSo)
{
    launch(folder.path());
    using Answer = Dialogs::Answer;
    struct Case
    {
        const char *what;
        std::deque<Answer> answers;
        bool goesOn;
        const char *onDisk;
        const char *inSong;
        bool editsKept;
    };
    const Case cases[] = {
        {"Overwrite", {Answer::Default}, true, "{title: A}\nmine", "{title: A}\nmine", false},
        {"Reload, and drop the edits",
         {Answer::Alternate, Answer::Default},
         true,
         "{title: A}\ntheirs, longer",
         "{title: A}\ntheirs, longer",
         false},
        {"Reload, but keep the edits after all",
         {Answer::Alternate, Answer::Alternate},
         false,
         "{title: A}\ntheirs, longer",
         "{title: A}\nmine",
         true},
        {"Cancel", {Answer::Other}, false, "{title: A}\ntheirs, longer", "{title: A}\nmine", true},
        {"a closed alert", {Answer::Closed}, false, "{title: A}\ntheirs, longer", "{title: A}\nmine", true},
    };
    for (const Case &c : cases) {
        const SongPtr song = showEditedSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nold"),
                                            QStringLiteral("{title: A}\nmine"));
        ASSERT_TRUE(TextFile::write(song->path(), QStringLiteral("{title: A}\ntheirs, longer")));
        dialogs.asked.clear();
        dialogs.answers = c.answers;
        EXPECT_EQ(delegate->saveCurrentSongInteractive(false), c.goesOn) << c.what;
        ASSERT_EQ(dialogs.asked.size(), qsizetype(c.answers.size())) << c.what;
        EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("The file \u201ca.pro\u201d was changed by another program."));
        EXPECT_EQ(dialogs.asked[0].defaultButton, QStringLiteral("Overwrite"));
        EXPECT_EQ(dialogs.asked[0].alternateButton, QStringLiteral("Reload"));
        EXPECT_EQ(dialogs.asked[0].otherButton, QStringLiteral("Cancel"));
        EXPECT_EQ(fileText(song->path()), QString::fromUtf8(c.onDisk)) << c.what;
        EXPECT_EQ(song->text(), QString::fromUtf8(c.inSong)) << c.what;
        EXPECT_EQ(songEdit.dirty, c.editsKept) << c.what;
    }
}

TEST_F(AppDelegateTest, QuittingSavesTheEditsOrSaysTheyCannotBeSaved)
{
    launch(folder.path());
    const SongPtr song =
        showEditedSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nold"), QStringLiteral("{title: A}\nnew"));
    {
        LogCapture log;
        delegate->applicationWillTerminate();
        EXPECT_EQ(fileText(song->path()), QStringLiteral("{title: A}\nnew"));
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Saved current song to ") + song->path()));
    }
    {
        // Nothing unsaved: nothing written.
        songEdit.dirty = false;
        LogCapture log;
        delegate->applicationWillTerminate();
        EXPECT_FALSE(log.hasLineStartingWith(QStringLiteral("Saved current song")));
    }

    const SongPtr stuck = showEditedSong(QStringLiteral("cat/b.pro"), QStringLiteral("{title: B}\nold"),
                                         QStringLiteral("{title: B}\nnew"));
    ASSERT_TRUE(QDir(folder.filePath(QStringLiteral("cat"))).removeRecursively());
    ASSERT_TRUE(TextFile::write(folder.filePath(QStringLiteral("cat")), QStringLiteral("in the way")));
    dialogs.answers = {Dialogs::Answer::Default};
    EXPECT_FALSE(delegate->window()->close()) << "the user keeps the program open to rescue the edits";
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].defaultButton, QStringLiteral("Don't Quit"));

    dialogs.answers = {Dialogs::Answer::Alternate};
    EXPECT_TRUE(delegate->applicationShouldTerminate());
    LogCapture log;
    delegate->applicationWillTerminate();
    EXPECT_EQ(dialogs.asked.size(), 2) << "quitting anyway asks nothing more";
    EXPECT_FALSE(log.hasLineStartingWith(QStringLiteral("Saved current song")));
}

TEST_F(AppDelegateTest, BecomingActiveRefreshesTheListsUnlessTheEditorHoldsEdits)
{
    makeDelegate();
    delegate->applicationWillBecomeActive();
    EXPECT_TRUE(calls.calls.isEmpty()) << "nothing before launching has finished";

    delegate->applicationDidFinishLaunching();
    delegate->prefs()->setShowPlaylists(true);
    calls.calls.clear();
    delegate->applicationWillBecomeActive();
    EXPECT_EQ(calls.calls, (QStringList{QStringLiteral("songList.refresh"), QStringLiteral("playlists.refresh")}));

    showEditedSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nold"), QStringLiteral("{title: A}\nnew"));
    delegate->applicationWillBecomeActive();
    EXPECT_TRUE(calls.calls.isEmpty());
}

// The launch has just read the library: the window's first activation must not read it a second time.
TEST_F(AppDelegateTest, OnlyComingBackToTheApplicationRefreshesTheLists)
{
    launch(folder.path());
    calls.calls.clear();
    Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(calls.calls.isEmpty());
    Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(calls.calls, QStringList{QStringLiteral("songList.refresh")});
}

TEST_F(AppDelegateTest, OpeningAFileFromOutsideImportsItAndShowsIt)
{
    launch(folder.path());
    QTemporaryDir outside;
    const QString path = outside.filePath(QStringLiteral("given.pro"));
    ASSERT_TRUE(TextFile::write(path, QStringLiteral("{title: Given}\n[C]la")));
    showEditedSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nold"), QStringLiteral("{title: A}\nnew"));

    LogCapture log;
    EXPECT_TRUE(delegate->openFile(path));
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return delegate->currentSong() && delegate->currentSong()->title() == "Given"; }, 3000));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Importing ") + path));
    // The edits of the song shown before are saved first, without a question.
    EXPECT_EQ(fileText(folder.filePath(QStringLiteral("a.pro"))), QStringLiteral("{title: A}\nnew"));
    EXPECT_TRUE(dialogs.asked.isEmpty());
    const QString imported = delegate->currentSong()->path();
    EXPECT_EQ(QFileInfo(imported).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(fileText(imported), QStringLiteral("{title: Given}\n[C]la"));
    EXPECT_TRUE(QFile::exists(path)) << "the given file stays where it is";
}

TEST_F(AppDelegateTest, OpeningASongOfTheLibraryShowsItWithoutACopy)
{
    const SongPtr inside = writeSong(QStringLiteral("Hymns/b.pro"), QStringLiteral("{title: B}\nla"));
    launch(folder.path());
    delegate->songs()->setCurrentCategory(QStringLiteral("Hymns"));
    delegate->songs()->refresh();
    const QStringList before = QDir(folder.filePath(QStringLiteral("Hymns"))).entryList(QDir::Files);

    delegate->openSong(std::make_shared<Song>(inside->path()));
    EXPECT_EQ(delegate->currentSong()->path(), inside->path());
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("Hymns"))).entryList(QDir::Files), before);
    EXPECT_EQ(delegate->songs()->currentCategory(), std::nullopt) << "the list goes to all songs";
    EXPECT_EQ(delegate->prefs()->currentSong(), std::optional<QString>(QStringLiteral("B")));

    // A song of another category than the current one is imported into the current one as a copy.
    const SongPtr other = writeSong(QStringLiteral("Other/c.pro"), QStringLiteral("{title: C}\nla"));
    delegate->songs()->setCurrentCategory(QStringLiteral("Hymns"));
    delegate->songs()->refresh();
    delegate->openSong(std::make_shared<Song>(other->path()));
    EXPECT_EQ(QFileInfo(delegate->currentSong()->path()).dir().dirName(), QStringLiteral("Hymns"));
    EXPECT_TRUE(QFile::exists(other->path()));
}

TEST_F(AppDelegateTest, AFileThatCannotBeReadIsNotImported)
{
    launch(folder.path());
    const SongPtr shown = writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nla"));
    delegate->setCurrentSong(shown);
    QTemporaryDir outside;
    // A folder named like a song cannot be read as one.
    const QString unreadable = outside.filePath(QStringLiteral("broken.pro"));
    ASSERT_TRUE(QDir().mkpath(unreadable));

    const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files);
    delegate->openSong(std::make_shared<Song>(unreadable));
    EXPECT_EQ(delegate->currentSong(), shown);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("The file broken.pro could not be read."));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), filesBefore) << "no empty song imported";
}

// The desktop may hand over any file; only song files become songs, the rest would land in the song folder.
TEST_F(AppDelegateTest, AFileThatIsNoSongFileIsRefusedNotImported)
{
    launch(folder.path());
    QTemporaryDir outside;
    const QStringList files = {QStringLiteral("Stage.vellorinlayout"), QStringLiteral("Big.vellorinfontsettings"),
                               QStringLiteral("Sunday.lst"), QStringLiteral("notes.odt")};
    const QStringList filesBefore = QDir(folder.path()).entryList(QDir::Files);
    LogCapture log;
    for (const QString &name : files) {
        const QString path = outside.filePath(name);
        ASSERT_TRUE(TextFile::write(path, QStringLiteral("{\"a\": 1}")));
        dialogs.asked.clear();
        EXPECT_FALSE(delegate->openFile(path)) << qPrintable(name);
        ASSERT_EQ(dialogs.asked.size(), 1) << qPrintable(name);
        EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("The file %1 could not be read.").arg(name));
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Not opening ") + path)) << qPrintable(name);
    }
    QTest::qWait(1200); // past the moment a song file would be opened
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), filesBefore);
    EXPECT_EQ(delegate->currentSong(), nullptr);
}

TEST_F(AppDelegateTest, APdfGivenOnTheCommandLineIsOpenedAsAPdfSong)
{
    launch(folder.path());
    QTemporaryDir outside;
    const QString path = outside.filePath(QStringLiteral("Sheet.pdf"));
    const QByteArray bytes("%PDF-1.4 not read as song text");
    ASSERT_TRUE(TextFile::writeBytes(path, bytes));
    delegate->openFile(path);
    ASSERT_TRUE(QTest::qWaitFor([this] { return delegate->currentSong() != nullptr; }, 3000));
    EXPECT_NE(dynamic_cast<PDFSong *>(delegate->currentSong().get()), nullptr);
    EXPECT_FALSE(delegate->isNormalSong());
    const QString imported = delegate->currentSong()->path();
    EXPECT_EQ(imported, QDir(QFileInfo(folder.path()).absoluteFilePath()).filePath(QStringLiteral("Sheet.pdf")));
    EXPECT_EQ(fileBytes(imported), bytes) << "copied as it is";
}

TEST_F(AppDelegateTest, TheMainWindowShowsTheCurrentSong)
{
    launch(folder.path());
    delegate->window()->resize(700, 500);
    delegate->setCurrentSong(
        writeSong(QStringLiteral("grace.pro"), QStringLiteral("{title: Amazing Grace}\n{subtitle: John Newton}\n"
                                                              "[G]Amazing [G7]grace, how [C]sweet the [G]sound\n"
                                                              "That [G]saved a [Em]wretch like [D]me\n")));
    QCoreApplication::processEvents();
    const QImage shot = delegate->window()->grab().toImage();
    if (qEnvironmentVariableIsSet("VELLORIN_SCREENSHOT"))
        shot.save(qEnvironmentVariable("VELLORIN_SCREENSHOT"));

    // The song pane is not blank: below the toolbar, a good share of its pixels differ from its background.
    const QWidget *pane = delegate->songViewViewController()->songScrollView()->viewport();
    const QRect area(pane->mapTo(delegate->window(), QPoint(0, 0)), pane->size());
    const QRgb background = shot.pixel(area.bottomRight() - QPoint(5, 5));
    int inked = 0;
    for (int y = area.top(); y < area.top() + 150; ++y)
        for (int x = area.left(); x < area.left() + 400; ++x)
            inked += shot.pixel(x, y) != background;
    EXPECT_GT(inked, 500);
}

TEST_F(AppDelegateTest, TheToolbarsZoomControlsDriveThePane)
{
    launch(folder.path());
    MainWindow &window = *delegate->window();
    SongDisplay &view = delegate->songViewViewController()->songView();
    window.zoomSlider()->setValue(200);
    EXPECT_FLOAT_EQ(view.zoomScale(), 2.0f);
    window.zoomInButton()->click();
    EXPECT_FLOAT_EQ(view.zoomScale(), 2.1f);
    EXPECT_EQ(window.zoomSlider()->value(), 210);

    // Auto-zoom fits a long song into a small pane: the slider shows the zoom it chose, and auto-zoom stays on.
    QString longSong = QStringLiteral("{title: Long}\n");
    for (int line = 0; line < 80; ++line)
        longSong += QStringLiteral("[C]A line of words, number %1\n").arg(line);
    delegate->setCurrentSong(writeSong(QStringLiteral("long.pro"), longSong));
    window.resize(900, 400);
    window.show();
    QCoreApplication::processEvents();
    window.autoZoomButton()->click();
    EXPECT_TRUE(delegate->prefs()->autozoom());
    EXPECT_LT(view.zoomScale(), 1.0f);
    EXPECT_EQ(window.zoomSlider()->value(), qRound(view.zoomScale() * 100));
    EXPECT_TRUE(window.autoZoomButton()->isChecked());
    // Auto-zoom off: back to the zoom set, and the slider with it.
    window.autoZoomButton()->click();
    EXPECT_FLOAT_EQ(view.zoomScale(), 2.1f);
    EXPECT_EQ(window.zoomSlider()->value(), 210);

    window.autoZoomButton()->click();
    // A manual zoom ends auto-zoom, and the button shows it.
    window.zoomOutButton()->click();
    EXPECT_FALSE(delegate->prefs()->autozoom());
    EXPECT_FALSE(window.autoZoomButton()->isChecked());
}

TEST_F(AppDelegateTest, TheLaunchCountsAUseAndAsksForAReviewOnceUsedLongEnough)
{
    AppReviewManager &review = AppReviewManager::defaultManager();
    const auto key = [&review](AppReviewManager::KeyType type) { return review.keyForAppReviewManagerKeyType(type); };
    const auto clearStore = [&review] {
        for (const QString &stored : review.allKeys())
            UserDefaults::remove(stored);
    };
    // Used 25 times since long ago, by this version.
    makeDelegate();
    EXPECT_EQ(review.appID(), QStringLiteral("1000000001"));
    clearStore();
    UserDefaults::setValue(key(AppReviewManager::CurrentVersion), QCoreApplication::applicationVersion());
    UserDefaults::setValue(key(AppReviewManager::FirstUseDate), 1.0);
    UserDefaults::setValue(key(AppReviewManager::UseCount), 25);
    UserDefaults::setValue(songDirKey, folder.path());
    dialogs.answers = {Dialogs::Answer::Alternate};
    delegate->applicationDidFinishLaunching();
    EXPECT_EQ(UserDefaults::value(key(AppReviewManager::UseCount)).toInt(), 26);
    QCoreApplication::processEvents();

    QStringList asked;
    for (const Dialogs::Alert &alert : dialogs.asked)
        asked.append(alert.title);
    EXPECT_EQ(asked.filter(QStringLiteral("Rate ")).size(), 1) << asked.join(u'|').toStdString();
    EXPECT_TRUE(review.userHasDeclinedToRate()) << "the answer went to the prompt, through the program's dialogs";
    clearStore();
}
