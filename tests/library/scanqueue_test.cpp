// The hand-over of a scan's pieces: a full queue holds the reader back, cancelling lets it go, and a piece that
// arrives while the main thread waits for one starts its turn.
#include "scanqueue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

SongFolderReader::FolderScan piece(const QString &folder)
{
    return {folder, QString(), {}, 0, {}, 0, 0};
}

TEST(ScanQueueTest, AFullQueueHoldsTheReaderBackUntilAPieceIsTaken)
{
    ScanQueue queue(2, nullptr);
    queue.push(piece(QStringLiteral("a")));
    queue.push(piece(QStringLiteral("b")));
    std::atomic<bool> pushed = false;
    std::thread reader([&] {
        queue.push(piece(QStringLiteral("c")));
        pushed = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(pushed);
    EXPECT_EQ(queue.take()->folder, QStringLiteral("a"));
    reader.join();
    EXPECT_TRUE(pushed);
    EXPECT_EQ(queue.take()->folder, QStringLiteral("b"));
    EXPECT_EQ(queue.take()->folder, QStringLiteral("c"));
    EXPECT_FALSE(queue.take());
}

TEST(ScanQueueTest, CancellingLetsAWaitingReaderGoAndDropsWhatIsQueued)
{
    ScanQueue queue(1, nullptr);
    queue.push(piece(QStringLiteral("a")));
    std::thread reader([&] { queue.push(piece(QStringLiteral("b"))); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the reader waits by then, as a rule
    queue.cancel();
    reader.join(); // never returns while the reader waits
    EXPECT_TRUE(queue.cancelled());
    EXPECT_FALSE(queue.take());
    queue.push(piece(QStringLiteral("c")));
    EXPECT_FALSE(queue.take());
}

TEST(ScanQueueTest, APieceArrivingWhileTheMainThreadWaitsStartsATurn)
{
    QTimer turn;
    turn.setSingleShot(true);
    int turns = 0;
    QObject::connect(&turn, &QTimer::timeout, [&turns] { ++turns; });
    ScanQueue queue(4, &turn);
    const auto pushFromAnotherThread = [&queue](const QString &folder) {
        std::thread([&queue, folder] { queue.push(piece(folder)); }).join();
    };
    const auto runEvents = [] {
        const QDeadlineTimer deadline(50);
        while (!deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    };
    // The main thread waits for the first piece from the start.
    pushFromAnotherThread(QStringLiteral("a"));
    runEvents();
    EXPECT_EQ(turns, 1);
    // It has not asked for another yet.
    pushFromAnotherThread(QStringLiteral("b"));
    runEvents();
    EXPECT_EQ(turns, 1);
    EXPECT_TRUE(queue.take());
    EXPECT_TRUE(queue.take());
    EXPECT_FALSE(queue.take());
    pushFromAnotherThread(QStringLiteral("c"));
    runEvents();
    EXPECT_EQ(turns, 2);
    // A cancelled queue starts no turn.
    EXPECT_TRUE(queue.take());
    EXPECT_FALSE(queue.take());
    queue.cancel();
    pushFromAnotherThread(QStringLiteral("d"));
    runEvents();
    EXPECT_EQ(turns, 2);
}

} // namespace
