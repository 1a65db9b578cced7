// Readable failure messages for colours (Qt strings are printed by the shared printers of every test).
#pragma once

#include <QColor>

#include <ostream>

inline void PrintTo(const QColor &color, std::ostream *out)
{
    *out << (color.isValid() ? color.name(QColor::HexArgb).toStdString() : std::string("(no colour)"));
}
