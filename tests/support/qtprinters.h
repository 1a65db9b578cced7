// Lets GoogleTest print Qt values as text when an expectation fails; force-included into every test.
#pragma once

#include <QByteArray>
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
