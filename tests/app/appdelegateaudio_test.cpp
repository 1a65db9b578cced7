// Linking a recording to the current song: where the file lies decides whether it is copied into the song folder,
// a text song names it and takes its duration, a PDF song takes it by name; and the play command.
#include "appdelegatefixture.h"
#include "fakeaudiodurationprobe.h"
#include "fakeaudioplayer.h"
#include "logcapture.h"

#include "pdfsong.h"
#include "songviewviewcontroller.h"

#include <QCoreApplication>
#include <QTest>

#include <unistd.h>

namespace {

class LinkMusicTest : public AppDelegateTest
{
protected:
    void SetUp() override
    {
        AppDelegateTest::SetUp();
        // The song folder lies in a folder of its own, so a sibling folder can be made beside it.
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("Vellorin")));
        songFolder = root.filePath(QStringLiteral("Vellorin"));
        launch(songFolder);
        delegate->setAudioDurationProbe(probe);
        pane()->setAudioDurationProbe(paneProbe);
        pane()->setAudioPlayerFactory([] { return std::make_unique<FakeAudioPlayer>(); });
    }

    SongViewViewController *pane() const { return delegate->songViewViewController(); }

    static QString write(const QString &path, const QByteArray &bytes)
    {
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    SongPtr showSong(const QString &text)
    {
        const QString path = QDir(songFolder).filePath(QStringLiteral("song.pro"));
        EXPECT_TRUE(TextFile::write(path, text));
        const SongPtr song = std::make_shared<Song>(path);
        delegate->setCurrentSong(song);
        // The song pane refreshes on the next pass of the event loop.
        QCoreApplication::processEvents();
        calls.calls.clear();
        return song;
    }

    // Chooses the file in the panel and answers the copy question (when asked) with answer.
    void link(const QString &file, Dialogs::Answer answer = Dialogs::Answer::Default)
    {
        dialogs.openPanelAnswers.push_back({file});
        dialogs.answers.push_back(answer);
        delegate->linkWithMusic();
    }

    // The duration read for the last request, then the queued refresh.
    void finish(double seconds)
    {
        if (!probe.requests.isEmpty())
            probe.answer(int(probe.requests.size()) - 1, seconds);
        QCoreApplication::processEvents();
    }

    QString songText() const { return fileText(QDir(songFolder).filePath(QStringLiteral("song.pro"))); }

    QTemporaryDir root;
    QString songFolder;
    // The delegate's, asked when linking; the pane's, asked by each refresh.
    FakeAudioDurationProbe probe;
    FakeAudioDurationProbe paneProbe;
};

} // namespace

TEST_F(LinkMusicTest, PanelOffersOneRecordingOfTheAudioTypes)
{
    showSong(QStringLiteral("{title: S}\n"));
    delegate->linkWithMusic();
    ASSERT_EQ(dialogs.openPanelsShown.size(), 1);
    const Dialogs::OpenPanel &panel = dialogs.openPanelsShown.constFirst();
    EXPECT_EQ(panel.message, QStringLiteral("Select MP3 to link with song"));
    EXPECT_EQ(panel.prompt, QStringLiteral("Link With Music"));
    EXPECT_FALSE(panel.allowsMultipleSelection);
    for (const char *type : {"mp3", "wav", "aac", "aif", "aiff", "m4a"})
        EXPECT_TRUE(panel.allowedTypes.contains(QString::fromLatin1(type))) << type;
    // Cancelled: nothing asked, nothing written.
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(songText(), QStringLiteral("{title: S}\n"));
}

TEST_F(LinkMusicTest, FileInTheSongFolderIsLinkedWhereItLiesWithoutAsking)
{
    struct Case
    {
        const char *file;
        const char *linked;
    };
    for (const Case &c : {Case{"a.mp3", "a.mp3"}, Case{"Cat/file.mp3", "Cat/file.mp3"}}) {
        SCOPED_TRACE(c.file);
        const SongPtr song = showSong(QStringLiteral("{title: S}\n"));
        link(write(QDir(songFolder).filePath(QString::fromLatin1(c.file)), "sound"));
        finish(185.9);
        EXPECT_TRUE(dialogs.asked.isEmpty());
        EXPECT_TRUE(songText().contains(QStringLiteral("{musicpath: %1}").arg(QString::fromLatin1(c.linked))))
            << songText().toStdString();
        // The playing time comes from the recording, whole seconds.
        EXPECT_TRUE(songText().contains(QStringLiteral("{time: 3:05}"))) << songText().toStdString();
        EXPECT_EQ(Song(song->path()).playingTime(), 185);
        EXPECT_EQ(probe.requests.last().path, QDir(songFolder).filePath(QString::fromLatin1(c.file)));
        EXPECT_TRUE(pane()->audioToolbarVisible());
        EXPECT_EQ(pane()->audioPath(), QDir(songFolder).filePath(QString::fromLatin1(c.file)));
        EXPECT_GE(calls.count(QStringLiteral("songList.refresh")), 1);
    }
}

TEST_F(LinkMusicTest, FileFromElsewhereIsCopiedIntoTheSongFolderWhenTheUserAgrees)
{
    // A folder whose name only begins with the song folder's lies outside it.
    const QString sibling = write(root.filePath(QStringLiteral("Vellorin Backup/take.mp3")), "new take");
    write(QDir(songFolder).filePath(QStringLiteral("take.mp3")), "old take");
    showSong(QStringLiteral("{title: S}\n{time: 2:00}\n"));
    link(sibling);
    finish(0);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked.constFirst().title, QStringLiteral("Copy File"));
    EXPECT_EQ(dialogs.asked.constFirst().informativeText,
              QStringLiteral("File needs to be copied into Vellorin folder"));
    // Another song's recording of that name keeps its file; the copy takes a name of its own.
    EXPECT_EQ(fileBytes(QDir(songFolder).filePath(QStringLiteral("take.mp3"))), QByteArray("old take"));
    EXPECT_EQ(fileBytes(QDir(songFolder).filePath(QStringLiteral("take1.mp3"))), QByteArray("new take"));
    EXPECT_EQ(fileBytes(sibling), QByteArray("new take"));
    EXPECT_TRUE(songText().contains(QStringLiteral("{musicpath: take1.mp3}"))) << songText().toStdString();
    // A song that has a playing time keeps it, and nothing is read for it.
    EXPECT_TRUE(songText().contains(QStringLiteral("{time: 2:00}"))) << songText().toStdString();
    EXPECT_TRUE(probe.requests.isEmpty());
}

TEST_F(LinkMusicTest, TheSongFoldersOwnFileUnderAnotherPathIsLinkedWithoutACopy)
{
    const QString own = write(QDir(songFolder).filePath(QStringLiteral("take.mp3")), "take");
    const QString elsewhere = root.filePath(QStringLiteral("elsewhere/take.mp3"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(elsewhere).path()));
    ASSERT_EQ(::link(QFile::encodeName(own).constData(), QFile::encodeName(elsewhere).constData()), 0);
    showSong(QStringLiteral("{title: S}\n{time: 2:00}\n"));
    link(elsewhere);
    finish(0);
    EXPECT_TRUE(songText().contains(QStringLiteral("{musicpath: take.mp3}"))) << songText().toStdString();
    EXPECT_EQ(QDir(songFolder).entryList({QStringLiteral("*.mp3")}), QStringList({"take.mp3"}));
}

TEST_F(LinkMusicTest, CancelledCopyLinksNothing)
{
    const QString outside = write(root.filePath(QStringLiteral("elsewhere/take.mp3")), "take");
    showSong(QStringLiteral("{title: S}\n"));
    link(outside, Dialogs::Answer::Alternate);
    finish(10);
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_FALSE(QFile::exists(QDir(songFolder).filePath(QStringLiteral("take.mp3"))));
    EXPECT_EQ(songText(), QStringLiteral("{title: S}\n"));
    EXPECT_FALSE(pane()->audioToolbarVisible());
}

TEST_F(LinkMusicTest, FailedCopyIsLoggedToldAndLinksNothing)
{
    const QString outside = root.filePath(QStringLiteral("gone.mp3"));
    showSong(QStringLiteral("{title: S}\n"));
    LogCapture log;
    link(outside);
    finish(10);
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Could not copy %1 to %2: ").arg(outside, songFolder)))
        << log.lines().join(u'\n').toStdString();
    EXPECT_EQ(songText(), QStringLiteral("{title: S}\n"));
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked.at(1).title,
              QStringLiteral("The copy of the recording \u201cgone.mp3\u201d could not be saved."));
    EXPECT_TRUE(dialogs.asked.at(1).informativeText.endsWith(QStringLiteral("Nothing on disk was changed.")));
}

TEST_F(LinkMusicTest, PdfSongTakesItsRecordingByNameAndKeepsItsOwn)
{
    const QString pdfPath = write(QDir(songFolder).filePath(QStringLiteral("Sheet.pdf")), "%PDF-1.4\n");
    const QString ownMp3 = QDir(songFolder).filePath(QStringLiteral("Sheet.mp3"));
    const SongPtr pdf = std::make_shared<PDFSong>(pdfPath);
    delegate->setCurrentSong(pdf);

    // From elsewhere: asked, copied to the PDF's name.
    link(write(root.filePath(QStringLiteral("elsewhere/take.mp3")), "take"));
    finish(0);
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(fileBytes(ownMp3), QByteArray("take"));
    EXPECT_EQ(fileBytes(pdfPath), QByteArray("%PDF-1.4\n"));
    EXPECT_TRUE(probe.requests.isEmpty());

    // Its own recording chosen again: asked as always, and nothing is deleted or copied.
    link(ownMp3);
    finish(0);
    EXPECT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(fileBytes(ownMp3), QByteArray("take"));
}

TEST_F(LinkMusicTest, PlayMusicLinksFirstThenStartsAndStops)
{
    showSong(QStringLiteral("{title: S}\n"));
    EXPECT_TRUE(delegate->canLinkMusic());
    EXPECT_FALSE(delegate->canPlayMusic());
    delegate->playMusic();
    EXPECT_EQ(dialogs.openPanelsShown.size(), 1);

    write(QDir(songFolder).filePath(QStringLiteral("a.mp3")), "sound");
    showSong(QStringLiteral("{title: S}\n{musicpath: a.mp3}\n"));
    EXPECT_TRUE(delegate->canPlayMusic());
    delegate->playMusic();
    EXPECT_TRUE(pane()->isAudioPlaying());
    EXPECT_TRUE(pane()->audioToolbarVisible());
    delegate->playMusic();
    EXPECT_FALSE(pane()->isAudioPlaying());
    EXPECT_EQ(dialogs.openPanelsShown.size(), 1);
}

TEST_F(LinkMusicTest, PathRelativeToTheSongFolderGoesByWholeFolderNames)
{
    const QDir folder(songFolder);
    const std::pair<QString, std::optional<QString>> cases[] = {
        {folder.filePath(QStringLiteral("a.mp3")), QStringLiteral("a.mp3")},
        {folder.filePath(QStringLiteral("Cat/b.mp3")), QStringLiteral("Cat/b.mp3")},
        {root.filePath(QStringLiteral("Vellorin/../Vellorin/c.mp3")), QStringLiteral("c.mp3")},
        {root.filePath(QStringLiteral("Vellorin Backup/a.mp3")), std::nullopt},
        {root.filePath(QStringLiteral("a.mp3")), std::nullopt},
        {songFolder, std::nullopt},
    };
    for (const auto &[path, expected] : cases)
        EXPECT_EQ(delegate->pathRelativeToVellorinFolder(path), expected) << path.toStdString();
}
