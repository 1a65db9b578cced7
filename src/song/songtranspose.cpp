// The song's chords rewritten: transposition, Nashville numbers, and tab songs converted into the song format.
#include "song.h"

#include "chord.h"
#include "songsettings.h"
#include "songtransposition.h"
#include "tabconversion.h"

#include <QFileInfo>

void Song::transpose(qint64 step, QChar favor)
{
    // One spelling for every chord of the song, decided once from the new key.
    if (favor.isNull())
        favor = SongTransposition::automaticFavor(key(), step);
    QString text = SongTransposition::transposedChords(m_text, step, favor);
    const QString songKey = valueInText(text, QStringLiteral("key"));
    if (!songKey.isEmpty())
        text = replaceValueInText(text, QStringLiteral("key"), Chord::transpose(songKey, step, favor));
    m_text = text;
    m_songkey.reset();
}

int Song::deltaForTransposeKey(const QString &key) const
{
    return SongTransposition::deltaForTransposeKey(this->key(), key);
}

std::optional<QString> Song::keyForTransposeDelta(qint64 step, QChar favor) const
{
    return SongTransposition::keyForTransposeDelta(key(), step, favor);
}

QList<TextRange> Song::gridRanges() const
{
    return SongTransposition::gridRanges(m_text);
}

bool Song::isNNS() const
{
    return SongTransposition::isNNS(m_text);
}

bool Song::convertToNNS()
{
    return saveText(SongTransposition::convertedToNNS(m_text, key()));
}

bool Song::convertFromNNS()
{
    return saveText(SongTransposition::convertedFromNNS(m_text, key()));
}

bool Song::isTabFile(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    return extension == QLatin1String("tab") || extension == QLatin1String("crd");
}

bool Song::isChordpro() const
{
    return !SongSettings::supportTabs() ||
           !valueInText(m_text, {QStringLiteral("title"), QStringLiteral("t")}).isEmpty();
}

void Song::convertTab()
{
    QString converted = convertedTabText(m_text);
    if (valueInText(m_text, {QStringLiteral("title"), QStringLiteral("t")}).isEmpty())
        converted.prepend(QStringLiteral("{title: %1}\n").arg(QFileInfo(m_path).completeBaseName()));
    m_text = converted;
}

QString Song::convertedTabText(const QString &text)
{
    QStringList lines;
    TextRange range;
    while (const std::optional<QString> line = getNextLineForText(text, range))
        lines.append(*line);
    return TabConversion::convertedTabText(lines);
}
