// Decoding text of unknown encoding, and reading and writing files.
#include "textfile.h"

#include "failingwrites.h"
#include "fileidentity.h"
#include "filename.h"
#include "filestamp.h"
#include "rawfiles.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(TextFile, DecodesByTheCascade)
{
    struct Case
    {
        const char *what;
        QByteArray bytes;
        TextFile::LastResort lastResort;
        std::optional<QString> expected;
    };
    const QString cafe = QStringLiteral("caf\u00e9");
    const Case cases[] = {
        {"UTF-8 BOM is dropped",
         QByteArray("\xEF\xBB\xBF"
                    "caf\xC3\xA9"),
         TextFile::LastResort::None, cafe},
        {"UTF-16LE BOM",
         QByteArray("\xFF\xFE"
                    "c\0a\0f\0\xE9\0",
                    10),
         TextFile::LastResort::None, cafe},
        {"UTF-16BE BOM", QByteArray("\xFE\xFF\0c\0a\0f\0\xE9", 10), TextFile::LastResort::None, cafe},
        {"plain UTF-8", QByteArray("caf\xC3\xA9"), TextFile::LastResort::None, cafe},
        {"Windows-1252 curly quotes", QByteArray("\x93Hi\x94 \x80"), TextFile::LastResort::None,
         QStringLiteral("\u201cHi\u201d \u20ac")},
        {"Latin-1 single byte", QByteArray("caf\xE9"), TextFile::LastResort::None, cafe},
        {"undefined in Windows-1252, songs fall back to Latin-1", QByteArray("a\x81z"), TextFile::LastResort::Latin1,
         QStringLiteral("a\u0081z")},
        {"undefined in Windows-1252, other files fail", QByteArray("a\x81z"), TextFile::LastResort::None, std::nullopt},
        {"empty file", QByteArray(), TextFile::LastResort::None, QString()},
        // UTF-8 with a stray byte pasted in keeps its UTF-8 characters whole; only the stray byte is single.
        {"UTF-8 with one Windows-1252 byte",
         QByteArray("Gr\xC3\xBC\xC3\x9F"
                    "e caf\xE9 M\xC3\xBCnchen"),
         TextFile::LastResort::None, QStringLiteral("Gr\u00fc\u00dfe caf\u00e9 M\u00fcnchen")},
        {"UTF-8 with a stray curly quote and a byte undefined in Windows-1252", QByteArray("\x93\xE2\x82\xAC\x81"),
         TextFile::LastResort::Latin1, QStringLiteral("\u201c\u20ac\u0081")},
        {"a stray undefined byte in UTF-8, other files fail", QByteArray("\xE2\x82\xAC\x81"),
         TextFile::LastResort::None, std::nullopt},
        {"an overlong form is no UTF-8 sequence", QByteArray("\xC3\xA9\xC0\xAF"), TextFile::LastResort::None,
         QStringLiteral("\u00e9\u00c0\u00af")},
        {"a sequence cut off at the end", QByteArray("\xC3\xA9 \xE2\x82"), TextFile::LastResort::None,
         QStringLiteral("\u00e9 \u00e2\u201a")},
        {"Latin-1 control range", QByteArray("\x85\x8D"), TextFile::LastResort::Latin1, QStringLiteral("\u0085\u008d")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TextFile::decode(c.bytes, c.lastResort), c.expected) << c.what;
}

TEST(TextFile, UTF8WithStrayBytesKeepsEveryKindOfSequence)
{
    struct Case
    {
        const char *what;
        QByteArray bytes;
        QString expected;
    };
    const Case cases[] = {
        {"four bytes make two units", QByteArray("\xE9 \xF0\x9F\x8E\xB8"), QStringLiteral("\u00e9 \U0001F3B8")},
        {"a surrogate is no UTF-8 sequence", QByteArray("\xC3\xA9\xED\xA0\x80"),
         QStringLiteral("\u00e9\u00ed\u00a0\u20ac")},
        {"beyond U+10FFFF is no UTF-8 sequence", QByteArray("\xC3\xA9\xF4\x90\x80\x80"),
         QStringLiteral("\u00e9\u00f4\u0090\u20ac\u20ac")},
        {"a lead byte before plain letters",
         QByteArray("\xC3\xA9\xF0"
                    "abc"),
         QStringLiteral("\u00e9\u00f0"
                        "abc")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TextFile::decode(c.bytes, TextFile::LastResort::Latin1), c.expected) << c.what;
}

TEST(TextFile, WritesUtf8AndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("song.pro"));
    const QString text = QStringLiteral("{title: \u00c5se}\n[Am]\u041f\u0440\u0438\u0432\u0435\u0442");
    ASSERT_TRUE(TextFile::write(path, text));
    EXPECT_EQ(TestFiles::read(path), text.toUtf8());
    EXPECT_EQ(TextFile::read(path, TextFile::LastResort::None), text);
}

TEST(TextFile, ReportsFailuresInsteadOfSuccess)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(TextFile::read(dir.filePath(QStringLiteral("missing.pro")), TextFile::LastResort::Latin1, &error));
    EXPECT_FALSE(error.isEmpty());

    error.clear();
    EXPECT_FALSE(TextFile::write(dir.filePath(QStringLiteral("no/such/folder/x.pro")), QStringLiteral("x"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(TextFile, ReadsOnlyRegularFilesAndFromDiskOnlyText)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.pro"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QString error;
    EXPECT_EQ(TextFile::read(pipe, TextFile::LastResort::Latin1, &error), std::nullopt);
    EXPECT_EQ(error, QStringLiteral("not a regular file"));
    EXPECT_EQ(TextFile::readFromDisk(pipe, -1, TextFile::LastResort::Latin1), std::nullopt);

    struct Case
    {
        const char *what;
        QByteArray bytes;
        bool binary;
    };
    const Case cases[] = {
        {"an image", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), true},
        {"a program",
         QByteArray("\x7f"
                    "ELF\x02\x01\x01\0",
                    8),
         true},
        {"UTF-16 text with its mark", QByteArray("\xFF\xFEx\0y\0", 6), false},
        {"UTF-32 text with its mark", QByteArray("\0\0\xFE\xFF\0\0\0x", 8), false},
        {"a zero byte past the first 8 KiB", QByteArray(8192, 'a') + QByteArray(1, '\0'), false},
        {"plain text", QByteArray("{title: A}\n"), false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(TextFile::isBinary(c.bytes), c.binary) << c.what;
        const QString path = TestFiles::write(dir.filePath(QStringLiteral("file.pro")), c.bytes);
        error.clear();
        EXPECT_EQ(TextFile::readFromDisk(path, c.bytes.size(), TextFile::LastResort::Latin1, &error).has_value(),
                  !c.binary)
            << c.what;
        EXPECT_EQ(error, c.binary ? TextFile::notTextReason() : QString()) << c.what;
    }
}

// The atomic save's temporary name is the file's and 7 bytes more: a name near 255 bytes has no room for it.
TEST(TextFile, WritesOverAFileWhoseNameIsAtTheLimit)
{
    QTemporaryDir dir;
    for (const int length : {248, 249, 255}) {
        const QString path = dir.filePath(QString(length - 4, u'x') + QStringLiteral(".pro"));
        for (const char *text : {"first", "second"}) {
            QString error;
            EXPECT_TRUE(TextFile::write(path, QString::fromLatin1(text), &error)) << length << qPrintable(error);
            EXPECT_EQ(TestFiles::read(path), QByteArray(text)) << length;
        }
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(left, QStringList({QFileInfo(path).fileName()})) << length;
        QFile::remove(path);
    }
    // Failing, it leaves the old file and nothing beside it.
    const QString path = TestFiles::write(dir.filePath(QString(251, u'y') + QStringLiteral(".pro")), "old");
    for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
        const FailingWrites failing(step);
        EXPECT_FALSE(TextFile::write(path, QStringLiteral("new"))) << int(step);
        EXPECT_EQ(TestFiles::read(path), "old") << int(step);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << int(step);
    }
}

// A name that is not UTF-8 is read, looked at and saved under its own bytes: no second file appears.
TEST(TextFile, ReadsAndWritesFilesWhoseNamesAreNotUtf8)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray names[] = {"caf\xe9.pro", "\x80\xff\xc0\xaf.pro", QByteArray(246, 'x') + "\xe9.pro"};
    for (const QByteArray &name : names) {
        SCOPED_TRACE(name.toHex().constData());
        const QByteArray raw = folder + '/' + name;
        RawFiles::write(raw, "{title: Old}\n", 0640);
        const QString path = FileName::fromBytes(raw);

        QString error;
        EXPECT_EQ(TextFile::read(path, TextFile::LastResort::Latin1, &error), QStringLiteral("{title: Old}\n"))
            << qPrintable(error);
        EXPECT_EQ(FileStamp::of(path).size, 13);
        EXPECT_TRUE(FileIdentity::isSameFile(path, path));
        for (const QString &text : {QStringLiteral("{title: Caf\u00e9}\n"), QStringLiteral("{title: Again}\n")}) {
            EXPECT_TRUE(TextFile::write(path, text, &error)) << qPrintable(error);
            EXPECT_EQ(RawFiles::read(raw), text.toUtf8());
        }
        EXPECT_EQ(RawFiles::namesIn(folder), QList<QByteArray>({name}));
        struct stat status;
        ASSERT_EQ(::stat(raw.constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0640u) << "permissions kept";

        for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
            const FailingWrites failing(step);
            EXPECT_FALSE(TextFile::write(path, QStringLiteral("new"))) << int(step);
            EXPECT_EQ(RawFiles::read(raw), "{title: Again}\n") << int(step);
            EXPECT_EQ(RawFiles::namesIn(folder), QList<QByteArray>({name})) << int(step);
        }
        ::unlink(raw.constData());
    }
}

// A folder whose name is not UTF-8 holds the save's temporary file under its own bytes, as any folder does.
TEST(TextFile, SavesIntoAFolderWhoseNameIsNotUtf8)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/Lieder \xe9t\xe9";
    RawFiles::makeFolder(folder);
    RawFiles::write(folder + "/song.pro", "old", 0640);
    const QString path = FileName::fromBytes(folder + "/song.pro");
    EXPECT_EQ(TextFile::read(path, TextFile::LastResort::Latin1), QStringLiteral("old"));
    QString error;
    EXPECT_TRUE(TextFile::write(path, QStringLiteral("new \u00e9"), &error)) << qPrintable(error);
    EXPECT_EQ(RawFiles::read(folder + "/song.pro"), "new \xc3\xa9");
    const QString fresh = FileName::fromBytes(folder + "/caf\xe9.pro");
    EXPECT_TRUE(TextFile::write(fresh, QStringLiteral("fresh"), &error)) << qPrintable(error);
    EXPECT_EQ(RawFiles::read(folder + "/caf\xe9.pro"), "fresh");
    EXPECT_EQ(RawFiles::namesIn(folder), QList<QByteArray>({"caf\xe9.pro", "song.pro"}));
    EXPECT_EQ(RawFiles::namesIn(QFile::encodeName(dir.path())), QList<QByteArray>({"Lieder \xe9t\xe9"}));
    struct stat status;
    ASSERT_EQ(::stat((folder + "/song.pro").constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u) << "permissions kept";

    for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
        const FailingWrites failing(step);
        EXPECT_FALSE(TextFile::write(path, QStringLiteral("lost"), &error)) << int(step);
        EXPECT_FALSE(error.isEmpty()) << int(step);
        EXPECT_EQ(RawFiles::read(folder + "/song.pro"), "new \xc3\xa9") << int(step);
        EXPECT_EQ(RawFiles::namesIn(folder), QList<QByteArray>({"caf\xe9.pro", "song.pro"})) << int(step);
    }
    RawFiles::removeTree(folder);
}

// What the save replaces: a link's target (the link stays), never a file the user may not write; a new file
// has the permissions any new file gets.
TEST(TextFile, KeepsLinksReadOnlyFilesAndUsualPermissions)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    RawFiles::write(folder + "/target.pro", "old");
    ASSERT_EQ(::symlink("target.pro", (folder + "/link.pro").constData()), 0);
    QString error;
    ASSERT_TRUE(TextFile::write(dir.filePath(QStringLiteral("link.pro")), QStringLiteral("new"), &error))
        << qPrintable(error);
    struct stat status;
    ASSERT_EQ(::lstat((folder + "/link.pro").constData(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_EQ(RawFiles::read(folder + "/target.pro"), "new");

    RawFiles::write(folder + "/locked.pro", "kept", 0444);
    if (::access((folder + "/locked.pro").constData(), W_OK) != 0) { // not when the tests run as root
        EXPECT_FALSE(TextFile::write(dir.filePath(QStringLiteral("locked.pro")), QStringLiteral("lost"), &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("open failed"))) << qPrintable(error);
        EXPECT_EQ(RawFiles::read(folder + "/locked.pro"), "kept");
    }

    const mode_t mask = ::umask(022);
    ::umask(mask);
    ASSERT_TRUE(TextFile::write(dir.filePath(QStringLiteral("fresh.pro")), QStringLiteral("x"), &error));
    ASSERT_EQ(::stat((folder + "/fresh.pro").constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0666u & ~mask);
    EXPECT_EQ(RawFiles::namesIn(folder), QList<QByteArray>({"fresh.pro", "link.pro", "locked.pro", "target.pro"}))
        << "no temporary file is left behind";
}

TEST(TextFile, AFailedStepLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = TestFiles::write(dir.filePath(QStringLiteral("song.pro")), "{title: Old}\n");
    for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
        const FailingWrites failing(step);
        QString error;
        EXPECT_FALSE(TextFile::write(path, QStringLiteral("{title: New, and longer}\n"), &error)) << int(step);
        EXPECT_FALSE(error.isEmpty()) << int(step);
        EXPECT_EQ(TestFiles::read(path), "{title: Old}\n") << int(step);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("song.pro")})
            << "no temporary file is left behind";
    }
}

// A disk that fills while writing: the kernel refuses bytes beyond the file-size limit, as it does on a full
// disk, and only once the buffered bytes are flushed. Committing then would put a cut-off file in place.
TEST(TextFile, AFullDiskNeverCutsTheOldFile)
{
    QTemporaryDir dir;
    const QByteArray old(100, 'a');
    const QString path = TestFiles::write(dir.filePath(QStringLiteral("song.pro")), old);

    std::signal(SIGXFSZ, SIG_IGN); // the refused write answers an error instead of ending the process
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 50;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString error;
    const bool written = TextFile::writeBytes(path, QByteArray(200, 'b'), &error);
    setrlimit(RLIMIT_FSIZE, &previous);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(TestFiles::read(path), old);
}

// A linked recording is copied a piece at a time, with the checks of every write.
TEST(TextFile, CopiesWholeOrLeavesTheDestinationAsItWas)
{
    QTemporaryDir dir;
    QByteArray recording;
    for (int i = 0; i < (5 << 19); ++i) // two and a half pieces
        recording.append(char(i * 7 % 251));
    const QString source = TestFiles::write(dir.filePath(QStringLiteral("take.wav")), recording);
    const QString destination = TestFiles::write(dir.filePath(QStringLiteral("song.wav")), "old");

    QString error;
    EXPECT_FALSE(TextFile::copy(dir.filePath(QStringLiteral("missing.wav")), destination, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("read failed"))) << error.toStdString();
    for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
        const FailingWrites failing(step);
        EXPECT_FALSE(TextFile::copy(source, destination)) << int(step);
    }
    EXPECT_EQ(TestFiles::read(destination), "old");

    ASSERT_TRUE(TextFile::copy(source, destination, &error)) << error.toStdString();
    EXPECT_EQ(TestFiles::read(destination), recording);
}
