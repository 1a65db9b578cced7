// Searching songs by their folded texts.
#include "songfilter.h"

#include "pdfsong.h"
#include "searchableplaintext.h"
#include "song.h"

#include <QSet>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

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

QByteArray foldedUtf8(const QString &text)
{
    return SearchablePlainText::folded(text);
}

// UTF-8 is self-synchronising: one folded text holds another exactly when their UTF-8 forms do. Sixteen
// places are tried at once by their first and last bytes, which rules most of them out; the C library's search
// takes the rest.
bool holds(const QByteArray &haystack, const QByteArray &needle)
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

QByteArray SongFilter::searchableText(const QString &songText)
{
    return SearchablePlainText::of(songText);
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
    const QByteArray needle = foldedUtf8(text);
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

std::vector<SongFilter::Searched> SongFilter::upToDate(const QList<SongPtr> &songs, bool searchPDFs)
{
    // Songs are read here, on the main thread; the threads fold strings alone.
    struct Fold
    {
        Derived<QByteArray> *target;
        QString source;
        QByteArray (*fold)(const QString &);
        QByteArray value;
        Derived<QByteArray, quint64> *plainTextTarget = nullptr; // instead of target
        quint64 textRevision = 0;
    };
    std::vector<Fold> folds;
    const auto foldIfChanged = [&folds](Derived<QByteArray> &target, const QString &source,
                                        QByteArray (*fold)(const QString &)) {
        if (!target.isFrom(source))
            folds.push_back({&target, source, fold, {}});
    };
    // The song's text is asked for only when it changed: it may have to be read from the file.
    const auto foldPlainTextIfChanged = [&folds](Derived<QByteArray, quint64> &target, const Song &song,
                                                 QString (Song::*text)() const, QByteArray (*fold)(const QString &)) {
        if (!target.isFrom(song.textRevision()))
            folds.push_back({nullptr, (song.*text)(), fold, {}, &target, song.textRevision()});
    };
    std::vector<Searched> searched;
    searched.reserve(size_t(songs.size()));
    for (const SongPtr &song : songs) {
        SongTexts &texts = m_texts[song.get()];
        foldIfChanged(texts.title, song->title(), foldedUtf8);
        foldIfChanged(texts.subtitle, song->subtitle(), foldedUtf8);
        foldIfChanged(texts.key, song->key(), foldedUtf8);
        // A text song is searched by its text's plain text, a PDF song by its document's text, if at all.
        const bool isPDF = dynamic_cast<const PDFSong *>(song.get());
        if (!isPDF)
            foldPlainTextIfChanged(texts.plainText, *song, &Song::text, searchableText);
        else if (searchPDFs)
            foldPlainTextIfChanged(texts.plainText, *song, &Song::plainText, foldedUtf8);
        searched.push_back({&texts, !isPDF || searchPDFs});
    }
    inRanges(folds.size(), [&folds](std::pair<size_t, size_t> range) {
        for (size_t index = range.first; index < range.second; ++index)
            folds[index].value = folds[index].fold(folds[index].source);
    });
    for (Fold &fold : folds) {
        if (fold.plainTextTarget)
            fold.plainTextTarget->seed(fold.textRevision, std::move(fold.value));
        else
            fold.target->seed(fold.source, std::move(fold.value));
    }
    return searched;
}

SongFilter::Answer SongFilter::scan(const Answer &within, const QByteArray &needle)
{
    std::vector<char> matches(within.searched.size());
    inRanges(matches.size(), [&](std::pair<size_t, size_t> range) {
        for (size_t index = range.first; index < range.second; ++index) {
            const Searched &song = within.searched[index];
            const SongTexts &texts = *song.texts;
            matches[index] = holds(texts.title.value(), needle) || holds(texts.subtitle.value(), needle) ||
                             holds(texts.key.value(), needle) ||
                             (song.byPlainText && holds(texts.plainText.value(), needle));
        }
    });
    Answer found{needle, {}, {}};
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

void SongFilter::takePrepared(std::vector<PreparedText> prepared)
{
    // A kept answer may point at a text replaced here; answers are dropped with the list they were for anyway.
    m_answers.clear();
    for (PreparedText &text : prepared)
        m_texts[text.song].plainText.seed(text.textRevision, std::move(text.searchable));
}

void SongFilter::keepOnly(const QList<SongPtr> &songs)
{
    m_answers.clear();
    QSet<const Song *> kept;
    for (const SongPtr &song : songs)
        kept.insert(song.get());
    std::erase_if(m_texts, [&kept](const auto &entry) { return !kept.contains(entry.first); });
}
