// The old URL escaping of UTF-8 text that playlist notes are stored in, so a note fits on one line.
#pragma once

#include <QString>

class PercentEscaping
{
public:
    // Every character outside the URI character set (line breaks, "%", "#", "[", "]", blanks, accents …)
    // becomes "%" and two upper-case hexadecimal digits per UTF-8 byte; blanks are then written as they are.
    static QString escape(const QString &text);
    // Undoes every escape. A "%" that starts no escape, or escapes that do not spell UTF-8, stay as written,
    // so a hand-edited note never loses its text.
    static QString unescape(const QString &text);
};
