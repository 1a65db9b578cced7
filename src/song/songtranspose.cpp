// The song's chords rewritten: transposition, Nashville numbers, and tab songs converted into the song format.
#include "song.h"

#include "chord.h"
#include "fileextension.h"
#include "filename.h"
#include "songsettings.h"
#include "songtransposition.h"
#include "tabconversion.h"
#include "titledirectives.h"

#include <QFileInfo>

void Song::transpose(qint64 step, QChar favor)
{
    // One spelling for every chord of the song, decided once from the new key.
    if (favor.isNull())
        favor = SongTransposition::automaticFavor(key(), step);
    QString text = SongTransposition::transposedChords(heldText(), step, favor);
    const QString songKey = valueOnLineInText(text, QStringLiteral("key"));
    if (!songKey.isEmpty())
        text = replaceValueInText(text, QStringLiteral("key"), Chord::transpose(songKey, step, favor));
    changeText(std::move(text));
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
    return SongTransposition::gridRanges(heldText());
}

bool Song::isNNS() const
{
    return SongTransposition::isNNS(heldText());
}

bool Song::convertToNNS()
{
    // Numbers mean nothing without their key: one taken from the chords is written down, so that converting
    // back finds it.
    const QString songKey = key();
    QString text = SongTransposition::convertedToNNS(heldText(), songKey);
    if (!hasKey() && !songKey.isEmpty())
        text = addValueInText(text, QStringLiteral("key"), songKey);
    return saveText(text);
}

bool Song::convertFromNNS()
{
    return saveText(SongTransposition::convertedFromNNS(heldText(), key()));
}

bool Song::isTabFile(const QString &path)
{
    return FileExtension::isOneOf(path, {QLatin1String("tab"), QLatin1String("crd")});
}

bool Song::isChordpro() const
{
    return !SongSettings::supportTabs() || !valueInText(heldText(), TitleDirectives::title()).isEmpty();
}

void Song::convertTab()
{
    QString converted = convertedTabText(heldText());
    if (valueInText(heldText(), TitleDirectives::title()).isEmpty())
        converted.prepend(
            QStringLiteral("{title: %1}\n").arg(FileName::displayName(QFileInfo(m_path).completeBaseName())));
    changeText(std::move(converted));
}

QString Song::convertedTabText(const QString &text)
{
    QStringList lines;
    TextRange range;
    while (const std::optional<QString> line = getNextLineForText(text, range))
        lines.append(*line);
    return TabConversion::convertedTabText(lines);
}
