// The legacy percent escaping of URLs (RFC 2396) that stored names and notes were written with.
#pragma once

#include <QString>

class PercentEscape
{
public:
    // Escapes the UTF-8 bytes of the text as "%XX" (upper-case hex), keeping letters, digits and the
    // RFC 2396 unreserved marks and reserved characters ("-_.!~*'()" and ";/?:@&=+$,"). Everything
    // else is escaped, among it "#", "%", blanks, quotes, brackets, braces and every non-ASCII character.
    static QString legacyEscape(const QString &text);
    // Undoes every escape. A "%" that starts no escape, or escapes that do not spell UTF-8, stay as written,
    // so hand-edited text never loses its characters.
    static QString legacyUnescape(const QString &text);
};
