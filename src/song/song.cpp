// The song's life as a file: reading it, writing it back, naming a new one, and the plain text for searching.
#include "song.h"

#include "appcontext.h"
#include "fileextension.h"
#include "fileidentity.h"
#include "filepath.h"
#include "filestamp.h"
#include "log.h"
#include "songfilecontent.h"
#include "songmetadatascan.h"
#include "songsettings.h"
#include "textfile.h"
#include "textpattern.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBoundaryFinder>

#include <utility>

namespace {

// The longest name a new file gets, in bytes of its UTF-8 form: the 255 a Linux file system takes, less the 7
// bytes other programs' atomic saves add for the temporary file they write beside it ("name.XXXXXX").
constexpr qsizetype kMaxFileNameBytes = 255 - 7;

bool isForbiddenInFileName(QChar c)
{
    // Those the name of a song file never holds: "." keeps it from hiding itself or faking an extension;
    // control characters (NUL among them) cannot stand in a name, or would break lines listing it.
    static const QString forbidden = QStringLiteral("/\"|\\:~<>*?.");
    return forbidden.contains(c) || c.category() == QChar::Other_Control;
}

QString withoutForbiddenCharacters(const QString &name)
{
    QString result;
    result.reserve(name.size());
    for (QChar c : name)
        if (!isForbiddenInFileName(c))
            result.append(c);
    return result;
}

// The longest start of text, in whole characters as the reader sees them, that fits in maxBytes of UTF-8.
QString fittingStart(const QString &text, qsizetype maxBytes)
{
    if (text.toUtf8().size() <= maxBytes)
        return text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype fits = 0;
    qsizetype bytes = 0;
    for (qsizetype at = graphemes.toNextBoundary(); at > 0; at = graphemes.toNextBoundary()) {
        bytes += QStringView(text).sliced(fits, at - fits).toUtf8().size();
        if (bytes > maxBytes)
            break;
        fits = at;
    }
    return text.left(fits);
}

QString candidateName(const QString &base, int number, const QString &extension)
{
    QString suffix = number == 0 ? QString() : QString::number(number);
    if (!extension.isEmpty())
        suffix += u'.' + extension;
    return fittingStart(base, kMaxFileNameBytes - suffix.toUtf8().size()) + suffix;
}

QSet<QString> foldedEntryNames(const QString &folder, const QString &freeName)
{
    QSet<QString> names;
    for (const QString &entry : FilePath::entryNames(folder))
        if (entry != freeName)
            names.insert(entry.toCaseFolded());
    return names;
}

} // namespace

Song::Song()
    : m_textRevision(++s_textRevisions)
    , m_text(QStringLiteral("{title: }\n{subtitle: }\n"))
{}

Song::Song(const QString &path)
    : Song(path, FileStamp::of(path))
{}

Song::Song(const QString &path, const FileStamp &stamp)
    : Song(path, stamp, SongFileContent::read(path, stamp.size))
{}

Song::Song(const QString &path, const FileStamp &stamp, SongFileContent content)
    : Song()
{
    m_path = path;
    takeFileContent(stamp, std::move(content));
}

Song::~Song()
{
    RecentSongTexts::leave(*this);
}

Song::TextHold::TextHold(SongPtr song)
    : m_song(std::move(song))
{
    if (!m_song)
        return;
    m_song->heldText();
    ++m_song->m_textHolds;
    RecentSongTexts::leave(*m_song);
}

Song::TextHold::~TextHold()
{
    if (m_song && --m_song->m_textHolds == 0)
        m_song->noteTextUse();
}

Song::TextHold::TextHold(TextHold &&other) noexcept
    : m_song(std::exchange(other.m_song, nullptr))
{}

Song::TextHold &Song::TextHold::operator=(TextHold &&other) noexcept
{
    // The new song is held before the old one is let go, which may be the same.
    TextHold old(std::move(*this));
    m_song = std::exchange(other.m_song, nullptr);
    return *this;
}

const QString &Song::heldText() const
{
    // Reading the file again changes only what the song knew of its file, unless another program changed it,
    // which any read of the song then finds. A song made const (a file looked at once) is used while its text is
    // still held from its construction, so only songs made to change are changed here.
    if (!m_text)
        const_cast<Song *>(this)->readTextAgain();
    noteTextUse();
    return *m_text;
}

void Song::readTextAgain()
{
    const FileStamp before = FileStamp::of(m_path);
    SongFileContent content = SongFileContent::read(m_path, before.size);
    if (content.text && before == m_stamp && FileStamp::of(m_path) == m_stamp) {
        m_text = std::move(content.text);
        return;
    }
    // Taken as a reload takes it, with the text, title and metadata together; but the file still counts as
    // changed since the song read it, so that the next save settles that first, as it would with the old text
    // held, and the text stays in memory until then.
    Log::write(QStringLiteral("Reading %1 again: another program changed it since it was read").arg(m_path));
    const FileStamp read = m_stamp;
    resetCachedValues();
    takeFileContent(before, std::move(content));
    m_stamp = read;
    m_textIsFiles = false;
    RecentSongTexts::leave(*this);
}

bool Song::canLeaveTextToFile() const
{
    return m_textIsFiles && m_textHolds == 0 && !m_loadFailed && !m_path.isEmpty() && m_stamp.exists();
}

void Song::noteTextUse() const
{
    if (m_text && canLeaveTextToFile())
        RecentSongTexts::use(const_cast<Song &>(*this));
}

void Song::forgetText()
{
    if (!canLeaveTextToFile())
        return;
    m_text.reset();
    m_songplaintext.reset();
}

void Song::changeText(QString text)
{
    m_text = std::move(text);
    // What the song list and MIDI ask of every song follows the text at once, as it did before it was kept.
    m_songplayingtime.reset();
    m_musicpathValue.reset();
    m_midiIndexValue.reset();
    m_textIsFiles = false;
    m_textRevision = ++s_textRevisions;
    RecentSongTexts::leave(*this);
}

void Song::setPath(const QString &path)
{
    if (path == m_path)
        return;
    // Read from the old file while it is still there: the text is no longer the new file's.
    heldText();
    m_textIsFiles = false;
    RecentSongTexts::leave(*this);
    m_stamp = {};
    m_path = path;
}

void Song::takeFileContent(const FileStamp &stamp, SongFileContent content)
{
    // Taken before reading: a change made while reading then shows as a change at the next save.
    m_stamp = stamp;
    m_loadFailed = !content.wasRead();
    m_text = content.textLeftToFile ? std::nullopt : std::optional(std::move(content.text).value_or(QString()));
    m_textIsFiles = !m_loadFailed;
    m_textRevision = ++s_textRevisions;
    countStore();
    if (m_loadFailed)
        Log::write(QStringLiteral("Error reading %1: %2").arg(m_path, content.error));
    updateDate(stamp);
    takeReadMetadata(content);
    noteTextUse();
}

void Song::takeReadMetadata(const SongFileContent &content)
{
    const SongMetadataScan &scan = content.metadata;
    takeTitleSubtitle(scan.title(), scan.subtitle());
    // The one pass over the text that the title takes finds these as well; the caches hold them from here as
    // they would from their first use. A song without a key directive has its key from its first few chords
    // now, rather than from another pass over its whole text at its first use (the first search asks them all).
    m_cachedTags = content.tags;
    m_songkey = content.key;
    m_songplayingtime = scan.playingTime();
    m_musicpathValue = scan.musicpath();
    m_midiIndexValue = scan.midiIndex();
}

bool Song::reloadFromDisk()
{
    if (m_path.isEmpty())
        return false;
    resetCachedValues();
    const FileStamp stamp = FileStamp::of(m_path);
    takeFileContent(stamp, SongFileContent::read(m_path, stamp.size));
    return !m_loadFailed;
}

void Song::updateDate(const FileStamp &stamp)
{
    m_date = stamp.modifiedMSecs();
}

QDateTime Song::date() const
{
    return m_date ? QDateTime::fromMSecsSinceEpoch(*m_date) : QDateTime();
}

void Song::setDate(const QDateTime &date)
{
    m_date = date.isValid() ? std::optional<qint64>(date.toMSecsSinceEpoch()) : std::nullopt;
}

bool Song::save()
{
    const auto fail = [this](const QString &path, const QString &why) {
        Log::write(QStringLiteral("Error writing %1: %2").arg(path, why));
        m_saveFailure = why;
        return false;
    };
    if (m_loadFailed)
        return fail(m_path, QStringLiteral("the file could not be read, so it is not written over"));
    if (m_path.isEmpty())
        m_path = defaultPath();
    if (m_path.isEmpty())
        return fail(m_title, QStringLiteral("no song folder is set"));
    if (fileChangedOnDisk()) {
        fail(m_path, QStringLiteral("another program changed it since it was read; reading it again"));
        reloadFromDisk();
        return false;
    }
    resetCachedValues();
    AppContext::instance()->temporaryStopFSRefresh();
    QString error;
    if (!TextFile::write(m_path, heldText(), &error))
        return fail(m_path, error);
    m_stamp = FileStamp::of(m_path);
    m_textIsFiles = true;
    countStore();
    noteTextUse();
    return true;
}

bool Song::fileChangedOnDisk() const
{
    return fileChangedFrom(FileStamp::of(m_path));
}

bool Song::fileChangedFrom(const FileStamp &now) const
{
    return m_stamp.exists() && now.exists() && !now.sameSizeAndTime(m_stamp);
}

void Song::forgetChangeOnDisk()
{
    // The text held is the version to write, no longer the file's.
    heldText();
    m_textIsFiles = false;
    RecentSongTexts::leave(*this);
    m_stamp = FileStamp::of(m_path);
}

bool Song::saveText(const QString &text)
{
    if (m_loadFailed)
        return save(); // refuses and logs for a file that could not be read
    const bool beforeIsFiles = m_textIsFiles;
    const QString before = heldText();
    changeText(text);
    return saveChange(before, beforeIsFiles);
}

bool Song::saveChange(const QString &before, bool beforeIsFiles)
{
    m_saveFailure.clear();
    // A file another program changed is read again instead of written; it then holds the text already.
    const bool readAgain = fileChangedOnDisk();
    if (save())
        return true;
    if (!readAgain) {
        changeText(before); // the song keeps what its file holds
        m_textIsFiles = beforeIsFiles;
        noteTextUse();
        resetCachedValues();
    }
    return false;
}

void Song::resetCachedValues() const
{
    m_songkey.reset();
    m_songplaintext.reset();
    m_songtempo = 0;
    m_songplayingtime.reset();
    m_songmetronome = 0;
    m_songzoomscale = 0;
    m_cachedTags.reset();
    m_musicpathValue.reset();
    m_midiIndexValue.reset();
    m_textRevision = ++s_textRevisions;
}

QString Song::defaultPath() const
{
    QString folder = SongSettings::songDirectory();
    if (folder.isEmpty())
        return QString();
    if (!m_category.isEmpty())
        folder = QDir(folder).filePath(m_category);
    FilePath::makeFolders(folder); // a failure shows when the write fails
    return QDir(folder).filePath(uniqueNameForFile(fileBaseName() + QStringLiteral(".pro"), folder));
}

QString Song::fileBaseName() const
{
    QString name = m_title.isEmpty() ? QStringLiteral("Song") : m_title;
    if (!m_subtitle.isEmpty())
        name += QStringLiteral(" - ") + m_subtitle;
    return name;
}

QString Song::copyDestination(const QString &source, const QString &destination)
{
    const QFileInfo taken(destination);
    if (!FileStamp::of(destination).exists() || FileIdentity::isSameFile(source, destination))
        return destination;
    return taken.dir().filePath(uniqueNameForFile(taken.fileName(), taken.path()));
}

QString Song::uniqueNameForFile(const QString &fileName, const QString &folder, const QString &freeName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString extension = dot >= 0 ? fileName.mid(dot + 1) : QString();
    QString base = withoutForbiddenCharacters(dot >= 0 ? fileName.left(dot) : fileName);
    if (base.isEmpty())
        base = QStringLiteral("Song");
    const QSet<QString> taken = foldedEntryNames(folder, freeName);
    const QString foldedFreeName = freeName.toCaseFolded();
    const QDir dir(folder);
    // Past the hundredth name the search goes on, so an existing song is never written over.
    for (int number = 0;; ++number) {
        if (number == 100)
            Log::write(QStringLiteral("Serious error, could not create unique file for %1").arg(fileName));
        const QString candidate = candidateName(base, number, extension);
        const QString folded = candidate.toCaseFolded();
        // Where names ignore case, the free entry itself exists under any case of its name.
        if (!taken.contains(folded) && (folded == foldedFreeName || !FileStamp::of(dir.filePath(candidate)).exists()))
            return candidate;
    }
}

QString Song::exportFileName(const QString &extension, const QString &folder) const
{
    const QString fileName = fileBaseName() + u'.' + extension;
    // Only a file of the export's own name makes it unique: the song's file and other exports never do.
    const QString base = withoutForbiddenCharacters(fileBaseName());
    const QString plain = candidateName(base.isEmpty() ? QStringLiteral("Song") : base, 0, extension);
    return QFileInfo(QDir(folder).filePath(plain)).isFile() ? uniqueNameForFile(fileName, folder) : plain;
}

QString Song::fittedFileName(const QString &base, const QString &extension)
{
    return candidateName(base, 0, extension);
}

bool Song::isChordProFile(const QString &path)
{
    if (path.contains(QLatin1String(".chords.txt")))
        return false; // the user chord file
    return FileExtension::isOneOf(path, {QLatin1String("pro"), QLatin1String("chordpro"), QLatin1String("txt"),
                                         QLatin1String("cpm"), QLatin1String("chopro"), QLatin1String("onsong"),
                                         QLatin1String("cho")});
}

QString Song::plainText() const
{
    if (!m_songplaintext)
        m_songplaintext = plainTextOf(heldText());
    return *m_songplaintext;
}

QString Song::plainTextOf(const QString &text)
{
    // Chords, the opening of directives whose name starts with "c" (their text stays), every other
    // directive, comment lines and stray "}". A "#" starts a comment only at the start of a line.
    static const QRegularExpression markup = TextPattern::make(
        QStringLiteral(R"(\[.*?\]|\{c\S*\s*:|\{.*?\}|^#.*(?:\R|\z)|\})"), QRegularExpression::MultilineOption);
    if (!markup.isValid()) {
        Log::write(QStringLiteral("Regexp error %1").arg(markup.errorString()));
        return QString();
    }
    return QString(text).replace(markup, QString());
}
