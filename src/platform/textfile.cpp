// Decoding text of unknown encoding, reading it from files, and writing files atomically.
#include "textfile.h"

#include "filebytes.h"
#include "filename.h"
#include "filepath.h"
#include "filestamp.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five bytes it leaves undefined.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// True when every byte is below 0x80. Such bytes carry no byte-order mark and mean the same in every encoding
// tried, so they decode as Latin-1, the cheapest decoding there is. Eight bytes are looked at a time.
bool isAscii(QByteArrayView bytes)
{
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    qsizetype i = 0;
    for (; i + qsizetype(sizeof(quint64)) <= bytes.size(); i += sizeof(quint64)) {
        quint64 word;
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if (word & kHighBits)
            return false;
    }
    for (; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    return true;
}

std::optional<QString> decodeStrictly(const QByteArray &bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The Windows-1252 character of one byte; nothing for the five bytes it leaves undefined.
std::optional<QChar> windows1252Char(unsigned char byte)
{
    if (byte < 0x80 || byte > 0x9F)
        return QChar(byte);
    if (const char16_t unit = kWindows1252High[byte - 0x80])
        return QChar(unit);
    return std::nullopt;
}

// Decodes the valid UTF-8 sequence of two or more bytes starting at index to out, moving out behind it;
// answers the bytes it takes, 0 when none starts there (out then stays). out has room for as many units as
// the sequence has bytes.
qsizetype decodeUtf8Sequence(QStringDecoder &utf8, const QByteArray &bytes, qsizetype index, QChar *&out)
{
    const auto lead = static_cast<unsigned char>(bytes[index]);
    const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || index + length > bytes.size())
        return 0;
    // The decoder refuses overlong forms, surrogates and code points beyond U+10FFFF.
    QChar *const end = utf8.appendToBuffer(out, QByteArrayView(bytes).sliced(index, length));
    if (utf8.hasError()) {
        utf8.resetState();
        return 0;
    }
    out = end;
    return length;
}

// UTF-8 text with a few stray bytes pasted in from elsewhere: its valid sequences as UTF-8, each stray byte
// as Windows-1252 (Latin-1 for the five bytes it leaves undefined, when allowed). Nothing when the text holds
// no UTF-8 sequence at all, so that a file wholly in a single-byte encoding is decoded as one.
std::optional<QString> decodeMixedUtf8(const QByteArray &bytes, TextFile::LastResort lastResort)
{
    // Every byte gives at most one UTF-16 unit, so the text is written into one buffer of that size.
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    bool anyUtf8 = false;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            *out++ = QChar(byte);
            ++i;
        } else if (const qsizetype length = decodeUtf8Sequence(utf8, bytes, i, out)) {
            anyUtf8 = true;
            i += length;
        } else if (const auto stray = windows1252Char(byte)) {
            *out++ = *stray;
            ++i;
        } else if (lastResort == TextFile::LastResort::Latin1) {
            *out++ = QChar(byte);
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (!anyUtf8)
        return std::nullopt;
    text.truncate(out - text.constData());
    return text;
}

TextFile::WriteHook &writeHook()
{
    static TextFile::WriteHook hook;
    return hook;
}

// A step failed by the test hook fails as on a full disk.
bool failsByHook(TextFile::WriteStep step)
{
    if (!writeHook() || !writeHook()(step))
        return false;
    errno = ENOSPC;
    return true;
}

QString reason(int number)
{
    return number == 0 ? QStringLiteral("no space left on device?") : qt_error_string(number);
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The file a save rewrites: a link's target, so that the link stays a link.
QByteArray savedFile(QByteArray path)
{
    constexpr int kMaxLinks = 40; // as the system follows at most
    for (int link = 0; link < kMaxLinks; ++link) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            break;
        const QByteArray next(target, length);
        path = next.startsWith('/') ? next : folderOf(path) + '/' + next;
    }
    return path;
}

// A save's temporary file in the folder of the file it replaces, under a short hidden name of its own (so it
// fits beside a name of any length); removed again unless it took the file's place.
class TemporaryFile
{
public:
    explicit TemporaryFile(const QByteArray &folder)
    {
        constexpr int kAttempts = 16;
        for (int attempt = 0; attempt < kAttempts && m_fd < 0; ++attempt) {
            m_path =
                folder + "/.vellorin-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".saving";
            m_fd = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        m_openError = m_fd < 0 ? errno : 0;
        m_created = m_fd >= 0;
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_created)
            ::unlink(m_path.constData());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    int openError() const { return m_openError; }
    // Closes the file, which may still report a failed write, and renames it to target in one step.
    bool replace(const QByteArray &target)
    {
        if (::close(std::exchange(m_fd, -1)) != 0 || ::rename(m_path.constData(), target.constData()) != 0)
            return false;
        m_created = false;
        return true;
    }

private:
    QByteArray m_path;
    int m_fd = -1;
    int m_openError = 0;
    bool m_created = false;
};

std::optional<QString> decodeOrSayWhy(const QByteArray &bytes, TextFile::LastResort lastResort, QString *error)
{
    auto text = TextFile::decode(bytes, lastResort);
    if (!text && error)
        *error = QStringLiteral("unknown text encoding");
    return text;
}

} // namespace

std::optional<QString> TextFile::decode(const QByteArray &bytes, LastResort lastResort)
{
    // Not for no bytes at all, which the decoders below answer with an empty rather than a null string.
    if (!bytes.isEmpty() && isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (const auto bomEncoding = QStringConverter::encodingForData(bytes)) {
        // Without a hint, encodingForData answers only for a byte-order mark; the decoder drops the mark.
        QStringDecoder decoder(*bomEncoding);
        QString text = decoder.decode(bytes);
        if (!decoder.hasError())
            return text;
    }
    if (auto text = decodeStrictly(bytes, QStringConverter::Utf8))
        return text;
    if (auto text = decodeMixedUtf8(bytes, lastResort))
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
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto character = windows1252Char(static_cast<unsigned char>(byte));
        if (!character)
            return std::nullopt;
        *out++ = *character;
    }
    return text;
}

std::optional<QString> TextFile::read(const QString &path, LastResort lastResort, QString *error)
{
    if (!path.startsWith(u':')) {
        const std::optional<QByteArray> bytes = FileBytes::read(path, -1, error);
        return bytes ? decodeOrSayWhy(*bytes, lastResort, error) : std::nullopt;
    }
    QFile resource(path);
    if (!resource.open(QIODevice::ReadOnly)) {
        if (error)
            *error = resource.errorString();
        return std::nullopt;
    }
    return decodeOrSayWhy(resource.readAll(), lastResort, error);
}

bool TextFile::isBinary(QByteArrayView bytes)
{
    const QByteArrayView start = bytes.first(std::min(bytes.size(), kBinaryCheckBytes));
    if (!start.contains('\0'))
        return false;
    // UTF-32 marks begin like UTF-16 ones, so both are found by these.
    return !(start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF") ||
             start.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)));
}

std::optional<QString> TextFile::readFromDisk(const QString &path, qint64 expectedSize, LastResort lastResort,
                                              QString *error)
{
    // One buffer for all the files a thread reads: a library load reads thousands one after the other, and a
    // buffer for each would leave as many holes in the heap between the texts, which slow every later
    // allocation down; the buffer of an unusually large file is not kept.
    constexpr qsizetype kKeptBufferBytes = 1 << 20;
    thread_local QByteArray buffer;
    if (!FileBytes::readInto(path, expectedSize, buffer, error))
        return std::nullopt;
    std::optional<QString> text;
    if (!isBinary(buffer))
        text = decodeOrSayWhy(buffer, lastResort, error);
    else if (error)
        *error = notTextReason();
    if (buffer.capacity() > kKeptBufferBytes)
        buffer = QByteArray();
    return text;
}

bool TextFile::write(const QString &path, const QString &text, QString *error)
{
    return writeBytes(path, text.toUtf8(), error);
}

bool TextFile::copy(const QString &source, const QString &destination, QString *error)
{
    QFile in;
    QString why;
    const auto readFailure = [&] {
        if (error)
            *error = QStringLiteral("read failed: %1").arg(why.isEmpty() ? in.errorString() : why);
        return false;
    };
    if (!FilePath::openForReading(source, in, &why))
        return readFailure();
    const bool copied = writeThrough(
        destination,
        [&](QIODevice &out) -> qint64 {
            constexpr qint64 kPieceBytes = 1 << 20;
            qint64 total = 0;
            while (!in.atEnd()) {
                const QByteArray piece = in.read(kPieceBytes);
                if (in.error() != QFileDevice::NoError || out.write(piece) != piece.size())
                    return -1;
                total += piece.size();
            }
            return total;
        },
        error);
    if (!copied && in.error() != QFileDevice::NoError)
        return readFailure();
    return copied;
}

bool TextFile::writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    return writeThrough(
        path, [&](QIODevice &file) { return file.write(bytes) == bytes.size() ? bytes.size() : qint64(-1); }, error);
}

bool TextFile::writeThrough(const QString &path, const std::function<qint64(QIODevice &)> &writeContent, QString *error)
{
    // Everything goes by the bytes of the names, so a name that is not UTF-8, in the file or a folder on the way,
    // is written as it is; the temporary name is short whatever the file's name is.
    const QByteArray target = savedFile(FileName::toBytes(path));
    struct stat old;
    const bool replaces = ::stat(target.constData(), &old) == 0;
    const auto fail = [error](const char *step, const QString &why) {
        if (error)
            *error = QStringLiteral("%1 failed: %2").arg(QLatin1String(step), why);
        return false;
    };
    if (replaces && S_ISDIR(old.st_mode))
        return fail("open", QStringLiteral("it is a folder"));
    if (replaces && ::access(target.constData(), W_OK) != 0)
        return fail("open", qt_error_string(errno)); // a file the user may not write keeps its text
    TemporaryFile temporary(folderOf(target));
    if (failsByHook(WriteStep::Open) || !temporary.isOpen())
        return fail("open", reason(temporary.openError()));
    QFile file;
    if (!file.open(temporary.fd(), QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail("open", file.errorString());
    const qint64 size = failsByHook(WriteStep::Write) ? -1 : writeContent(file);
    if (size < 0)
        return fail("write", file.error() == QFileDevice::NoError ? reason(errno) : file.errorString());
    // A full disk may show only when the bytes reach it: nothing is replaced before they are there.
    if (failsByHook(WriteStep::Flush) || !file.flush() || ::fsync(temporary.fd()) != 0)
        return fail("flush", reason(errno));
    // A file that was there keeps its permissions; a new one has the usual ones, as the open made them.
    if (replaces && ::fchmod(temporary.fd(), old.st_mode & 07777) != 0)
        return fail("commit", reason(errno));
    if (failsByHook(WriteStep::Commit) || !temporary.replace(target))
        return fail("commit", reason(errno));
    const qint64 written = FileStamp::of(path).size;
    if (written != size) {
        if (error)
            *error = QStringLiteral("the file on disk has %1 bytes instead of %2").arg(written).arg(size);
        return false;
    }
    return true;
}

void TextFile::setWriteHook(WriteHook hook)
{
    writeHook() = std::move(hook);
}
