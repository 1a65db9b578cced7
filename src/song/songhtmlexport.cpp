// Exporting a song as an HTML page with its style sheet, its script and one diagram image per chord.
#include "song.h"

#include "appcontext.h"
#include "chord.h"
#include "linepieces.h"
#include "log.h"
#include "percentescape.h"
#include "textfile.h"
#include "titledirectives.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace {

const QStringList kStartOfChorus = {QStringLiteral("start_of_chorus"), QStringLiteral("soc")};
const QStringList kEndOfChorus = {QStringLiteral("end_of_chorus"), QStringLiteral("eoc")};

// Chord diagram images, in points at one pixel per point.
constexpr QSizeF kChordImageSize(100, 130);

QString resourceText(const QString &name)
{
    return TextFile::read(QStringLiteral(":/html/") + name, TextFile::LastResort::None).value_or(QString());
}

bool writeBytes(const QString &path, const QByteArray &bytes, const QString &reportedPath)
{
    QString error;
    if (TextFile::writeBytes(path, bytes, &error))
        return true;
    Log::write(QStringLiteral("Could not write to %1: %2").arg(reportedPath, error));
    return false;
}

bool writeText(const QString &path, const QString &text, const QString &reportedPath)
{
    return writeBytes(path, text.toUtf8(), reportedPath);
}

// The style sheet and the script are shared by every page in the folder and may be edited there: an
// existing file is kept.
bool writeCompanion(const QDir &folder, const QString &name, const QString &text)
{
    const QString path = folder.filePath(name);
    return QFileInfo::exists(path) || writeText(path, text, path);
}

// Song text as it stands in the page: a song received from anywhere cannot add markup or script.
QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// Text inside "<!-- -->": escaped, and with no "--" left that could end the comment early.
QString commentText(const QString &text)
{
    QString safe = escaped(text);
    while (safe.contains(QLatin1String("--")))
        safe.replace(QLatin1String("--"), QLatin1String("- -"));
    return safe;
}

QString replacedFirst(QString text, const QString &placeholder, const QString &value)
{
    const qsizetype at = text.indexOf(placeholder);
    return at < 0 ? text : text.replace(at, placeholder.size(), value);
}

// True when the line holds "{name}", "{name:" or "{name " for one of the names, ignoring case.
bool holdsDirective(const QString &line, const QStringList &names)
{
    for (const QString &name : names) {
        const QString opening = u'{' + name;
        for (qsizetype at = line.indexOf(opening, 0, Qt::CaseInsensitive); at >= 0;
             at = line.indexOf(opening, at + 1, Qt::CaseInsensitive)) {
            const qsizetype behind = at + opening.size();
            if (behind < line.size() && (line[behind] == u'}' || line[behind] == u':' || line[behind].isSpace()))
                return true;
        }
    }
    return false;
}

// Builds one song's page line by line, collecting the chords it links in first-use order.
class HtmlPageBuilder
{
public:
    explicit HtmlPageBuilder(const Song &song)
        : m_song(song)
    {}

    QString page(const QString &head);
    const QStringList &usedChords() const { return m_usedChords; }

private:
    QString line(const QString &text);
    QString chordTable(const LinePieces &pieces);
    QString chordCell(const QString &chord);

    const Song &m_song;
    QStringList m_usedChords;
};

QString HtmlPageBuilder::page(const QString &head)
{
    const QString version = QStringLiteral("Vellorin %1").arg(QCoreApplication::applicationVersion());
    QString page = replacedFirst(replacedFirst(head, QStringLiteral("@TITLE@"), escaped(m_song.title())),
                                 QStringLiteral("@VERSION@"), escaped(version));
    TextRange range;
    while (const std::optional<QString> text = Song::getNextLineForText(m_song.text(), range))
        page += line(*text);
    for (const QString &chord : m_usedChords)
        page += QStringLiteral("<img src=\"%1.png\">&nbsp;").arg(Song::encodeChordName(chord, true));
    return page + QStringLiteral("</body>\n");
}

QString HtmlPageBuilder::line(const QString &text)
{
    if (text.startsWith(u'#'))
        return QStringLiteral("<!--%1-->").arg(commentText(text.mid(1)));
    const QString title = Song::valueInText(text, TitleDirectives::title());
    if (!title.isEmpty())
        return QStringLiteral("<h1>%1</h1>\n").arg(escaped(title));
    const QString subtitle = Song::valueInText(text, TitleDirectives::subtitle());
    if (!subtitle.isEmpty())
        return QStringLiteral("<h2>%1</h2>\n").arg(escaped(subtitle));
    if (holdsDirective(text, kStartOfChorus))
        return QStringLiteral("<table class=\"chorus\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td>\n");
    if (holdsDirective(text, kEndOfChorus))
        return QStringLiteral("</td></tr></table>\n");
    const QString stripped = Song::stripControlSequencesFromLine(text);
    if (const std::optional<LinePieces> pieces = LinePieces::fromLine(stripped))
        return chordTable(*pieces);
    return QStringLiteral("<span class=\"lyricsline\">%1</span><br>\n").arg(escaped(stripped));
}

QString HtmlPageBuilder::chordTable(const LinePieces &pieces)
{
    QString table =
        QStringLiteral("<table class=\"linewithchord\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr>\n");
    for (const QString &chord : pieces.chords)
        table += chordCell(chord);
    table += QStringLiteral("</tr><tr>");
    // Escaped first, so the entity's own characters are not taken for song text.
    for (const QString &lyric : pieces.lyrics)
        table += QStringLiteral("<td>%1</td>").arg(escaped(lyric).replace(u' ', QLatin1String("&nbsp;")));
    return table + QStringLiteral("</tr></table>\n");
}

QString HtmlPageBuilder::chordCell(const QString &chord)
{
    if (chord.isEmpty() || !m_song.chordForName(chord))
        return QStringLiteral("<td class=\"chord\">%1</td>").arg(escaped(chord));
    if (!m_usedChords.contains(chord))
        m_usedChords.append(chord);
    const QString href = Song::encodeChordName(chord, true);
    return QStringLiteral("<td class=\"chord\"><a class=\"chordlink\" target=\"Vellorin Chords\" href=\"%1.png\" "
                          "onmouseover=\"showChord(this,'%1.png')\" onmouseout=\"hideChord()\">%2</a></td>")
        .arg(href, escaped(chord));
}

bool writeChordImage(const Song &song, const QString &name, const QDir &folder)
{
    const QString path = folder.filePath(Song::encodeChordName(name, false) + QStringLiteral(".png"));
    const std::optional<Chord> chord = song.chordForName(name);
    const QImage image = chord ? AppContext::instance()->chordImage(*chord, kChordImageSize) : QImage();
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        Log::write(QStringLiteral("Could not write to %1: %2").arg(path, QStringLiteral("no chord diagram")));
        return false;
    }
    return writeBytes(path, png, path);
}

} // namespace

QString Song::encodeChordName(const QString &name, bool forHref)
{
    QString encoded = PercentEscape::legacyEscape(QString(name).replace(u'/', u'-'));
    if (!forHref)
        return encoded;
    // A browser undoes one level of escaping before it looks for the file, whose name holds the first level.
    encoded = PercentEscape::legacyEscape(encoded);
    // The legacy escaping keeps "'" and "&"; escaped once (as the file name holds them unescaped), they can
    // neither end the script call's quoted argument nor start an entity in the attribute.
    return encoded.replace(u'\'', QLatin1String("%27")).replace(u'&', QLatin1String("%26"));
}

bool Song::exportHTMLtoURL(const QString &folderPath) const
{
    const QDir folder(folderPath);
    const QString head = resourceText(QStringLiteral("htmlhead.html"));
    bool written = writeCompanion(folder, QStringLiteral("vellorin.js"), resourceText(QStringLiteral("htmljs.js")));
    written &= writeCompanion(folder, QStringLiteral("vellorin.css"), resourceText(QStringLiteral("htmlstyle.css")));

    HtmlPageBuilder builder(*this);
    written &=
        writeText(folder.filePath(exportFileName(QStringLiteral("html"), folderPath)), builder.page(head), folderPath);
    // The images are written even when the page was not: they do not depend on it.
    for (const QString &chord : builder.usedChords())
        written &= writeChordImage(*this, chord, folder);
    return written;
}
