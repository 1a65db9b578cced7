// The pieces of a scan on their way from the thread that reads them to the main thread that makes their songs.
#pragma once

#include "songfolderreader.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

class QTimer;

// Bounded: a reader ahead of the main thread waits, so that the files it has read never pile up in memory.
// push() is the reading thread's; the rest is the main thread's.
class ScanQueue
{
public:
    // Holds up to capacity pieces. turn is the main thread's timer, started when a piece arrives while the main
    // thread waits for one, as it does for the first.
    ScanQueue(qsizetype capacity, QTimer *turn);

    // Set once cancelled: the scan stops reading.
    const std::atomic<bool> &cancelled() const { return m_cancelled; }
    // Queues the piece, waiting first while the queue is full; a cancelled queue drops it.
    void push(SongFolderReader::FolderScan piece);
    // The oldest piece; none while the queue is empty, and then the next piece pushed starts the turn timer.
    std::optional<SongFolderReader::FolderScan> take();
    // A reader waiting goes on and stops; what the queue holds is dropped, and no turn is started any more.
    void cancel();

private:
    const qsizetype m_capacity;
    std::mutex m_mutex;
    std::condition_variable m_notFull;
    std::deque<SongFolderReader::FolderScan> m_pieces;
    std::atomic<bool> m_cancelled = false;
    QTimer *m_turn; // null once cancelled
    bool m_turnWanted = true;
};
