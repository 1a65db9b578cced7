// Stripping a song text's markup and folding what is left, in one pass.
#include "searchableplaintext.h"

#include "searchtext.h"
#include "song.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <memory>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Line breaks and spaces beyond "\n", "\r", "\t" and " " (which the pattern also counts as such), and halves of
// characters outside the basic plane: texts holding any are stripped by the pattern itself.
bool isLeftToPattern(char16_t c)
{
    if (c < 0x80)
        return c == 0x0b || c == 0x0c;
    return c == 0x85 || c == 0xa0 || c == 0x1680 || c == 0x180e || (c >= 0x2000 && c <= 0x200a) || c == 0x2028 ||
           c == 0x2029 || c == 0x202f || c == 0x205f || c == 0x3000 || QChar::isSurrogate(c);
}

// Eight characters at once: a mask of two bits for each that is outside ASCII or one of the ASCII characters
// given.
#ifdef __SSE2__
template <char16_t... Wanted> unsigned outsideAsciiOrOneOf(const char16_t *eight)
{
    const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i *>(eight));
    const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(chars, _mm_set1_epi16(short(0xff80))), _mm_setzero_si128());
    __m128i found = _mm_andnot_si128(ascii, _mm_set1_epi16(-1));
    ((found = _mm_or_si128(found, _mm_cmpeq_epi16(chars, _mm_set1_epi16(short(Wanted))))), ...);
    return unsigned(_mm_movemask_epi8(found));
}
#endif

// Whether the text holds a character that the pass by hand leaves to the pattern; most texts are ASCII, which
// is ruled out eight characters at a time.
bool holdsLeftToPattern(const char16_t *text, qsizetype size)
{
    qsizetype at = 0;
#ifdef __SSE2__
    for (; at + 8 <= size; at += 8)
        if (outsideAsciiOrOneOf<0x0b, 0x0c>(text + at) && std::any_of(text + at, text + at + 8, isLeftToPattern))
            return true;
#endif
    return std::any_of(text + at, text + size, isLeftToPattern);
}

// Characters no markup starts with, which fold to themselves lowered.
bool isPlainAscii(char16_t c)
{
    return c < 0x80 && c != u'[' && c != u'{' && c != u'}' && c != u'#';
}

// How many characters from at on are plain ASCII: most of a song's lyrics, found eight at a time.
qsizetype plainAsciiRun(const char16_t *text, qsizetype size, qsizetype at)
{
    qsizetype end = at;
#ifdef __SSE2__
    for (; end + 8 <= size; end += 8)
        if (const unsigned stops = outsideAsciiOrOneOf<u'[', u'{', u'}', u'#'>(text + end))
            return end + qsizetype(__builtin_ctz(stops) / 2) - at;
#endif
    while (end < size && isPlainAscii(text[end]))
        ++end;
    return end - at;
}

bool isLineBreak(char16_t c)
{
    return c == u'\n' || c == u'\r';
}

bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || isLineBreak(c);
}

// How one character outside ASCII folds on its own, when that is how it folds within any text.
struct CharacterFold
{
    static constexpr int kMaxBytes = 15;
    char bytes[kMaxBytes];
    qint8 length = -1; // -1: it folds only within its run of such characters
};

// Folding reorders combining marks that follow a base character and drops the nonspacing ones. A character
// whose decomposition starts with a base character and adds no other kind of mark therefore folds the same
// alone as within any text: no mark of the text can move across it or among its own.
CharacterFold foldAlone(char16_t c)
{
    CharacterFold fold;
    if (QChar::isSurrogate(c) || QChar::combiningClass(c) != 0)
        return fold;
    const QString decomposed = QString(QChar(c)).normalized(QString::NormalizationForm_D);
    if (decomposed.front().combiningClass() != 0)
        return fold;
    for (const QChar part : decomposed)
        if (part.combiningClass() != 0 && part.category() != QChar::Mark_NonSpacing)
            return fold;
    const QByteArray folded = SearchText::folded(QString(QChar(c))).toUtf8();
    if (folded.size() > CharacterFold::kMaxBytes)
        return fold;
    std::memcpy(fold.bytes, folded.constData(), size_t(folded.size()));
    fold.length = qint8(folded.size());
    return fold;
}

// How the characters outside ASCII fold alone, worked out a block of 256 at a time when a text first holds
// one of the block: a text uses few blocks, and all of them are shared by every thread.
class CharacterFolds
{
public:
    static const CharacterFold &of(char16_t c)
    {
        static CharacterFolds folds;
        const Block *block = folds.m_blocks[c >> 8].load(std::memory_order_acquire);
        if (!block)
            block = folds.made(c >> 8);
        return (*block)[c & 0xff];
    }

private:
    using Block = std::array<CharacterFold, 256>;

    ~CharacterFolds()
    {
        for (std::atomic<const Block *> &block : m_blocks)
            delete block.load();
    }

    const Block *made(int index)
    {
        auto block = std::make_unique<Block>();
        for (int low = 0; low < 256; ++low)
            (*block)[low] = foldAlone(char16_t(index << 8 | low));
        // Threads that made the same block at once keep the first one installed.
        const Block *installed = nullptr;
        if (m_blocks[index].compare_exchange_strong(installed, block.get(), std::memory_order_acq_rel))
            return block.release();
        return installed;
    }

    std::array<std::atomic<const Block *>, 256> m_blocks{};
};

// The folded text built from the characters kept: ASCII lowered at once, most other characters by how they
// fold alone, and the rest folded as runs. The result is that of folding the whole kept text.
class FoldedBuilder
{
public:
    explicit FoldedBuilder(qsizetype capacity) { reserve(capacity); }

    void keep(char16_t c)
    {
        if (c >= 0x80) {
            keepWide(c);
            return;
        }
        if (!m_run.isEmpty())
            flushRun();
        if (m_length == m_capacity)
            reserve(m_length * 2 + 16);
        m_data[m_length++] = char(c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c);
    }

    // Ends what was kept so far with a byte of its own: what follows folds as a text of its own.
    void close(char byte)
    {
        flushRun();
        append(&byte, 1);
    }

    // Plain ASCII characters (isPlainAscii), lowered.
    void keepPlainAscii(const char16_t *chars, qsizetype count)
    {
        flushRun();
        if (m_length + count > m_capacity)
            reserve(std::max(m_length + count, m_length * 2 + 16));
        char *out = m_data + m_length;
        for (qsizetype index = 0; index < count; ++index) {
            const char16_t c = chars[index];
            out[index] = char(c + (char16_t(c - u'A') < 26 ? u'a' - u'A' : 0));
        }
        m_length += count;
    }

    QByteArray take()
    {
        flushRun();
        // Room was made for the whole song text, markup and all, and a search keeps every song's folded text: it
        // gets a block of its own size, while the builder's goes back to the heap for the next song.
        return QByteArray(m_data, m_length);
    }

private:
    void keepWide(char16_t c)
    {
        const CharacterFold &fold = CharacterFolds::of(c);
        if (fold.length < 0) {
            m_run.append(QChar(c));
            return;
        }
        flushRun();
        append(fold.bytes, fold.length);
    }

    void flushRun()
    {
        if (m_run.isEmpty())
            return;
        const QByteArray folded = SearchText::folded(m_run).toUtf8();
        append(folded.constData(), folded.size());
        m_run.clear();
    }

    void append(const char *bytes, qsizetype length)
    {
        if (m_length + length > m_capacity)
            reserve(std::max(m_length + length, m_length * 2 + 16));
        std::memcpy(m_data + m_length, bytes, size_t(length));
        m_length += length;
    }

    void reserve(qsizetype capacity)
    {
        m_folded.resize(capacity);
        m_data = m_folded.data();
        m_capacity = capacity;
    }

    // Written through a pointer of its own: appending byte by byte would check the array's sharing each time.
    QByteArray m_folded;
    char *m_data = nullptr;
    qsizetype m_length = 0;
    qsizetype m_capacity = 0;
    QString m_run;
};

// Where the first of the two characters, or a line break, stands at or after from; size if neither does.
qsizetype findOnLine(const char16_t *text, qsizetype size, qsizetype from, char16_t wanted)
{
    while (from < size && text[from] != wanted && !isLineBreak(text[from]))
        ++from;
    return from;
}

// Each "past" below gives where the markup at ends, or at itself when there is none there (markup is never
// empty). Plain positions rather than optional ones: this runs for every character of every song.

// Past a bracketed chord, or a directive in braces, closed on its line.
qsizetype pastClosed(const char16_t *text, qsizetype size, qsizetype at, char16_t closing)
{
    const qsizetype end = findOnLine(text, size, at + 1, closing);
    if (end < size && text[end] == closing)
        return end + 1;
    return at;
}

// Past the opening of a directive whose name starts with "c", up to its last colon before spaces and the
// colon after them: "{c: " or "{comment_italic:". Its text stays.
qsizetype pastCOpening(const char16_t *text, qsizetype size, qsizetype at)
{
    if (at + 1 >= size || text[at + 1] != u'c')
        return at;
    qsizetype wordEnd = at + 2;
    while (wordEnd < size && !isSpace(text[wordEnd]))
        ++wordEnd;
    qsizetype afterSpaces = wordEnd;
    while (afterSpaces < size && isSpace(text[afterSpaces]))
        ++afterSpaces;
    if (afterSpaces < size && text[afterSpaces] == u':')
        return afterSpaces + 1;
    for (qsizetype colon = wordEnd - 1; colon >= at + 2; --colon)
        if (text[colon] == u':')
            return colon + 1;
    return at;
}

// Past a comment line and its line break: "#" at the start of a line.
qsizetype pastCommentLine(const char16_t *text, qsizetype size, qsizetype at)
{
    const qsizetype end = findOnLine(text, size, at, u'\n');
    if (end == size)
        return size;
    return text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n' ? end + 2 : end + 1;
}

// Past what the pattern would remove at.
qsizetype pastMarkup(const char16_t *text, qsizetype size, qsizetype at)
{
    switch (text[at]) {
    case u'[':
        return pastClosed(text, size, at, u']');
    case u'{':
        if (const qsizetype past = pastCOpening(text, size, at); past != at)
            return past;
        return pastClosed(text, size, at, u'}');
    case u'#':
        if (at == 0 || isLineBreak(text[at - 1]))
            return pastCommentLine(text, size, at);
        return at;
    case u'}':
        return at + 1;
    default:
        return at;
    }
}

} // namespace

QByteArray SearchablePlainText::of(const QString &songText)
{
    const char16_t *text = reinterpret_cast<const char16_t *>(songText.utf16());
    const qsizetype size = songText.size();
    if (holdsLeftToPattern(text, size))
        return byPattern(songText);
    FoldedBuilder folded(size);
    for (qsizetype at = 0; at < size;) {
        if (const qsizetype run = plainAsciiRun(text, size, at)) {
            folded.keepPlainAscii(text + at, run);
            at += run;
            continue;
        }
        if (const qsizetype past = pastMarkup(text, size, at); past != at) {
            at = past;
            continue;
        }
        folded.keep(text[at++]);
    }
    return folded.take();
}

QByteArray SearchablePlainText::folded(const QString &text)
{
    FoldedBuilder folded(text.size());
    for (const QChar c : text)
        folded.keep(c.unicode());
    return folded.take();
}

QByteArray SearchablePlainText::foldedEach(std::initializer_list<QStringView> texts, char closing)
{
    qsizetype size = 0;
    for (const QStringView text : texts)
        size += text.size() + 1;
    FoldedBuilder folded(size);
    for (const QStringView text : texts) {
        for (const QChar c : text)
            folded.keep(c.unicode());
        folded.close(closing);
    }
    return folded.take();
}

QByteArray SearchablePlainText::byPattern(const QString &songText)
{
    return SearchText::folded(Song::plainTextOf(songText)).toUtf8();
}
