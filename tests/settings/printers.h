// Readable failure messages for the Qt values the settings tests compare.
#pragma once

#include <QColor>
#include <QString>

#include <ostream>

inline void PrintTo(const QColor &color, std::ostream *out)
{
    *out << (color.isValid() ? color.name(QColor::HexArgb).toStdString() : std::string("(no colour)"));
}

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
