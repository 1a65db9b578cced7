// A song's file: reading it whatever its encoding and line ends, writing it back, and naming new files.
#include "song.h"

#include "failingwrites.h"
#include "fakeappcontext.h"
#include "logcapture.h"
#include "testfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

class SongFile : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        return TestFiles::write(folder.filePath(name), bytes);
    }

    QTemporaryDir folder;
    FakeAppContext context;
};

} // namespace

TEST_F(SongFile, ANewSong)
{
    Song song;
    EXPECT_EQ(song.text(), QStringLiteral("{title: }\n{subtitle: }\n"));
    EXPECT_EQ(song.title(), QString());
    song.refreshTitleSubtitle();
    EXPECT_EQ(song.title(), QStringLiteral("(No Title)"));
    EXPECT_TRUE(song.path().isEmpty());
    EXPECT_FALSE(song.isSampleSong());
}

TEST_F(SongFile, Windows1252IsSavedBackAsUtf8WithoutBom)
{
    const QString path = write(QStringLiteral("cafe.pro"), QByteArray("{title: Caf\xE9 \x93noir\x94}\n[Am]\x80uro\n"));
    Song song(path);
    const QString text = QStringLiteral("{title: Caf\u00e9 \u201cnoir\u201d}\n[Am]\u20acuro\n");
    EXPECT_EQ(song.text(), text);
    EXPECT_EQ(song.title(), QStringLiteral("Caf\u00e9 \u201cnoir\u201d"));
    ASSERT_TRUE(song.save());
    EXPECT_EQ(TestFiles::read(path), text.toUtf8());
    EXPECT_EQ(context.fsRefreshPauses, 1);
    EXPECT_TRUE(song.reloadFromDisk());
    EXPECT_EQ(song.text(), text);
}

// One Windows-1252 byte pasted into a UTF-8 song once made the whole file read as Windows-1252, and the next
// save wrote every other accent back double-encoded.
TEST_F(SongFile, AStrayByteInUtf8KeepsTheOtherAccentsWhole)
{
    const QString path = write(QStringLiteral("gruss.pro"), QByteArray("{title: Gr\xC3\xBC\xC3\x9F"
                                                                       "e aus M\xC3\xBCnchen}\n[G]caf\xE9\n"));
    Song song(path);
    ASSERT_TRUE(song.setCapo(2));
    EXPECT_EQ(TestFiles::read(path), QByteArray("{title: Gr\xC3\xBC\xC3\x9F"
                                                "e aus M\xC3\xBCnchen}\n{Capo: 2}\n[G]caf\xC3\xA9\n"));
}

TEST_F(SongFile, TextKeepsItsLineEndsAndLosesTheBom)
{
    struct Case
    {
        const char *what;
        QByteArray bytes;
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {"UTF-8 BOM", QByteArray("\xEF\xBB\xBF{title: B}\nla"), QStringLiteral("{title: B}\nla"), {"{title: B}", "la"}},
        {"UTF-16 BOM", QByteArray("\xFF\xFE{\0t\0:\0B\0}\0", 12), QStringLiteral("{t:B}"), {"{t:B}"}},
        {"CRLF", QByteArray("{title: B}\r\nla\r\n"), QStringLiteral("{title: B}\r\nla\r\n"), {"{title: B}", "la"}},
        {"CR only", QByteArray("{title: B}\rla\r"), QStringLiteral("{title: B}\rla\r"), {"{title: B}", "la"}},
    };
    for (const Case &c : cases) {
        const QString path = write(QStringLiteral("lines.pro"), c.bytes);
        Song song(path);
        EXPECT_EQ(song.text(), c.text) << c.what;
        EXPECT_EQ(song.title(), QStringLiteral("B")) << c.what;
        QStringList lines;
        TextRange range;
        while (const std::optional<QString> line = Song::getNextLineForText(song.text(), range))
            lines.append(*line);
        EXPECT_EQ(lines, c.lines) << c.what;
        ASSERT_TRUE(song.save()) << c.what;
        EXPECT_EQ(TestFiles::read(path), c.text.toUtf8()) << c.what;
    }
}

TEST_F(SongFile, AFileThatCannotBeReadIsNeverWrittenOver)
{
    LogCapture log;
    const QString path = folder.filePath(QStringLiteral("Gone Song.pro"));
    Song song(path);
    EXPECT_TRUE(song.loadFailed());
    EXPECT_TRUE(song.text().isEmpty());
    EXPECT_EQ(song.title(), QStringLiteral("Gone Song"));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error reading ") + path));

    EXPECT_FALSE(song.setCapo(2));
    EXPECT_FALSE(song.setKey(QStringLiteral("G")));
    EXPECT_TRUE(song.text().isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing ") + path));
    EXPECT_EQ(context.fsRefreshPauses, 0);

    // Once the file can be read, the song is whole again.
    write(QStringLiteral("Gone Song.pro"), "{title: Back}");
    EXPECT_TRUE(song.reloadFromDisk());
    EXPECT_FALSE(song.loadFailed());
    EXPECT_TRUE(song.setCapo(2));
    EXPECT_EQ(TestFiles::read(path), QByteArray("{title: Back}\n{Capo: 2}"));
}

TEST_F(SongFile, AFailedSaveIsReportedAndLogged)
{
    LogCapture log;
    Song song;
    song.setPath(folder.filePath(QStringLiteral("no/such/folder/x.pro")));
    EXPECT_FALSE(song.save());
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing ") + song.path() + QStringLiteral(": ")));

    Song withoutFolder; // no settings, so no song folder to put a new song in
    EXPECT_FALSE(withoutFolder.save());
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing ")));
}

TEST_F(SongFile, AFullDiskKeepsTheOldFileAndAddsNoNewOne)
{
    const QByteArray old = "{title: Grace}\n[G]Amazing grace";
    const QString path = write(QStringLiteral("Grace.pro"), old);
    for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
        const FailingWrites failing(step);
        LogCapture log;
        Song song(path);
        EXPECT_FALSE(song.setCapo(3)) << int(step);
        EXPECT_EQ(TestFiles::read(path), old) << int(step);
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing ") + path)) << int(step);

        Song newSong;
        newSong.setPath(folder.filePath(QStringLiteral("New.pro")));
        EXPECT_FALSE(newSong.save()) << int(step);
        EXPECT_FALSE(QFile::exists(newSong.path())) << int(step);
    }
}

// A metadata change that could not be written stayed in memory, so the song showed what its file did not hold.
TEST_F(SongFile, AChangeThatCannotBeWrittenIsTakenBackWithTheReason)
{
    const QString old = QStringLiteral("{title: Grace}\n{capo: 2}\n{tag: hymn}\n[G]Amazing grace");
    const QString path = write(QStringLiteral("Grace.pro"), old.toUtf8());
    const std::function<bool(Song &)> changes[] = {
        [](Song &song) { return song.setCapo(3); },
        [](Song &song) { return song.setCapo(0); },
        [](Song &song) { return song.addTag(QStringLiteral("gig")); },
        [](Song &song) { return song.deleteTag(QStringLiteral("hymn")); },
        [](Song &song) { return song.setPlayingTime(185); },
        [](Song &song) { return song.setKey(QStringLiteral("A")); },
    };
    const FailingWrites failing(TextFile::WriteStep::Flush);
    Song song(path);
    for (size_t i = 0; i < std::size(changes); ++i) {
        EXPECT_FALSE(changes[i](song)) << i;
        EXPECT_EQ(song.text(), old) << i;
        EXPECT_EQ(song.capo(), 2) << i;
        EXPECT_EQ(song.tags(), QSet<QString>({QStringLiteral("hymn")})) << i;
        EXPECT_EQ(song.playingTime(), 0) << i;
        EXPECT_TRUE(song.saveFailure().startsWith(QStringLiteral("flush failed"))) << song.saveFailure().toStdString();
    }
    EXPECT_EQ(TestFiles::read(path), old.toUtf8());
}

// A song edited in another program (or brought by a sync tool) while it was open was overwritten by the next save.
TEST_F(SongFile, AFileChangedByAnotherProgramIsReadAgainNotOverwritten)
{
    struct Case
    {
        const char *what;
        QByteArray other;
        bool sameSize;
    };
    const Case cases[] = {
        {"another size", "{title: Theirs, longer}\n", false},
        {"the same size at another time", "{title: Theirs}\n", true},
    };
    for (const Case &c : cases) {
        const QString path = write(QStringLiteral("s.pro"), "{title: Mine!}\n");
        Song song(path);
        write(QStringLiteral("s.pro"), c.other);
        if (c.sameSize) { // a second later, as a file system with coarse times may only tell
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(QFileInfo(path).lastModified().addSecs(1), QFileDevice::FileModificationTime));
        }
        EXPECT_TRUE(song.fileChangedOnDisk()) << c.what;
        LogCapture log;
        EXPECT_FALSE(song.setCapo(2)) << c.what;
        EXPECT_EQ(TestFiles::read(path), c.other) << c.what;
        EXPECT_EQ(song.text(), QString::fromUtf8(c.other)) << c.what << ": the song shows the other program's text";
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing ") + path)) << c.what;

        // Read again, it is the song's own file: saves go on, and a save of its own is no change.
        EXPECT_FALSE(song.fileChangedOnDisk()) << c.what;
        ASSERT_TRUE(song.setCapo(2)) << c.what;
        ASSERT_TRUE(song.setCapo(3)) << c.what;
    }
}

TEST_F(SongFile, OverwritingAChangedFileIsAChoice)
{
    const QString path = write(QStringLiteral("s.pro"), "{title: Mine}\n");
    Song song(path);
    write(QStringLiteral("s.pro"), "{title: Theirs}\n");
    song.setText(QStringLiteral("{title: Mine}\nedited\n"));
    song.forgetChangeOnDisk();
    ASSERT_TRUE(song.save());
    EXPECT_EQ(TestFiles::read(path), "{title: Mine}\nedited\n");

    // A file that is gone loses nothing: the save writes it again.
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(song.fileChangedOnDisk());
    EXPECT_TRUE(song.save());
}

TEST_F(SongFile, ReloadClearsEveryCachedValue)
{
    const QString path = write(QStringLiteral("r.pro"), "{title: R}\n{tempo: 40}\n{time: 1:00}\n{key: G}\n"
                                                        "{metronome: 90}\n{zoom: 1.5}\n[C]la");
    Song song(path);
    EXPECT_EQ(song.tempo(), 40);
    EXPECT_EQ(song.playingTime(), 60);
    EXPECT_EQ(song.key(), QStringLiteral("G"));
    EXPECT_EQ(song.tempoMetronome(), 90);
    EXPECT_FLOAT_EQ(song.zoomScale(), 1.5f);
    EXPECT_EQ(song.plainText(), QStringLiteral("\n\n\n\n\n\nla"));

    write(QStringLiteral("r.pro"), "{title: S}\n{tempo: 41}\n{time: 2:00}\n{key: A}\n{metronome: 91}\n{zoom: 2}\nlu");
    ASSERT_TRUE(song.reloadFromDisk());
    EXPECT_EQ(song.title(), QStringLiteral("S"));
    EXPECT_EQ(song.tempo(), 41);
    EXPECT_EQ(song.playingTime(), 120);
    EXPECT_EQ(song.key(), QStringLiteral("A"));
    EXPECT_EQ(song.tempoMetronome(), 91);
    EXPECT_FLOAT_EQ(song.zoomScale(), 2.0f);
    EXPECT_EQ(song.plainText(), QStringLiteral("\n\n\n\n\n\nlu"));
}

TEST_F(SongFile, UniqueNames)
{
    for (const char *name : {"Song.pro", "Song1.pro", "SONG2.PRO", ".Hidden.pro"})
        write(QString::fromUtf8(name), "x");
    struct Case
    {
        const char *what;
        QString fileName;
        QString expected;
    };
    const Case cases[] = {
        {"case variants are taken", QStringLiteral("Song.pro"), QStringLiteral("Song3.pro")},
        {"forbidden characters removed", QStringLiteral("My Song: Live - A/B.pro"),
         QStringLiteral("My Song Live - AB.pro")},
        {"all of them", QStringLiteral("a/\"|\\:~<>*?.b.pro"), QStringLiteral("ab.pro")},
        {"never hidden", QStringLiteral(".Hidden.pro"), QStringLiteral("Hidden.pro")},
        {"nothing left", QStringLiteral("....pro"), QStringLiteral("Song3.pro")},
        {"control characters", QStringLiteral("a\nb\u0000c.pro"), QStringLiteral("abc.pro")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Song::uniqueNameForFile(c.fileName, folder.path()), c.expected) << c.what;
}

TEST_F(SongFile, UniqueNamesFitTheFileSystem)
{
    // 122 two-byte letters, then a four-byte emoji right at the cut: 248 bytes at most (room for the 7 bytes a
    // save's temporary name adds), whole characters only.
    const QString title = QString(122, QChar(0x00E9)) + QStringLiteral("\U0001F3B8xyz");
    const QString name = Song::uniqueNameForFile(title + QStringLiteral(".pro"), folder.path());
    EXPECT_LE(name.toUtf8().size(), 248);
    EXPECT_TRUE(name.endsWith(QStringLiteral(".pro")));
    EXPECT_EQ(name, QString(122, QChar(0x00E9)) + QStringLiteral(".pro"));
    write(name, "x");
    const QString second = Song::uniqueNameForFile(title + QStringLiteral(".pro"), folder.path());
    EXPECT_LE(second.toUtf8().size(), 248);
    EXPECT_EQ(second, QString(121, QChar(0x00E9)) + QStringLiteral("1.pro"));
}

TEST_F(SongFile, PastAHundredNamesNothingIsWrittenOver)
{
    LogCapture log;
    write(QStringLiteral("Song.pro"), "x");
    for (int i = 1; i < 100; ++i)
        write(QStringLiteral("Song%1.pro").arg(i), "x");
    EXPECT_EQ(Song::uniqueNameForFile(QStringLiteral("Song.pro"), folder.path()), QStringLiteral("Song100.pro"));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("Serious error, could not create unique file for Song.pro")});
}

TEST_F(SongFile, AVersionAnotherProgramWroteAfterTheSongsOwnWriteIsReadNotOverwritten)
{
    const QString path = write(QStringLiteral("Song.pro"), "{title: Song}\nmine");
    Song song(path);
    song.setText(QStringLiteral("{title: Song}\nmine, edited"));
    ASSERT_TRUE(song.save());
    ASSERT_TRUE(song.save()) << "its own write is no change of another program";

    // A sync service brings another version after the song wrote its file.
    write(QStringLiteral("Song.pro"), "{title: Song}\ntheirs");
    ASSERT_TRUE(song.fileChangedOnDisk());
    const LogCapture log;
    EXPECT_FALSE(song.setCapo(3));
    EXPECT_EQ(TestFiles::read(path), "{title: Song}\ntheirs");
    EXPECT_EQ(song.text(), QStringLiteral("{title: Song}\ntheirs"));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing ") + path));

    // A file that is gone is simply written again; a new path is the user's choice to replace what is there.
    QFile::remove(path);
    ASSERT_TRUE(song.save());
    write(QStringLiteral("Chosen.pro"), "{title: Chosen}");
    song.setPath(folder.filePath(QStringLiteral("Chosen.pro")));
    ASSERT_TRUE(song.save());
    EXPECT_EQ(TestFiles::read(folder.filePath(QStringLiteral("Chosen.pro"))), "{title: Song}\ntheirs");
}
