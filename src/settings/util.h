// Small stateless helpers: count suffixes for popup titles and colours as text or JSON.
#pragma once

#include <QColor>
#include <QJsonValue>
#include <QString>

#include <optional>

class Util
{
public:
    // "Live (12)".
    static QString addCount(int count, const QString &str);
    // "Live (12, 12:34)" with the time in seconds; a time of 0 gives addCount(count, str).
    static QString addCount(int count, qint64 time, const QString &str);

    // "#RRGGBB" or "#AARRGGBB"; the first character is skipped whatever it is. Invalid colour when no
    // hexadecimal digits follow.
    static QColor colorFromHexString(const QString &hex);
    // "#rrggbb" for an opaque colour, else "#aarrggbb", each component truncated to 8 bits.
    // A missing (invalid) colour gives "", which reads back as a missing colour.
    static QString hexStringFromColor(const QColor &color);

    // The settings archive's lossless colour form: [red, green, blue, alpha] from 0 to 1; null for no colour.
    static QJsonValue jsonFromColor(const QColor &color);
    // Nothing when the value is not of that form; an invalid colour for null.
    static std::optional<QColor> colorFromJson(const QJsonValue &value);

    // Dark grey for text on light chord diagrams.
    static QColor darkTextColor();
};
