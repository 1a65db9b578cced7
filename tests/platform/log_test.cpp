#include "log.h"
#include "logcapture.h"

#include <gtest/gtest.h>

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
