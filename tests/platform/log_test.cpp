// Capturing diagnostic lines: nested captures each get their own.
#include "log.h"
#include "logcapture.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

TEST(LogCapture, NestedCapturesEachGetTheirOwnLines)
{
    LogCapture outer;
    Log::write(QStringLiteral("one"));
    {
        LogCapture inner;
        Log::write(QStringLiteral("two"));
        qDebug("not ours"); // passed on to the handler outside every capture, never back to a capture
        EXPECT_EQ(inner.lines(), QStringList{QStringLiteral("two")});
    }
    Log::write(QStringLiteral("three"));
    EXPECT_EQ(outer.lines(), (QStringList{QStringLiteral("one"), QStringLiteral("three")}));
}

TEST(LogCapture, TakesLinesFromManyThreadsAtOnce)
{
    LogCapture capture;
    constexpr int threadCount = 4;
    constexpr int linesPerThread = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < linesPerThread; ++i)
                Log::write(QStringLiteral("line"));
        });
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(capture.lines().size(), threadCount * linesPerThread);
}
