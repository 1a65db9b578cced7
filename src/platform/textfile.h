// Reading text files whose encoding nobody wrote down, and writing files so that a crash never leaves half a file.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class TextFile
{
public:
    // What to try when the bytes are neither marked by a BOM, nor UTF-8, nor Windows-1252.
    // Song files accept ISO Latin-1 as the last resort (it decodes any bytes); other files fail.
    enum class LastResort { None, Latin1 };

    // BOM (UTF-8, UTF-16, UTF-32), then strict UTF-8, then Windows-1252, then the last resort.
    static std::optional<QString> decode(const QByteArray &bytes, LastResort lastResort);
    // Windows-1252 alone (chord database texts are written in it); nothing for its five undefined bytes.
    static std::optional<QString> decodeWindows1252(const QByteArray &bytes);
    // Reads and decodes a file; on failure returns nothing and, when asked, says why in *error.
    static std::optional<QString> read(const QString &path, LastResort lastResort, QString *error = nullptr);

    // Atomic writes: the old file stays whole until the new one is complete on disk.
    static bool write(const QString &path, const QString &text, QString *error = nullptr);
    static bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);
};
