// Searching songs by their folded texts.
#include "songfilter.h"

#include "derived.h"
#include "pdfsong.h"
#include "searchableplaintext.h"
#include "song.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cstring>
#include <string.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <vector>

namespace {

// Each keystroke may scan every song; lists smaller than this are scanned on the main thread alone.
constexpr qsizetype kSongsWorthThreads = 2000;
// Enough answers for a word typed letter by letter and a few letters deleted again.
constexpr qsizetype kKeptAnswers = 32;

// Closes each text of a heading: UTF-8 never holds this byte, so neither does a folded search.
constexpr char kEndOfText = char(0xff);

// A string kept for what was folded from it, as now: true when the folded text stays the same, the string
// being the very one it was (see Derived) or holding the same characters. Then the one now is kept, so that
// next time the very string is recognised at a glance.
bool keeps(QString &kept, const QString &now)
{
    if (Derived<QByteArray>::isSameString(kept, now))
        return true;
    const bool same = kept == now;
    kept = now;
    return same;
}

// Title, subtitle and key folded, in one array.
QByteArray headingOf(const QString &title, const QString &subtitle, const QString &key)
{
    return SearchablePlainText::foldedEach({title, subtitle, key}, kEndOfText);
}

bool isPDFSong(const Song &song)
{
    return dynamic_cast<const PDFSong *>(&song);
}

// UTF-8 is self-synchronising: one folded text holds another exactly when their UTF-8 forms do. Sixteen
// places are tried at once by their first and last bytes, which rules most of them out; the C library's search
// takes the rest.
bool holds(QByteArrayView haystack, const QByteArray &needle)
{
    const char *text = haystack.constData();
    const char *wanted = needle.constData();
    const size_t size = size_t(haystack.size());
    const size_t length = size_t(needle.size());
    if (length < 2 || length > size)
        return ::memmem(text, size, wanted, length);
    size_t at = 0;
#ifdef __SSE2__
    const __m128i first = _mm_set1_epi8(wanted[0]);
    const __m128i last = _mm_set1_epi8(wanted[length - 1]);
    for (; at + length - 1 + 16 <= size; at += 16) {
        const __m128i firsts = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + at));
        const __m128i lasts = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + at + length - 1));
        unsigned candidates =
            unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(first, firsts), _mm_cmpeq_epi8(last, lasts))));
        for (; candidates; candidates &= candidates - 1) {
            const size_t start = at + size_t(__builtin_ctz(candidates));
            if (std::memcmp(text + start + 1, wanted + 1, length - 2) == 0)
                return true;
        }
    }
#endif
    return ::memmem(text + at, size - at, wanted, length);
}

// Runs the work on every range of indexes below count, on the filter's threads when there is enough of it.
template <typename Work> void inRanges(size_t count, Work work)
{
    if (count < size_t(kSongsWorthThreads)) {
        work(std::pair<size_t, size_t>(0, count));
        return;
    }
    // A pool of its own: the global one may be busy with slow work of other kinds.
    static QThreadPool pool;
    std::vector<std::pair<size_t, size_t>> ranges;
    const size_t step = count / size_t(4 * std::max(1, pool.maxThreadCount())) + 1;
    for (size_t from = 0; from < count; from += step)
        ranges.emplace_back(from, std::min(count, from + step));
    QtConcurrent::blockingMap(&pool, ranges, work);
}

} // namespace

SongFilter::SongTexts SongFilter::textsOf(const QString &title, const QString &subtitle, const QString &key,
                                          const QString &text)
{
    return {
        nullptr, false, title, subtitle, key, 0, {}, headingOf(title, subtitle, key), SearchablePlainText::of(text)};
}

void SongFilter::prepare(const QList<SongPtr> &songs, bool searchPDFs)
{
    dropStaleAnswers(songs, searchPDFs);
    // The whole list is the answer to the empty search, which every search lies within.
    if (m_answers.isEmpty())
        m_answers.append({QByteArray(), songs, upToDate(songs, searchPDFs)});
}

QList<SongPtr> SongFilter::matching(const QList<SongPtr> &songs, const QString &text, bool searchPDFs)
{
    const QByteArray needle = SearchablePlainText::folded(text);
    prepare(songs, searchPDFs);
    // The narrowest kept answer this search lies within: each song the search finds, it found.
    const Answer *within = nullptr;
    for (const Answer &answer : std::as_const(m_answers)) {
        if (answer.needle == needle)
            return answer.songs;
        if (needle.contains(answer.needle) && (!within || answer.needle.size() > within->needle.size()))
            within = &answer;
    }
    Answer found = scan(*within, needle);
    if (m_answers.size() == kKeptAnswers)
        m_answers.remove(1); // never the whole list
    m_answers.append(std::move(found));
    return m_answers.last().songs;
}

std::vector<SongFilter::Haystacks> SongFilter::upToDate(const QList<SongPtr> &songs, bool searchPDFs)
{
    // Songs are read here, on the main thread; the threads fold the strings kept from them alone.
    std::vector<qsizetype> indexes;
    indexes.reserve(size_t(songs.size()));
    std::vector<Refold> refolds;
    for (const SongPtr &song : songs) {
        const Refold refold = checked(*song, searchPDFs);
        indexes.push_back(refold.texts);
        if (refold.heading || refold.plain)
            refolds.push_back(refold);
    }
    inRanges(refolds.size(), [this, &refolds](std::pair<size_t, size_t> range) {
        for (size_t index = range.first; index < range.second; ++index) {
            const Refold &refold = refolds[index];
            SongTexts &texts = m_texts[size_t(refold.texts)];
            if (refold.heading)
                texts.heading = headingOf(texts.title, texts.subtitle, texts.key);
            if (refold.plain && texts.isPDF) {
                texts.plain = SearchablePlainText::folded(texts.text);
            } else if (refold.plain) {
                texts.plain = SearchablePlainText::of(texts.text);
                texts.text = QString();
            }
        }
    });
    // Once everything is folded: a song listed twice is folded once, and both point at the result.
    std::vector<Haystacks> searched;
    searched.reserve(indexes.size());
    for (const qsizetype index : indexes) {
        const SongTexts &texts = m_texts[size_t(index)];
        searched.push_back(
            {texts.heading, !texts.isPDF || searchPDFs ? QByteArrayView(texts.plain) : QByteArrayView()});
    }
    return searched;
}

SongFilter::Refold SongFilter::checked(const Song &song, bool searchPDFs)
{
    Refold refold{0, false, false};
    if (const auto found = m_textsIndexes.constFind(&song); found != m_textsIndexes.cend()) {
        refold.texts = *found;
    } else {
        refold.texts = qsizetype(m_texts.size());
        refold.heading = true;
        m_textsIndexes.insert(&song, refold.texts);
        SongTexts &added = m_texts.emplace_back();
        added.song = &song;
        added.isPDF = isPDFSong(song);
    }
    SongTexts &texts = m_texts[size_t(refold.texts)];
    // Each string is looked at, so that all are the song's when the heading is folded again.
    refold.heading |= !keeps(texts.title, song.title());
    refold.heading |= !keeps(texts.subtitle, song.subtitle());
    refold.heading |= !keeps(texts.key, song.key());
    // A song made where a song of the other kind was: its plain text is another text.
    if (refold.heading && isPDFSong(song) != texts.isPDF) {
        texts.isPDF = !texts.isPDF;
        texts.textRevision = 0;
        texts.text = QString();
        texts.plain = QByteArray();
    }
    // A text song is searched by its text's plain text, a PDF song by its document's text, if at all. A text
    // song's text is asked for only when it changed: it may have to be read from its file.
    if (!texts.isPDF) {
        refold.plain = texts.textRevision != song.textRevision();
        if (refold.plain) {
            texts.textRevision = song.textRevision();
            texts.text = song.text();
        }
    } else if (searchPDFs)
        refold.plain = !keeps(texts.text, song.plainText());
    return refold;
}

SongFilter::Answer SongFilter::scan(const Answer &within, const QByteArray &needle)
{
    std::vector<char> matches(within.searched.size());
    inRanges(matches.size(), [&](std::pair<size_t, size_t> range) {
        for (size_t index = range.first; index < range.second; ++index) {
            const Haystacks &song = within.searched[index];
            matches[index] = holds(song.heading, needle) || holds(song.plain, needle);
        }
    });
    Answer found{needle, {}, {}};
    const qsizetype count = std::count(matches.begin(), matches.end(), char(true));
    found.songs.reserve(count);
    found.searched.reserve(size_t(count));
    for (size_t index = 0; index < matches.size(); ++index) {
        if (matches[index]) {
            found.songs.append(within.songs.at(qsizetype(index)));
            found.searched.push_back(within.searched[index]);
        }
    }
    return found;
}

void SongFilter::dropStaleAnswers(const QList<SongPtr> &songs, bool searchPDFs)
{
    // Another list never shares the kept one's data, which the copy kept here holds alive.
    const bool sameSongs = songs.constData() == m_answersSongs.constData() && songs.size() == m_answersSongs.size();
    if (sameSongs && searchPDFs == m_answersSearchPDFs && Song::storesOfAnySong() == m_answersStores)
        return;
    m_answers.clear();
    m_answersSongs = songs;
    m_answersSearchPDFs = searchPDFs;
    m_answersStores = Song::storesOfAnySong();
}

void SongFilter::takePrepared(std::vector<SongTexts> prepared)
{
    for (SongTexts &texts : prepared) {
        if (const auto found = m_textsIndexes.constFind(texts.song); found != m_textsIndexes.cend()) {
            // A kept answer may point into the texts replaced; texts added move nothing an answer sees.
            m_answers.clear();
            m_texts[size_t(*found)] = std::move(texts);
            continue;
        }
        m_textsIndexes.insert(texts.song, qsizetype(m_texts.size()));
        m_texts.push_back(std::move(texts));
    }
}

void SongFilter::makeRoom(qsizetype texts)
{
    m_texts.reserve(m_texts.size() + size_t(texts));
    m_textsIndexes.reserve(m_textsIndexes.size() + texts);
}

void SongFilter::keepOnly(const QList<SongPtr> &songs)
{
    m_answers.clear();
    std::vector<bool> listed(m_texts.size());
    size_t kept = 0;
    for (const SongPtr &song : songs) {
        const auto found = m_textsIndexes.constFind(song.get());
        if (found != m_textsIndexes.cend() && !listed[size_t(*found)]) {
            listed[size_t(*found)] = true;
            ++kept;
        }
    }
    // After a load that read every song again or found them all as they were, every song's texts are kept.
    if (kept == m_texts.size())
        return;
    std::vector<SongTexts> texts;
    texts.reserve(kept);
    m_textsIndexes.clear();
    for (size_t index = 0; index < m_texts.size(); ++index) {
        if (listed[index]) {
            m_textsIndexes.insert(m_texts[index].song, qsizetype(texts.size()));
            texts.push_back(std::move(m_texts[index]));
        }
    }
    m_texts = std::move(texts);
}
