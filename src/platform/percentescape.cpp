// The legacy percent escaping of URLs (RFC 2396).
#include "percentescape.h"

#include <QStringDecoder>
#include <QUrl>

namespace {

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

QString PercentEscape::legacyEscape(const QString &text)
{
    // Qt keeps only the RFC 3986 unreserved characters; RFC 2396 kept its marks and reserved ones too.
    static const QByteArray keptBeyondUnreserved("!*'();/?:@&=+$,");
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keptBeyondUnreserved));
}

QString PercentEscape::legacyUnescape(const QString &text)
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
