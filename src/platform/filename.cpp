#include "filename.h"

namespace {

constexpr char16_t kEscapeBase = 0xDC00; // a raw byte b (0x80..0xFF) is kept as U+DC00 + b

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence of two or more bytes at index, 0 when none starts there. Overlong
// forms, surrogates and code points beyond U+10FFFF are not valid.
qsizetype validSequenceLength(QByteArrayView bytes, qsizetype index)
{
    const auto lead = static_cast<unsigned char>(bytes[index]);
    const qsizetype length = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || index + length > bytes.size())
        return 0;
    const auto second = static_cast<unsigned char>(bytes[index + 1]);
    // The second byte's range narrows for the leads whose other forms would be overlong, surrogates or too large.
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (!isContinuation(static_cast<unsigned char>(bytes[index + i])))
            return 0;
    return length;
}

char32_t codePoint(QByteArrayView sequence)
{
    const auto lead = static_cast<unsigned char>(sequence[0]);
    char32_t point = lead & (0x7F >> sequence.size());
    for (qsizetype i = 1; i < sequence.size(); ++i)
        point = (point << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    return point;
}

bool isEscapedByte(const QString &text, qsizetype index)
{
    const char16_t unit = text[index].unicode();
    if (unit < kEscapeBase + 0x80 || unit > kEscapeBase + 0xFF)
        return false;
    return index == 0 || !text[index - 1].isHighSurrogate(); // else it is the second half of a pair
}

} // namespace

QString FileName::fromBytes(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            name.append(QChar(byte));
            ++i;
        } else if (const qsizetype length = validSequenceLength(bytes, i)) {
            const char32_t point = codePoint(bytes.sliced(i, length));
            if (QChar::requiresSurrogates(point)) {
                name.append(QChar(QChar::highSurrogate(point)));
                name.append(QChar(QChar::lowSurrogate(point)));
            } else {
                name.append(QChar(char16_t(point)));
            }
            i += length;
        } else {
            name.append(QChar(char16_t(kEscapeBase + byte)));
            ++i;
        }
    }
    return name;
}

QByteArray FileName::toBytes(const QString &name)
{
    if (!hasRawBytes(name))
        return name.toUtf8();
    QByteArray bytes;
    bytes.reserve(name.size() * 3);
    qsizetype runStart = 0;
    const auto appendRun = [&](qsizetype end) {
        bytes.append(QStringView(name).sliced(runStart, end - runStart).toUtf8());
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscapedByte(name, i))
            continue;
        appendRun(i);
        bytes.append(char(name[i].unicode() - kEscapeBase));
        runStart = i + 1;
    }
    appendRun(name.size());
    return bytes;
}

bool FileName::hasRawBytes(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        if (isEscapedByte(name, i))
            return true;
    return false;
}

QUrl FileName::toUrl(const QString &path)
{
    if (!hasRawBytes(path))
        return QUrl::fromLocalFile(path);
    return QUrl::fromEncoded("file://" + toBytes(path).toPercentEncoding("/"));
}

QString FileName::displayName(const QString &name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (isEscapedByte(name, i))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}
