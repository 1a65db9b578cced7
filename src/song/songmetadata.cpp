// The song's metadata directives: title and subtitle, references, capo, auto-scroll speed and playing
// time, time signature, pauses, metronome speed, zoom and key. Setters rewrite the text and save at once.
#include "song.h"

#include "chord.h"
#include "filename.h"
#include "log.h"
#include "songmetadatascan.h"
#include "songsettings.h"
#include "textchars.h"
#include "textnumber.h"
#include "textpattern.h"
#include "titledirectives.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A tab song's first lines stand for its title and subtitle, without a leading "#" and directives.
QString tabTitleLine(const std::optional<QString> &line)
{
    QString text = line.value_or(QString());
    if (text.startsWith(u'#'))
        text.remove(0, 1);
    return TextChars::trimmedBlanksAndTabs(Song::stripControlSequencesFromLine(text));
}

// Playlist files write a "-" inside a subtitle as "::", so that " - " only ever parts title and subtitle.
QString unescapeHyphen(const QString &string)
{
    return QString(string).replace(QLatin1String("::"), QLatin1String("-"));
}

// Truncation toward zero that stays defined for any float.
int truncatedToInt(float value)
{
    if (std::isnan(value))
        return 0;
    if (value >= float(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= float(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

// The key a chord stands for: its root, with "m" when it is minor; nullopt for no valid chord.
std::optional<QString> keyOfChord(const QString &chord)
{
    if (!Chord::isValidChord(chord))
        return std::nullopt;
    return Chord::chordBaseForChord(chord) + (Chord::isMinor(chord) ? QStringLiteral("m") : QString());
}

} // namespace

void Song::refreshTitleSubtitle()
{
    // Lookups that stop once their answers are known; the tags and key that a file just read takes are left out.
    takeTitleSubtitle(valueInText(heldText(), TitleDirectives::title()),
                      valueInText(heldText(), TitleDirectives::subtitle()));
}

void Song::takeTitleSubtitle(const QString &title, const QString &subtitle)
{
    m_title = title;
    m_subtitle = subtitle;
    if (m_title.isEmpty() && SongSettings::supportTabs()) {
        TextRange range;
        m_title = tabTitleLine(getNextLineForText(heldText(), range));
        m_subtitle = tabTitleLine(getNextLineForText(heldText(), range));
    }
    if (m_title.isEmpty() && !m_path.isEmpty())
        m_title = FileName::displayName(QFileInfo(m_path).completeBaseName());
    if (m_title.isEmpty())
        m_title = QCoreApplication::translate("Song", "(No Title)");
}

QString Song::titleSubtitleReference() const
{
    return m_subtitle.isEmpty() ? m_title : m_title + QStringLiteral(" - ") + m_subtitle;
}

QString Song::titleSubtitleRefCondensed() const
{
    return titleSubtitleReference().remove(u' ').remove(u'-');
}

QString Song::quotedTitle() const
{
    return QCoreApplication::translate("Song", "\u201c%1\u201d").arg(m_title);
}

QString Song::description() const
{
    // The plain reference, also for songs that name themselves differently in references.
    return Song::titleSubtitleReference();
}

SongPtr Song::fromTitleSubtitleReference(const QString &reference)
{
    auto song = std::make_shared<Song>();
    // The last " - " parts them, so a title may hold " - " itself.
    const QString separator = QStringLiteral(" - ");
    const qsizetype at = reference.lastIndexOf(separator);
    if (at >= 0) {
        song->m_title = TextChars::trimmedBlanksAndTabs(QStringView(reference).left(at));
        song->m_subtitle = TextChars::trimmedBlanksAndTabs(unescapeHyphen(reference.mid(at + separator.size())));
    } else {
        song->m_title = TextChars::trimmedBlanksAndTabs(reference);
    }
    return song;
}

qint64 Song::capo() const
{
    // A capo sits on a fret of the neck; any other number is a slip, never a transposition.
    const qint64 capo = TextNumber::leadingInteger(valueInTextForUserControl(heldText(), QStringLiteral("capo")));
    return capo >= 0 && capo <= kHighestCapo ? capo : 0;
}

bool Song::setCapo(qint64 capo)
{
    // Only the plain directive is written; a user's or instrument's own capo keeps winning.
    if (capo == 0) {
        const bool beforeIsFiles = m_textIsFiles;
        const QString before = heldText();
        deleteCapo();
        return saveChange(before, beforeIsFiles);
    }
    return saveText(replaceValueInText(heldText(), QStringLiteral("Capo"), QString::number(capo)));
}

void Song::deleteCapo()
{
    static const QRegularExpression capoDirective =
        TextPattern::make(QStringLiteral(R"((\n)?\{Capo:\s*(.*?)\s*\})"), QRegularExpression::CaseInsensitiveOption);
    if (!capoDirective.isValid()) {
        Log::write(QStringLiteral("Regexp error %1").arg(capoDirective.errorString()));
        return;
    }
    QString text = heldText();
    const QRegularExpressionMatch match = capoDirective.match(text);
    if (match.hasMatch())
        changeText(text.remove(match.capturedStart(), match.capturedLength()));
}

int Song::tempo() const
{
    if (m_songtempo == 0) {
        const QString value =
            valueInText(heldText(), QStringList{QStringLiteral("tempo-mac"), QStringLiteral("tempo")});
        m_songtempo = TextNumber::leadingInt(value);
    }
    return m_songtempo;
}

bool Song::setTempo(int tempo)
{
    return saveText(replaceValueInText(heldText(), QStringLiteral("tempo-mac"), QString::number(tempo)));
}

QString Song::playingTimeInTimeDirective(const QString &text)
{
    // "time" holds either the playing time or, with a "/", the time signature.
    const QStringList values = valuesInText(text, QStringLiteral("time"));
    for (const QString &value : values)
        if (!value.isEmpty() && !value.contains(u'/'))
            return value;
    return QString();
}

int Song::playingTime() const
{
    if (!m_songplayingtime)
        m_songplayingtime = playingTimeOf(heldText());
    return *m_songplayingtime;
}

int Song::playingTimeOf(const QString &text)
{
    QString value = playingTimeInTimeDirective(text);
    if (value.isEmpty())
        value = valueInText(text, QStringLiteral("duration"));
    const QStringList parts = value.split(u':');
    const qint64 seconds = parts.size() >= 2
                               ? 60 * qint64(TextNumber::leadingInt(parts[0])) + TextNumber::leadingInt(parts[1])
                               : TextNumber::leadingInteger(value);
    return int(std::clamp<qint64>(seconds, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool Song::setPlayingTime(qint64 seconds)
{
    seconds = std::clamp<qint64>(seconds, 0, std::numeric_limits<int>::max());
    const QString value = QString::asprintf("%lld:%02lld", seconds / 60, seconds % 60);
    // Written where the reader looks first: a playing time in "time" wins over "duration".
    const QString time = playingTimeInTimeDirective(heldText());
    if (!time.isEmpty())
        return saveText(replaceValueInText(heldText(), QStringLiteral("time"), value, time));
    if (!valueInText(heldText(), QStringLiteral("duration")).isEmpty())
        return saveText(replaceValueInText(heldText(), QStringLiteral("duration"), value));
    return saveText(addValueInText(heldText(), QStringLiteral("time"), value));
}

qint64 Song::metronomeTicksPerBar() const
{
    const QStringList values = valuesInText(heldText(), QStringLiteral("time"));
    for (const QString &value : values)
        if (value.contains(u'/'))
            return TextNumber::leadingInteger(QStringView(value).left(value.indexOf(u'/')));
    return 0;
}

QList<float> Song::pauses() const
{
    QList<float> pauses;
    const QString key = QStringLiteral("{pause:");
    qsizetype at = 0;
    while ((at = heldText().indexOf(key, at, Qt::CaseInsensitive)) >= 0) {
        at += key.size();
        const qsizetype close = heldText().indexOf(u'}', at);
        if (close < 0)
            break;
        pauses.append(TextNumber::leadingFloat(QStringView(heldText()).sliced(at, close - at)));
    }
    return pauses;
}

int Song::tempoMetronome() const
{
    if (m_songmetronome == 0)
        m_songmetronome = TextNumber::leadingInt(valueInText(heldText(), QStringLiteral("metronome")));
    return m_songmetronome;
}

bool Song::setTempoMetronome(int tempo)
{
    return saveText(replaceValueInText(heldText(), QStringLiteral("metronome"), QString::number(tempo)));
}

float Song::zoomScale() const
{
    if (m_songzoomscale == 0) {
        const QString value = valueInText(heldText(), QStringList{QStringLiteral("zoom-mac"), QStringLiteral("zoom")});
        m_songzoomscale = TextNumber::leadingFloat(value);
    }
    return m_songzoomscale;
}

bool Song::setZoomScale(float zoom)
{
    return saveText(replaceValueInText(heldText(), QStringLiteral("zoom-mac"), QString::number(double(zoom), 'f', 6)));
}

// The key of the first valid chord among the first three bracketed chords; "" when none.
QString Song::keyFromFirstChords(const QString &text)
{
    qsizetype at = 0;
    for (int examined = 0; examined < 3; ++examined) {
        const qsizetype open = text.indexOf(u'[', at);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u']', open + 1);
        if (close < 0)
            break;
        const QString chord = text.sliced(open + 1, close - open - 1);
        if (const std::optional<QString> key = keyOfChord(chord))
            return *key;
        at = close + 1;
    }
    return QString();
}

QString Song::keyOfReadText(const SongMetadataScan &scan, const QString &text)
{
    return scan.key().isEmpty() ? keyFromFirstChords(text) : scan.key();
}

QString Song::key() const
{
    if (!m_songkey) {
        QString key = valueInText(heldText(), QStringLiteral("key"));
        m_songkey = key.isEmpty() ? keyFromFirstChords(heldText()) : key;
    }
    return *m_songkey;
}

bool Song::hasKey() const
{
    return !valueInText(heldText(), QStringLiteral("key")).isEmpty();
}

bool Song::setKey(const QString &key)
{
    return saveText(replaceValueInText(heldText(), QStringLiteral("key"), key));
}

// All arithmetic of the auto-scroll conversions is in 32-bit floats, truncated toward zero, so that a
// speed and a playing time convert back and forth to the same values on every machine.
float Song::pixPerMsForTempo(float tempo)
{
    // Speed 1 scrolls one pixel per second; each step adds 40/399 pixel per second.
    return ((tempo - 1.0f) / 399.0f * 0.4f + 0.01f) / 10.0f;
}

int Song::playingTimeForTempo(float tempo, float songheight) const
{
    const float pixPerMs = pixPerMsForTempo(tempo);
    if (pixPerMs == 0.0f)
        return 0;
    float seconds = songheight / pixPerMs / 1000.0f;
    for (float pause : pauses())
        seconds += pause;
    return truncatedToInt(seconds);
}

float Song::pixPerMsForPlayingTime(int playingTime, float songheight) const
{
    if (songheight == 0.0f)
        return 0.0f;
    int scrolling = playingTime;
    for (float pause : pauses())
        scrolling = truncatedToInt(float(scrolling) - pause);
    if (scrolling < 1)
        return 0.0f;
    return songheight / float(scrolling) / 1000.0f;
}

int Song::tempoForPlayingTime(int playingTime, float songheight) const
{
    const float pixPerMs = pixPerMsForPlayingTime(playingTime, songheight);
    return truncatedToInt((pixPerMs * 10.0f - 0.01f) / 0.4f * 399.0f + 1.0f);
}
