// Reading whole files with a size known beforehand, also when that size is no longer right.
#include "filebytes.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(FileBytes, ReadsTheWholeFileWhateverSizeWasExpected)
{
    struct Case
    {
        const char *what;
        qint64 expectedSize;
    };
    const QByteArray bytes = QByteArray("{title: Whole}\n").repeated(5000); // larger than any first guess
    const Case cases[] = {
        {"the size of the listing", bytes.size()},
        {"unknown", -1},
        {"grown since the listing", 10},
        {"grown from empty", 0},
        {"shrunk since the listing", bytes.size() * 3},
    };
    QTemporaryDir dir;
    const QString path = TestFiles::write(dir.filePath(QStringLiteral("song.pro")), bytes);
    for (const Case &c : cases)
        EXPECT_EQ(FileBytes::read(path, c.expectedSize), bytes) << c.what;
}

TEST(FileBytes, ReadsAnEmptyFile)
{
    QTemporaryDir dir;
    const QString path = TestFiles::write(dir.filePath(QStringLiteral("empty.pro")), QByteArray());
    EXPECT_EQ(FileBytes::read(path, 0), QByteArray());
    EXPECT_EQ(FileBytes::read(path, -1), QByteArray());
}

TEST(FileBytes, SaysWhyAFileCannotBeRead)
{
    QTemporaryDir dir;
    // A pipe would wait for a writer, a device like this one never ends: only regular files are read.
    const QString pipe = dir.filePath(QStringLiteral("pipe.pro"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString paths[] = {dir.filePath(QStringLiteral("missing.pro")), dir.path(), pipe,
                             QStringLiteral("/dev/zero")};
    for (const QString &path : paths) {
        QString error;
        EXPECT_EQ(FileBytes::read(path, -1, &error), std::nullopt) << path.toStdString();
        EXPECT_FALSE(error.isEmpty()) << path.toStdString();
    }
}
