// The title, subtitle, key and tags of a song text, found in one pass over its directives.
#pragma once

#include <QSet>
#include <QString>

class SongMetadataScan
{
public:
    // Each answer is what its own lookup finds, so a directive written inside another's value counts too:
    // title and subtitle as Song::valueInText with TitleDirectives, the key as Song::valueInText with "key",
    // the tags as SongTextData::tags.
    explicit SongMetadataScan(const QString &text);

    const QString &title() const { return m_title; }
    const QString &subtitle() const { return m_subtitle; }
    // The value of the first key directive; "" without one.
    const QString &key() const { return m_key; }
    const QSet<QString> &tags() const { return m_tags; }

private:
    QString m_title;
    QString m_subtitle;
    QString m_key;
    QSet<QString> m_tags;
};
