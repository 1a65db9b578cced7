// The legacy percent escaping of URLs (RFC 2396).
#include "percentescape.h"

#include <QUrl>

QString PercentEscape::legacyEscape(const QString &text)
{
    // Qt keeps only the RFC 3986 unreserved characters; RFC 2396 kept its marks and reserved ones too.
    static const QByteArray keptBeyondUnreserved("!*'();/?:@&=+$,");
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keptBeyondUnreserved));
}
