// Decoding text of unknown encoding, reading it from files, and writing files atomically.
#include "textfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five bytes it leaves undefined.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<QString> decodeStrictly(const QByteArray &bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

std::optional<QString> TextFile::decode(const QByteArray &bytes, LastResort lastResort)
{
    if (const auto bomEncoding = QStringConverter::encodingForData(bytes)) {
        // Without a hint, encodingForData answers only for a byte-order mark; the decoder drops the mark.
        QStringDecoder decoder(*bomEncoding);
        QString text = decoder.decode(bytes);
        if (!decoder.hasError())
            return text;
    }
    if (auto text = decodeStrictly(bytes, QStringConverter::Utf8))
        return text;
    if (auto text = decodeWindows1252(bytes))
        return text;
    if (lastResort == LastResort::Latin1)
        return QString::fromLatin1(bytes);
    return std::nullopt;
}

std::optional<QString> TextFile::decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char16_t unit = byte;
        if (byte >= 0x80 && byte <= 0x9F) {
            unit = kWindows1252High[byte - 0x80];
            if (unit == 0)
                return std::nullopt;
        }
        text[i] = QChar(unit);
    }
    return text;
}

std::optional<QString> TextFile::read(const QString &path, LastResort lastResort, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    auto text = decode(file.readAll(), lastResort);
    if (!text && error)
        *error = QStringLiteral("unknown text encoding");
    return text;
}

bool TextFile::write(const QString &path, const QString &text, QString *error)
{
    return writeBytes(path, text.toUtf8(), error);
}

bool TextFile::writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}
