// Handing the pieces of a scan over from its reading thread to the main thread.
#include "scanqueue.h"

#include <QMetaObject>
#include <QTimer>

ScanQueue::ScanQueue(qsizetype capacity, QTimer *turn)
    : m_capacity(capacity)
    , m_turn(turn)
{}

void ScanQueue::push(SongFolderReader::FolderScan piece)
{
    std::unique_lock lock(m_mutex);
    m_notFull.wait(lock, [this] { return m_cancelled || qsizetype(m_pieces.size()) < m_capacity; });
    if (m_cancelled)
        return;
    m_pieces.push_back(std::move(piece));
    // Posted under the lock, so that the timer cannot go (cancel() first) between the check and the post; a post
    // left when the timer goes is dropped with it.
    if (std::exchange(m_turnWanted, false) && m_turn)
        QMetaObject::invokeMethod(
            m_turn, [turn = m_turn] { turn->start(0); }, Qt::QueuedConnection);
}

std::optional<SongFolderReader::FolderScan> ScanQueue::take()
{
    std::optional<SongFolderReader::FolderScan> piece;
    {
        const std::lock_guard lock(m_mutex);
        if (m_pieces.empty()) {
            m_turnWanted = true;
            return piece;
        }
        piece = std::move(m_pieces.front());
        m_pieces.pop_front();
    }
    m_notFull.notify_one();
    return piece;
}

void ScanQueue::cancel()
{
    {
        const std::lock_guard lock(m_mutex);
        m_cancelled = true;
        m_turn = nullptr;
        m_pieces.clear();
    }
    m_notFull.notify_all();
}
