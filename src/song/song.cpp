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
    : m_text(QStringLiteral("{title: }\n{subtitle: }\n"))
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

Song::~Song() = default;

void Song::takeFileContent(const FileStamp &stamp, SongFileContent content)
{
    // Taken before reading: a change made while reading then shows as a change at the next save.
    m_stamp = stamp;
    m_loadFailed = !content.text;
    m_text = std::move(content.text).value_or(QString());
    countStore();
    if (m_loadFailed)
        Log::write(QStringLiteral("Error reading %1: %2").arg(m_path, content.error));
    updateDate(stamp);
    takeReadMetadata(content.metadata);
}

void Song::takeReadMetadata(const SongMetadataScan &scan)
{
    takeTitleSubtitle(scan.title(), scan.subtitle());
    // The one pass over the text that the title takes finds these as well; the caches hold them from here as
    // they would from their first use.
    m_cachedTags = scan.tags();
    // The scan saw every key directive there is: a song without one takes its key from its first few chords
    // now, rather than from another pass over its whole text at its first use (the first search asks them all).
    m_songkey = keyOfReadText(scan, m_text);
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
    if (!TextFile::write(m_path, m_text, &error))
        return fail(m_path, error);
    m_stamp = FileStamp::of(m_path);
    countStore();
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
    m_stamp = FileStamp::of(m_path);
}

bool Song::saveText(const QString &text)
{
    if (m_loadFailed)
        return save(); // refuses and logs for a file that could not be read
    const QString before = std::exchange(m_text, text);
    return saveChange(before);
}

bool Song::saveChange(const QString &before)
{
    m_saveFailure.clear();
    // A file another program changed is read again instead of written; it then holds the text already.
    const bool readAgain = fileChangedOnDisk();
    if (save())
        return true;
    if (!readAgain) {
        m_text = before; // the song keeps what its file holds
        resetCachedValues();
    }
    return false;
}

void Song::resetCachedValues() const
{
    m_songkey.reset();
    m_songplaintext.reset();
    m_songtempo = 0;
    m_songplayingtime = 0;
    m_songmetronome = 0;
    m_songzoomscale = 0;
    m_cachedTags.reset();
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
        m_songplaintext = plainTextOf(m_text);
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
