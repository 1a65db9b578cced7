// The value of one hexadecimal digit, for the readers of escapes, colours and MIDI bytes.
#pragma once

#include <QChar>

class HexDigit
{
public:
    // 0..15 for "0"-"9", "a"-"f" and "A"-"F"; -1 for any other character.
    static int value(QChar c)
    {
        if (c >= u'0' && c <= u'9')
            return c.unicode() - u'0';
        if (c >= u'a' && c <= u'f')
            return c.unicode() - u'a' + 10;
        if (c >= u'A' && c <= u'F')
            return c.unicode() - u'A' + 10;
        return -1;
    }
};
