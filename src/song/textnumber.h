// Numbers at the start of directive values, read alike in every locale: "3:05" reads 3, "abc" reads 0.
#pragma once

#include <QStringView>

class TextNumber
{
public:
    // Leading white space, an optional sign and the digits that follow; 0 when there are none.
    // Values beyond the type's range are clamped to it.
    static qint64 leadingInteger(QStringView text);
    static int leadingInt(QStringView text);
    // Like leadingInteger, with a decimal point ("." only) and an exponent; 0 when not a finite float.
    static float leadingFloat(QStringView text);
};
