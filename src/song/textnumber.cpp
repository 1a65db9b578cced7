// Numbers at the start of directive values, read alike in every locale.
#include "textnumber.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

qsizetype skipSpace(QStringView text, qsizetype at)
{
    while (at < text.size() && text[at].isSpace())
        ++at;
    return at;
}

qsizetype skipSign(QStringView text, qsizetype at)
{
    return at < text.size() && (text[at] == u'+' || text[at] == u'-') ? at + 1 : at;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isAsciiDigit(text[at]))
        ++at;
    return at;
}

} // namespace

qint64 TextNumber::leadingInteger(QStringView text)
{
    const qsizetype start = skipSpace(text, 0);
    const qsizetype digits = skipSign(text, start);
    const bool negative = digits > start && text[start] == u'-';
    const qint64 limit = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (qsizetype at = digits; at < text.size() && isAsciiDigit(text[at]); ++at) {
        const int digit = text[at].unicode() - u'0';
        if (value > (limit - digit) / 10)
            return negative ? std::numeric_limits<qint64>::min() : limit;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

int TextNumber::leadingInt(QStringView text)
{
    return int(
        std::clamp<qint64>(leadingInteger(text), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

float TextNumber::leadingFloat(QStringView text)
{
    const qsizetype start = skipSpace(text, 0);
    qsizetype end = skipDigits(text, skipSign(text, start));
    if (end < text.size() && text[end] == u'.')
        end = skipDigits(text, end + 1);
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        const qsizetype exponent = skipSign(text, end + 1);
        const qsizetype exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    bool ok = false;
    // QByteArray::toDouble reads the C locale's form, whatever the user's locale is.
    const double value = text.sliced(start, end - start).toLatin1().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max())
        return 0.0f;
    return float(value);
}
