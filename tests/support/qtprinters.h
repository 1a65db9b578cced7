// Lets GoogleTest print Qt values as text when an expectation fails; force-included into every test.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '[';
    for (qsizetype i = 0; i < list.size(); ++i)
        *out << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *out << ']';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << "hex:" << bytes.toHex(' ').toStdString();
}

inline void PrintTo(const QPointF &point, std::ostream *out)
{
    *out << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QSizeF &size, std::ostream *out)
{
    *out << size.width() << " x " << size.height();
}

inline void PrintTo(const QRectF &rect, std::ostream *out)
{
    *out << '(' << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height() << ')';
}
