// Count suffixes for popup titles, and colours as text or JSON.
#include "util.h"

#include "hexdigit.h"

#include <QJsonArray>

#include <limits>

namespace {

// Reads an unsigned 32-bit hexadecimal number the way a number scanner does: leading white space
// skipped, an optional "0x", digits up to the first other character; saturates on overflow.
std::optional<quint32> scanHexNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const auto digitAt = [&](qsizetype at) { return at < text.size() ? HexDigit::value(text[at]) : -1; };
    if (digitAt(i) == 0 && i + 1 < text.size() && (text[i + 1] == u'x' || text[i + 1] == u'X') && digitAt(i + 2) >= 0)
        i += 2;
    if (digitAt(i) < 0)
        return std::nullopt;
    quint64 value = 0;
    for (; digitAt(i) >= 0; ++i)
        value = std::min<quint64>(value * 16 + digitAt(i), std::numeric_limits<quint32>::max());
    return static_cast<quint32>(value);
}

} // namespace

QString Util::addCount(int count, const QString &str)
{
    return QStringLiteral("%1 (%2)").arg(str).arg(count);
}

QString Util::addCount(int count, qint64 time, const QString &str)
{
    if (time == 0)
        return addCount(count, str);
    const qint64 minutes = time / 60;
    const qint64 seconds = time - 60 * minutes;
    return QStringLiteral("%1 (%2, %3:%4)").arg(str).arg(count).arg(minutes).arg(seconds, 2, 10, QLatin1Char('0'));
}

QColor Util::colorFromHexString(const QString &hex)
{
    const auto number = scanHexNumber(QStringView(hex).mid(std::min<qsizetype>(1, hex.size())));
    if (!number)
        return {};
    const int alpha = hex.size() >= 8 ? int((*number >> 24) & 0xff) : 255;
    return QColor(int((*number >> 16) & 0xff), int((*number >> 8) & 0xff), int(*number & 0xff), alpha);
}

QString Util::hexStringFromColor(const QColor &color)
{
    if (!color.isValid())
        return {};
    // QColor keeps 16 bits per component: v / 257 is v * 255 / 65535 truncated, exactly.
    const QRgba64 rgba = color.toRgb().rgba64();
    const auto byte = [](quint16 component) {
        return QStringLiteral("%1").arg(component / 257, 2, 16, QLatin1Char('0'));
    };
    const QString rgb = byte(rgba.red()) + byte(rgba.green()) + byte(rgba.blue());
    return QLatin1Char('#') + (rgba.alpha() == 0xffff ? rgb : byte(rgba.alpha()) + rgb);
}

QJsonValue Util::jsonFromColor(const QColor &color)
{
    if (!color.isValid())
        return QJsonValue::Null;
    const QColor rgb = color.toRgb();
    return QJsonArray{rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()};
}

std::optional<QColor> Util::colorFromJson(const QJsonValue &value)
{
    if (value.isNull())
        return QColor();
    const QJsonArray components = value.toArray();
    if (components.size() != 4)
        return std::nullopt;
    float rgba[4];
    for (int i = 0; i < 4; ++i) {
        const double component = components[i].toDouble(-1);
        if (!(component >= 0 && component <= 1))
            return std::nullopt;
        rgba[i] = float(component);
    }
    return QColor::fromRgbF(rgba[0], rgba[1], rgba[2], rgba[3]);
}

QColor Util::darkTextColor()
{
    return QColor::fromRgbF(0.1f, 0.1f, 0.1f, 1.0f);
}
