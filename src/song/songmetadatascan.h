// The title, subtitle, key, tags, playing time, audio link and MIDI index of a song text, found in one pass over its
// directives: what a library asks of every song without holding its text.
#pragma once

#include <QSet>
#include <QString>

class SongMetadataScan
{
public:
    // Each answer is what its own lookup finds, so a directive written inside another's value counts too:
    // title and subtitle as Song::valueInText with TitleDirectives, the key as Song::valueInText with "key",
    // the tags as SongTextData::tags, the playing time as Song::playingTimeOf, the audio link and MIDI index as
    // Song::valueInText with "musicpath" and "midi-index".
    explicit SongMetadataScan(const QString &text);

    const QString &title() const { return m_title; }
    const QString &subtitle() const { return m_subtitle; }
    // The value of the first key directive; "" without one.
    const QString &key() const { return m_key; }
    const QSet<QString> &tags() const { return m_tags; }
    int playingTime() const { return m_playingTime; }
    const QString &musicpath() const { return m_musicpath; }
    const QString &midiIndex() const { return m_midiIndex; }

private:
    QString m_title;
    QString m_subtitle;
    QString m_key;
    QSet<QString> m_tags;
    int m_playingTime = 0;
    QString m_musicpath;
    QString m_midiIndex;
};
