// The song folder that the library tests read.
#include "libraryfolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>

LibraryFolder::LibraryFolder()
{
    prefs.setSongDirectoryPath(folder.path());
    context.prefsObject = &prefs;
    // The Trash lives in the data folder, which a new home lacks.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString LibraryFolder::path(const QString &relativePath) const
{
    return QDir(folder.path()).filePath(relativePath);
}

QString LibraryFolder::write(const QString &relativePath, const QByteArray &bytes, int minutesAgo)
{
    const QString filePath = path(relativePath);
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    QFile file(filePath);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << filePath.toStdString();
    file.write(bytes);
    file.flush(); // else closing the file writes, and sets the time, again
    if (minutesAgo >= 0)
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesAgo), QFileDevice::FileModificationTime);
    return filePath;
}

QByteArray LibraryFolder::read(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QByteArray LibraryFolder::songText(const QString &title, const QString &subtitle, const QString &more)
{
    QString text = QStringLiteral("{title: %1}\n").arg(title);
    if (!subtitle.isEmpty())
        text += QStringLiteral("{subtitle: %1}\n").arg(subtitle);
    return (text + more).toUtf8();
}

QByteArray LibraryFolder::pdfWithText(const QString &text)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A6));
        QPainter painter(&writer);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 24));
        painter.drawText(QPointF(200, 600), text);
    }
    return bytes;
}

void LibraryFolder::writeSampleFolder()
{
    write(QStringLiteral("Amazing Grace.pro"),
          songText(QStringLiteral("Amazing Grace"), QStringLiteral("Traditional"),
                   QStringLiteral("{key: G}\n{time: 4:05}\n{tag: hymn}\nA[G]mazing grace, how sweet the sound\n")),
          50);
    write(QStringLiteral("Blues.tab"), "Blues\nNobody\n  E        A\nWoke up this morning\n", 40);
    write(QStringLiteral("Hallelujah.pdf"), pdfWithText(QStringLiteral("Moonlight")), 30);
    write(QStringLiteral("Guitar.chords.txt"), "{define: Am base-fret 1 frets x 0 2 2 1 0}\n");
    write(QStringLiteral("notes.md"), "# not a song\n");
    write(QStringLiteral(".hidden.pro"), songText(QStringLiteral("Hidden")));
    write(QStringLiteral("acoustic/Yesterday.cho"),
          songText(QStringLiteral("Yesterday"), QStringLiteral("Beatles"), QStringLiteral("[F]Yesterday\n")), 20);
    write(QStringLiteral("Ballads/Caf\u00e9 Song.pro"),
          songText(QStringLiteral("Caf\u00e9 Song"), QString(), QStringLiteral("{tag: hymn}\n[Am]Petit caf\u00e9\n")),
          10);
    write(QStringLiteral("Rock/Highway.pro"),
          songText(QStringLiteral("Highway"), QStringLiteral("Band"),
                   QStringLiteral("{key: Em}\n{tag: rock}\n[Em]On the road again\n")),
          5);
    write(QStringLiteral("Rock/Deep/Nested.pro"), songText(QStringLiteral("Nested")));
    write(QStringLiteral(".Hidden/Secret.pro"), songText(QStringLiteral("Secret")));
}
