// The playlist file: reading and writing its lines, where the file lives, renaming and trashing it.
#include "playlist.h"

#include "appcontext.h"
#include "fileidentity.h"
#include "filename.h"
#include "filepath.h"
#include "filestamp.h"
#include "log.h"
#include "notesong.h"
#include "prefs.h"
#include "song.h"
#include "textchars.h"
#include "textfile.h"
#include "trash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <utility>

#include <unistd.h>

namespace {

const QString kExtension = QStringLiteral("lst");
const QString kPdfSubtitle = QStringLiteral("PDF");

// The file's modification time, read by the bytes of its name; invalid when there is no file.
QDateTime modificationDate(const QString &path)
{
    const std::optional<qint64> modified = FileStamp::of(path).modifiedMSecs();
    return modified ? QDateTime::fromMSecsSinceEpoch(*modified) : QDateTime();
}

QStringList nonEmptyTrimmedLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= text.size(); ++at) {
        if (at < text.size() && !TextChars::isLineBreak(text.at(at)))
            continue;
        const QString line = TextChars::trimmedBlanksAndTabs(QStringView(text).sliced(start, at - start));
        if (!line.isEmpty())
            lines.append(line);
        start = at + 1;
    }
    return lines;
}

// A key an entry may ask for: a note name, with "m" for minor ("G", "F#m", "Bb"); an empty key counts too.
bool isKeyName(const QString &text)
{
    static const QRegularExpression keyName(QStringLiteral("^(?:[A-H][#b]?m?)?$"));
    return keyName.match(text).hasMatch();
}

// The key that a bracket pair ending the line names; a pair holding no key name ("Hallelujah [Live]") is
// part of the reference.
std::optional<QString> keyAtEnd(const QString &line)
{
    std::optional<QString> key = PlayList::extractKeyFromLine(line);
    return key && isKeyName(*key) ? key : std::nullopt;
}

QString fileNameForTitle(const QString &title)
{
    return title + u'.' + kExtension;
}

} // namespace

std::shared_ptr<PlayList> PlayList::fromFile(const QString &path)
{
    QString error;
    const std::optional<QString> text = TextFile::read(path, TextFile::LastResort::Latin1, &error);
    if (!text)
        Log::write(QStringLiteral("Error reading %1: %2").arg(path, error));
    std::shared_ptr<PlayList> playlist = fromString(text.value_or(QString()));
    playlist->m_path = path;
    playlist->m_date = modificationDate(path);
    playlist->m_loadFailed = !text;
    return playlist;
}

std::shared_ptr<PlayList> PlayList::fromString(const QString &text)
{
    auto playlist = std::make_shared<PlayList>();
    for (const QString &line : nonEmptyTrimmedLines(text)) {
        if (playlist->m_title.isEmpty())
            playlist->m_title = line; // whatever it holds, a leading "#" included
        else
            playlist->parseLine(line);
    }
    return playlist;
}

void PlayList::parseLine(const QString &line)
{
    if (line.startsWith(u'#')) {
        addSong(NoteSong::fromLineString(line));
        return;
    }
    std::optional<QString> key = keyAtEnd(line);
    const QString rest = key ? TextChars::trimmedBlanksAndTabs(QStringView(line).chopped(key->size() + 2)) : line;
    // "[]" behind a reference that ends in a key itself is the writer's mark that the entry asks for no key.
    if (key && key->isEmpty() && keyAtEnd(rest))
        key.reset();
    if (rest.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        // A PDF song named by its file; its key is not kept. ".pdf" alone names no file.
        const QString name = TextChars::trimmedBlanksAndTabs(QStringView(rest).chopped(4));
        if (name.isEmpty())
            return;
        SongPtr pdf = Song::fromTitleSubtitleReference(QString());
        pdf->setTitle(name);
        pdf->setSubtitle(kPdfSubtitle);
        addSong(pdf);
        return;
    }
    SongPtr song = Song::fromTitleSubtitleReference(rest);
    song->setPlaylistkey(key);
    if (!song->title().isEmpty() || !song->subtitle().isEmpty())
        addSong(song);
}

bool PlayList::isPlayListFile(const QString &path)
{
    return QFileInfo(path).suffix() == kExtension;
}

std::optional<QString> PlayList::extractKeyFromLine(const QString &line)
{
    static const QRegularExpression bracketPair(QStringLiteral(R"(\[(.*?)\])"));
    QRegularExpressionMatch last;
    for (QRegularExpressionMatchIterator it = bracketPair.globalMatch(line); it.hasNext();)
        last = it.next();
    if (!last.hasMatch() || last.capturedEnd() != line.size())
        return std::nullopt;
    return last.captured(1);
}

QString PlayList::asString() const
{
    QString text = m_title + u'\n';
    for (const SongPtr &entry : m_songs) {
        const QString reference = entry->titleSubtitleReference();
        text += reference;
        const QString key = entry->playlistkey().value_or(QString());
        if (!key.isEmpty())
            text += QStringLiteral(" [%1]").arg(key);
        else if (keyAtEnd(reference))
            text += QStringLiteral(" []"); // so that "Song [G]" is not read back as "Song" in G

        text += u'\n';
    }
    return text;
}

bool PlayList::save(const QString &category)
{
    const bool hadFile = !m_path.isEmpty();
    if (!hadFile)
        m_path = defaultPathWithCategory(category);
    if (writeTo(m_path))
        return true;
    // What is shown stays what the file holds: a playlist that never had a file keeps having none, and one
    // that has goes back to the entries written last.
    if (!hadFile)
        m_path.clear();
    else
        takeEntriesFromFile();
    return false;
}

void PlayList::takeEntriesFromFile()
{
    const std::shared_ptr<PlayList> onDisk = fromFile(m_path);
    if (onDisk->m_loadFailed)
        return;
    m_songs = onDisk->m_songs;
    m_originalSongs.reset();
}

bool PlayList::writeTo(const QString &path)
{
    QString error;
    if (m_loadFailed) {
        error = QStringLiteral("the file could not be read, so it is not written over");
    } else if (path.isEmpty()) {
        error = QStringLiteral("no song folder is set");
    } else {
        AppContext::instance()->temporaryStopFSRefresh();
        if (TextFile::write(path, asString(), &error)) {
            m_date = modificationDate(path);
            return true;
        }
    }
    Log::write(QStringLiteral("Error writing %1: %2").arg(path.isEmpty() ? m_title : path, error));
    AppContext::instance()->reportFailedWrite(
        QCoreApplication::translate("PlayList", "The playlist \u201c%1\u201d").arg(m_title), error);
    return false;
}

QString PlayList::defaultPathWithCategory(const QString &category)
{
    QString folder = Prefs::songDirectory();
    if (folder.isEmpty())
        return QString();
    if (!category.isEmpty())
        folder = QDir(folder).filePath(category);
    FilePath::makeFolders(folder); // a failure shows when the write fails
    if (m_title.isEmpty())
        m_title = QStringLiteral("Playlist");
    return QDir(folder).filePath(Song::uniqueNameForFile(fileNameForTitle(m_title), folder));
}

bool PlayList::deleteFromFileSystem()
{
    if (m_path.isEmpty())
        return true;
    AppContext::instance()->temporaryStopFSRefresh();
    QString error;
    if (Trash::moveToTrash(m_path, &error))
        return true;
    Log::write(QStringLiteral("Cannot move %1 to the Trash: %2").arg(m_path, error));
    AppContext::instance()->reportFailedTrash(
        QCoreApplication::translate("PlayList", "The playlist \u201c%1\u201d").arg(m_title), error);
    return false;
}

bool PlayList::rename(const QString &title)
{
    if (m_path.isEmpty()) {
        const QString oldTitle = std::exchange(m_title, title);
        if (save())
            return true;
        m_title = oldTitle;
        return false;
    }
    const QString oldPath = m_path;
    const QString oldTitle = m_title;
    const QFileInfo oldFile(oldPath);
    const QString folder = renameFolder();
    m_title = title.isEmpty() ? QStringLiteral("Playlist") : title;
    // The old file is replaced, so its name is free for the new one in its own folder.
    const QString freeName = FileIdentity::isSameFile(oldFile.absolutePath(), folder) ? oldFile.fileName() : QString();
    const QString newPath = QDir(folder).filePath(Song::uniqueNameForFile(fileNameForTitle(m_title), folder, freeName));
    if (!writeTo(newPath)) {
        m_title = oldTitle;
        return false;
    }
    m_path = newPath;
    if (FileIdentity::isSameFile(oldPath, newPath))
        return true;
    QString error;
    if (Trash::moveToTrash(oldPath, &error))
        return true;
    // The old file stays, so the new one goes again: the disk holds the playlist once, under its old name.
    Log::write(QStringLiteral("Cannot move %1 to the Trash: %2").arg(oldPath, error));
    if (::unlink(FileName::toBytes(newPath).constData()) != 0)
        Log::write(QStringLiteral("Cannot remove %1: %2").arg(newPath, qt_error_string(errno)));
    m_path = oldPath;
    m_title = oldTitle;
    m_date = modificationDate(oldPath);
    AppContext::instance()->reportFailedWrite(
        QCoreApplication::translate("PlayList", "The name \u201c%1\u201d of the playlist \u201c%2\u201d")
            .arg(title, oldTitle),
        QStringLiteral("its old file could not be moved to the Trash: ") + error);
    return false;
}

QString PlayList::renameFolder() const
{
    // A folder of the program's own name holds no category: its playlists belong to the song folder.
    const QFileInfo folder(QFileInfo(m_path).absolutePath());
    const QString songFolder = Prefs::songDirectory();
    if (!songFolder.isEmpty() && folder.fileName().compare(QStringLiteral("Vellorin"), Qt::CaseInsensitive) == 0)
        return songFolder;
    return folder.absoluteFilePath();
}

int PlayList::compareTitle(const PlayList &other) const
{
    const int order = QString::compare(m_title, other.m_title, Qt::CaseInsensitive);
    return (order > 0) - (order < 0);
}

int PlayList::compareDate(const PlayList &other) const
{
    if (m_date == other.m_date)
        return 0;
    return m_date > other.m_date ? -1 : 1;
}
