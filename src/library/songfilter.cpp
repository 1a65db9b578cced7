// Searching songs by their folded texts.
#include "songfilter.h"

#include "pdfsong.h"
#include "searchtext.h"
#include "song.h"

#include <QSet>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <string.h>

#include <vector>

namespace {

// Each keystroke may scan every song; lists smaller than this are scanned on the main thread alone.
constexpr qsizetype kSongsWorthThreads = 2000;
// Enough answers for a word typed letter by letter and a few letters deleted again.
constexpr qsizetype kKeptAnswers = 32;

QByteArray foldedUtf8(const QString &text)
{
    return SearchText::folded(text).toUtf8();
}

// UTF-8 is self-synchronising: one folded text holds another exactly when their UTF-8 forms do.
bool holds(const QByteArray &haystack, const QByteArray &needle)
{
    return ::memmem(haystack.constData(), size_t(haystack.size()), needle.constData(), size_t(needle.size()));
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
    return foldedUtf8(Song::plainTextOf(songText));
}

void SongFilter::prepare(const Song &song, QByteArray searchable)
{
    m_texts[&song].plainText.seed(song.text(), std::move(searchable));
}

QList<SongPtr> SongFilter::matching(const QList<SongPtr> &songs, const QString &text, bool searchPDFs)
{
    const QByteArray needle = foldedUtf8(text);
    dropStaleAnswers(searchPDFs);
    // The narrowest kept answer this search lies within: each song the search finds, it found.
    const Answer *within = nullptr;
    for (const Answer &answer : std::as_const(m_answers)) {
        if (answer.needle == needle)
            return answer.songs;
        if (needle.contains(answer.needle) && (!within || answer.needle.size() > within->needle.size()))
            within = &answer;
    }
    QList<SongPtr> found = scan(within ? within->songs : songs, needle, searchPDFs);
    if (m_answers.size() == kKeptAnswers)
        m_answers.removeFirst();
    m_answers.append({needle, found});
    return found;
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
    };
    std::vector<Fold> folds;
    const auto foldIfChanged = [&folds](Derived<QByteArray> &target, const QString &source,
                                        QByteArray (*fold)(const QString &)) {
        if (!target.isFrom(source))
            folds.push_back({&target, source, fold, {}});
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
            foldIfChanged(texts.plainText, song->text(), searchableText);
        else if (searchPDFs)
            foldIfChanged(texts.plainText, song->plainText(), foldedUtf8);
        searched.push_back({&texts, !isPDF || searchPDFs});
    }
    inRanges(folds.size(), [&folds](std::pair<size_t, size_t> range) {
        for (size_t index = range.first; index < range.second; ++index)
            folds[index].value = folds[index].fold(folds[index].source);
    });
    for (Fold &fold : folds)
        fold.target->seed(fold.source, std::move(fold.value));
    return searched;
}

QList<SongPtr> SongFilter::scan(const QList<SongPtr> &songs, const QByteArray &needle, bool searchPDFs)
{
    const std::vector<Searched> searched = upToDate(songs, searchPDFs);
    std::vector<char> matches(searched.size());
    inRanges(searched.size(), [&](std::pair<size_t, size_t> range) {
        for (size_t index = range.first; index < range.second; ++index) {
            const SongTexts &texts = *searched[index].texts;
            matches[index] = holds(texts.title.value(), needle) || holds(texts.subtitle.value(), needle) ||
                             holds(texts.key.value(), needle) ||
                             (searched[index].byPlainText && holds(texts.plainText.value(), needle));
        }
    });
    QList<SongPtr> found;
    for (qsizetype index = 0; index < songs.size(); ++index)
        if (matches[size_t(index)])
            found.append(songs.at(index));
    return found;
}

void SongFilter::dropStaleAnswers(bool searchPDFs)
{
    if (searchPDFs == m_answersSearchPDFs && Song::storesOfAnySong() == m_answersStores)
        return;
    m_answers.clear();
    m_answersSearchPDFs = searchPDFs;
    m_answersStores = Song::storesOfAnySong();
}

void SongFilter::keepOnly(const QList<SongPtr> &songs)
{
    m_answers.clear();
    QSet<const Song *> kept;
    for (const SongPtr &song : songs)
        kept.insert(song.get());
    std::erase_if(m_texts, [&kept](const auto &entry) { return !kept.contains(entry.first); });
}
