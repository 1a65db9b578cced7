// What a click or the pointer finds in a drawn song, and the song's chord names.
#include "songclicks.h"

#include "log.h"
#include "songview.h"
#include "songviewdelegate.h"
#include "urlopener.h"

#include <QUrl>

#include <algorithm>

SongClicks::SongClicks(const SongView &view)
    : m_view(view)
{}

void SongClicks::mouseDown(QPointF point) const
{
    for (const Chord &chord : m_view.chords()) {
        if (chord.bounds().contains(point)) {
            if (SongViewDelegate *delegate = m_view.delegate())
                delegate->showChords(chord.title(), chord.bounds());
            return;
        }
    }
    for (const LinkInfo &link : m_view.links()) {
        if (link.bounds.contains(point)) {
            openLink(link.link);
            return;
        }
    }
}

bool SongClicks::isClickableAt(QPointF point) const
{
    const auto under = [point](const QRectF &bounds) { return bounds.contains(point); };
    return std::ranges::any_of(m_view.chords(), under, &Chord::bounds) ||
           std::ranges::any_of(m_view.links(), under, &LinkInfo::bounds);
}

QStringList SongClicks::uniqueChordNamesFromPositionY(float y) const
{
    QStringList names;
    for (const Chord &chord : m_view.chords()) {
        if (chord.bounds().bottom() < y)
            continue;
        QString name = chord.title();
        if (m_view.allChordsFlat() && name.contains(u'#'))
            name = Chord::flatChordForName(name);
        if (m_view.allChordsSharp() && name.contains(u'b'))
            name = Chord::sharpChordForName(name);
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}

QStringList SongClicks::uniqueChordNames() const
{
    QStringList names;
    for (const Chord &chord : m_view.chords()) {
        if (!names.contains(chord.title()))
            names.append(chord.title());
    }
    return names;
}

bool SongClicks::openLink(const QString &link)
{
    if (link.startsWith(QStringLiteral("file:"))) {
        const bool opened = UrlOpener::open(QUrl(link));
        if (!opened)
            Log::write(QStringLiteral("Could not open file %1").arg(link));
        return opened;
    }
    const bool named = link.startsWith(QStringLiteral("http://")) || link.startsWith(QStringLiteral("https://"));
    return UrlOpener::open(QUrl(named ? link : QStringLiteral("http://") + link));
}
