// PDF files as songs: named by their file, searched by their text, moved between categories, never written.
#include "pdfsong.h"

#include "fakeappcontext.h"
#include "logcapture.h"
#include "prefs.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PDFSongTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        prefs.setSongDirectoryPath(folder.path());
        context.prefsObject = &prefs;
    }

    // A one-page PDF with a line of text.
    QString writePdf(const QString &name, const QString &text)
    {
        const QString path = folder.filePath(name);
        QPdfWriter writer(path);
        QPainter painter(&writer);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 24));
        painter.drawText(QPointF(200, 600), text);
        painter.end();
        return path;
    }
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir folder;
    FakeAppContext context;
    Prefs prefs;
};

} // namespace

TEST_F(PDFSongTest, IsNamedByItsFile)
{
    for (const char *path : {"a/Hallelujah.PDF", "x.pdf"})
        EXPECT_TRUE(PDFSong::isPDF(path)) << path;
    for (const char *path : {"a.pro", "pdf", "a.pdf.txt"})
        EXPECT_FALSE(PDFSong::isPDF(path)) << path;

    PDFSong song(folder.filePath("Halle lujah.PDF"));
    EXPECT_EQ(song.title(), "Halle lujah");
    EXPECT_EQ(song.subtitle(), "PDF");
    EXPECT_EQ(song.titleSubtitleReference(), "Halle lujah - PDF");
    EXPECT_EQ(song.titleSubtitleRefCondensed(), "HallelujahPDF");
    EXPECT_EQ(song.text(), "{title: }\n{subtitle: }\n");
    song.refreshTitleSubtitle();
    EXPECT_EQ(song.title(), "Halle lujah");
}

TEST_F(PDFSongTest, ReadsItsTextAndFindsItsAudio)
{
    const QString path = writePdf("Hallelujah.pdf", "Hallelujah chorus");
    const QByteArray bytes = read(path);
    PDFSong song(path);
    EXPECT_TRUE(song.date().isValid());
    EXPECT_TRUE(song.plainText().contains("Hallelujah chorus")) << song.plainText().toStdString();
    EXPECT_EQ(song.musicpath(), "");
    const QString audio = writeFile("Hallelujah.mp3", "x");
    EXPECT_EQ(song.musicpath(), audio);

    // A PDF is never read as song text nor written over, whatever asks.
    EXPECT_TRUE(song.reloadFromDisk());
    EXPECT_EQ(song.text(), "{title: }\n{subtitle: }\n");
    LogCapture log;
    EXPECT_FALSE(song.save());
    EXPECT_FALSE(song.addTag("rock"));
    EXPECT_TRUE(log.hasLineStartingWith("Error writing " + path));
    EXPECT_EQ(read(path), bytes);
    EXPECT_EQ(context.fsRefreshPauses, 0);
}

TEST_F(PDFSongTest, AFileThatIsNoPdfHasNoText)
{
    PDFSong broken(writeFile("broken.pdf", "not a pdf"));
    EXPECT_EQ(broken.plainText(), "");
    PDFSong missing(folder.filePath("missing.pdf"));
    EXPECT_EQ(missing.plainText(), "");
    EXPECT_FALSE(missing.date().isValid());
}

TEST_F(PDFSongTest, MovesBetweenCategories)
{
    const QByteArray bytes("%PDF-1.4 ...");
    PDFSong song(writeFile("Song.pdf", bytes));
    ASSERT_TRUE(song.changeCategory("", false)); // where it is already
    EXPECT_EQ(song.path(), folder.filePath("Song.pdf"));

    ASSERT_TRUE(song.changeCategory("Rock", false));
    EXPECT_EQ(song.category(), "Rock");
    EXPECT_EQ(song.path(), folder.filePath("Rock/Song.pdf"));
    EXPECT_EQ(read(song.path()), bytes);
    EXPECT_FALSE(QFile::exists(folder.filePath("Song.pdf")));

    // A file of the same name in the destination is never replaced.
    writeFile("Song.pdf", "other");
    LogCapture log;
    EXPECT_FALSE(song.changeCategory("", false));
    EXPECT_TRUE(log.hasLineStartingWith("Could not move Song - PDF to " + folder.filePath("Song.pdf") + ": "));
    EXPECT_EQ(song.category(), "Rock");
    EXPECT_EQ(read(folder.filePath("Song.pdf")), "other");

    ASSERT_TRUE(song.changeCategory("Jazz", true));
    EXPECT_EQ(song.path(), folder.filePath("Jazz/Song.pdf"));
}

TEST_F(PDFSongTest, ANewSongStillSavesToItsDefaultPath)
{
    Song song;
    song.setText("{title: Fresh}\n");
    song.refreshTitleSubtitle();
    ASSERT_TRUE(song.save());
    EXPECT_EQ(song.path(), folder.filePath("Fresh.pro"));
    EXPECT_EQ(read(song.path()), "{title: Fresh}\n");
}
