// Reading text files whose encoding nobody wrote down, and writing files so that a crash never leaves half a file.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

class TextFile
{
public:
    // What to try when the bytes are neither marked by a BOM, nor UTF-8, nor Windows-1252.
    // Song files accept ISO Latin-1 as the last resort (it decodes any bytes); other files fail.
    enum class LastResort { None, Latin1 };

    // BOM (UTF-8, UTF-16, UTF-32), then strict UTF-8, then UTF-8 with stray single bytes (each such byte
    // read as Windows-1252), then Windows-1252, then the last resort.
    static std::optional<QString> decode(const QByteArray &bytes, LastResort lastResort);
    // Windows-1252 alone (chord database texts are written in it); nothing for its five undefined bytes.
    static std::optional<QString> decodeWindows1252(const QByteArray &bytes);
    // Reads and decodes a file; on failure returns nothing and, when asked, says why in *error. Only regular
    // files are read (a pipe would never end).
    static std::optional<QString> read(const QString &path, LastResort lastResort, QString *error = nullptr);
    // The same for a file on disk (never a resource) whose size a look just before gave: one system read
    // takes it whole. A file that is no text (isBinary) is refused with notTextReason() in *error.
    static std::optional<QString> readFromDisk(const QString &path, qint64 expectedSize, LastResort lastResort,
                                               QString *error = nullptr);
    // An image, an archive, a program: a NUL byte among the first 8 KiB of the bytes, unless a UTF-16 or UTF-32
    // byte-order mark says that zero bytes belong to the text.
    static bool isBinary(QByteArrayView bytes);
    static constexpr qsizetype kBinaryCheckBytes = 8192;
    // Why a file that is no text was not read.
    static QString notTextReason() { return QStringLiteral("not a text file"); }

    // Atomic writes: the old file stays whole until the new one is complete on disk. Every step is checked
    // (a full disk may only show when the written bytes are flushed), and afterwards that the file on disk
    // has the size written; any failure answers false, says why in *error, and writes nothing over the file.
    // A file that was there keeps its permissions, a link stays a link to the file rewritten, a file the user
    // may not write is not replaced, and any name the file system holds is written under its own bytes.
    static bool write(const QString &path, const QString &text, QString *error = nullptr);
    static bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);
    // The source's bytes written the same way over the destination, a piece at a time (a linked recording may be
    // large); a source that cannot be read writes nothing.
    static bool copy(const QString &source, const QString &destination, QString *error = nullptr);

    // The steps of a write that the file system may fail.
    enum class WriteStep { Open, Write, Flush, Commit };
    // For tests: answers true for a step that is to fail as if the disk were full. An empty hook (the
    // default) fails nothing.
    using WriteHook = std::function<bool(WriteStep)>;
    static void setWriteHook(WriteHook hook);

private:
    // The checked steps of every write around writeContent, which answers how many bytes it wrote (-1: failed).
    static bool writeThrough(const QString &path, const std::function<qint64(QIODevice &)> &writeContent,
                             QString *error);
};
