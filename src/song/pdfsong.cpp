// A PDF file of the song folder shown as a song.
#include "pdfsong.h"

#include "fileextension.h"
#include "filename.h"
#include "filepath.h"
#include "log.h"
#include "songsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfDocument>
#include <QPdfSelection>

PDFSong::PDFSong(const QString &path)
    : PDFSong(path, FileStamp::of(path))
{}

PDFSong::PDFSong(const QString &path, const FileStamp &stamp)
{
    setPath(path);
    setTitle(fileBaseName());
    setSubtitle(QStringLiteral("PDF"));
    updateDate(stamp);
}

bool PDFSong::isPDF(const QString &path)
{
    return FileExtension::isOneOf(path, {QLatin1String("pdf")});
}

QString PDFSong::fileBaseName() const
{
    return FileName::displayName(QFileInfo(path()).completeBaseName());
}

QString PDFSong::musicpath() const
{
    const QFileInfo file(path());
    const QString audio = file.dir().filePath(file.completeBaseName() + QStringLiteral(".mp3"));
    return FileStamp::of(audio).exists() ? audio : QString();
}

QString PDFSong::plainText() const
{
    if (m_songplaintext)
        return *m_songplaintext;
    QFile file; // read by the document while it lives
    QPdfDocument document;
    QStringList pages;
    if (FilePath::openForReading(path(), file))
        document.load(&file);
    if (document.status() == QPdfDocument::Status::Ready)
        for (int page = 0; page < document.pageCount(); ++page)
            pages.append(document.getAllText(page).text());
    m_songplaintext = pages.join(u'\n');
    return *m_songplaintext;
}

bool PDFSong::reloadFromDisk()
{
    resetCachedValues();
    const FileStamp stamp = FileStamp::of(path());
    updateDate(stamp);
    return stamp.exists();
}

bool PDFSong::save()
{
    Log::write(QStringLiteral("Error writing %1: %2").arg(path(), QStringLiteral("a PDF song is never saved")));
    return false;
}

QString PDFSong::titleSubtitleReference() const
{
    return fileBaseName() + QStringLiteral(" - PDF");
}

bool PDFSong::changeCategory(const QString &category, bool overwrite)
{
    Q_UNUSED(overwrite);
    if (category == this->category())
        return true;
    const QString songFolder = SongSettings::songDirectory();
    const QString folder = category.isEmpty() ? songFolder : QDir(songFolder).filePath(category);
    const QString destination = QDir(folder).filePath(QFileInfo(path()).fileName());
    QString error;
    if (songFolder.isEmpty())
        error = QStringLiteral("no song folder is set");
    else if (FilePath::makeFolders(folder, &error))
        FilePath::move(path(), destination, &error); // never over another file
    if (!error.isEmpty()) {
        Log::write(QStringLiteral("Could not move %1 to %2: %3").arg(description(), destination, error));
        m_saveFailure = error;
        return false;
    }
    setCategory(category);
    setPath(destination);
    return true;
}
