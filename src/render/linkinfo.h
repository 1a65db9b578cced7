// One clickable link drawn in a song line.
#pragma once

#include <QRectF>
#include <QString>

struct LinkInfo
{
    LinkInfo() = default;
    LinkInfo(const QRectF &bounds, const QString &link)
        : bounds(bounds)
        , link(link)
    {}

    // The link's rectangle in view coordinates.
    QRectF bounds;
    // The link text as written in the song.
    QString link;
};
