// Percent escaping of note text, and its forgiving reverse.
#include "percentescaping.h"

#include <QByteArray>
#include <QStringDecoder>

namespace {

// The characters an RFC 2396 URI holds unescaped: letters, digits, the reserved and the mark characters.
bool isUriCharacter(char c)
{
    static const QByteArray others = QByteArrayLiteral(";/?:@&=+$,-_.!~*'()");
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || others.contains(c);
}

int hexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

bool isEscapeAt(const QString &text, qsizetype at)
{
    return at + 2 < text.size() && text.at(at) == u'%' && hexValue(text.at(at + 1)) >= 0 &&
           hexValue(text.at(at + 2)) >= 0;
}

// The run of escapes starting at `at` as bytes; `at` moves behind the run.
QByteArray escapedBytes(const QString &text, qsizetype &at)
{
    QByteArray bytes;
    while (isEscapeAt(text, at)) {
        bytes.append(char(hexValue(text.at(at + 1)) * 16 + hexValue(text.at(at + 2))));
        at += 3;
    }
    return bytes;
}

} // namespace

QString PercentEscaping::escape(const QString &text)
{
    static const char hexDigits[] = "0123456789ABCDEF";
    QString escaped;
    const QByteArray utf8 = text.toUtf8();
    escaped.reserve(utf8.size());
    for (const char c : utf8) {
        if (isUriCharacter(c) || c == ' ') {
            escaped.append(QLatin1Char(c)); // a blank stays readable, as "%20" turned back into " "
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        escaped.append(u'%');
        escaped.append(QLatin1Char(hexDigits[byte >> 4]));
        escaped.append(QLatin1Char(hexDigits[byte & 0xF]));
    }
    return escaped;
}

QString PercentEscaping::unescape(const QString &text)
{
    QString result;
    result.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype runStart = at;
        const QByteArray bytes = escapedBytes(text, at);
        if (bytes.isEmpty()) {
            result.append(text.at(at++));
            continue;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(bytes);
        result.append(utf8.hasError() ? text.mid(runStart, at - runStart) : decoded);
    }
    return result;
}
