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

} // namespace

QByteArray SongFilter::searchableText(const QString &songText)
{
    return foldedUtf8(Song::plainTextOf(songText));
}

void SongFilter::prepare(const Song &song, QByteArray searchable)
{
    m_texts[&song].plainText.seed(song.text(), std::move(searchable));
}

const SongFilter::SongTexts &SongFilter::textsOf(const Song &song, bool searchesPlainText)
{
    SongTexts &texts = m_texts[&song];
    texts.title.from(song.title(), foldedUtf8);
    texts.subtitle.from(song.subtitle(), foldedUtf8);
    texts.key.from(song.key(), foldedUtf8);
    if (!searchesPlainText)
        return texts;
    // A text song is searched by its text's plain text, a PDF song by its document's text.
    if (dynamic_cast<const PDFSong *>(&song))
        texts.plainText.from(song.plainText(), foldedUtf8);
    else
        texts.plainText.from(song.text(), searchableText);
    return texts;
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

QList<SongPtr> SongFilter::scan(const QList<SongPtr> &songs, const QByteArray &needle, bool searchPDFs)
{
    // The songs' texts are brought up to date here, on the main thread; the threads read bytes alone.
    std::vector<char> searchesPlainText(size_t(songs.size()));
    for (qsizetype index = 0; index < songs.size(); ++index) {
        const Song &song = *songs.at(index);
        searchesPlainText[size_t(index)] = searchPDFs || !dynamic_cast<const PDFSong *>(&song);
        textsOf(song, searchesPlainText[size_t(index)]);
    }
    // Taken once no entry is added any more, which could move the others.
    std::vector<const SongTexts *> texts;
    texts.reserve(size_t(songs.size()));
    for (const SongPtr &song : songs)
        texts.push_back(&*std::as_const(m_texts).find(song.get()));

    std::vector<char> matches(size_t(songs.size()));
    const auto scanRange = [&](std::pair<size_t, size_t> range) {
        for (size_t index = range.first; index < range.second; ++index) {
            const SongTexts &song = *texts[index];
            matches[index] = holds(song.title.value(), needle) || holds(song.subtitle.value(), needle) ||
                             holds(song.key.value(), needle) ||
                             (searchesPlainText[index] && holds(song.plainText.value(), needle));
        }
    };
    if (songs.size() < kSongsWorthThreads) {
        scanRange({0, texts.size()});
    } else {
        static QThreadPool pool;
        std::vector<std::pair<size_t, size_t>> ranges;
        const size_t step = texts.size() / size_t(4 * std::max(1, pool.maxThreadCount())) + 1;
        for (size_t from = 0; from < texts.size(); from += step)
            ranges.emplace_back(from, std::min(texts.size(), from + step));
        QtConcurrent::blockingMap(&pool, ranges, scanRange);
    }

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
    m_texts.removeIf([&kept](const QHash<const Song *, SongTexts>::iterator &it) { return !kept.contains(it.key()); });
}
