#include "mainwindow.h"

#include <QApplication>
#include <QProcess>

#include <gtest/gtest.h>

TEST(MainWindow, OpensTitled)
{
    MainWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vellorin"));
    EXPECT_TRUE(window.close());
}

TEST(MainWindow, ApplicationStartsAndKeepsRunning)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QStringLiteral(VELLORIN_EXECUTABLE), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    ASSERT_TRUE(process.waitForStarted(10000));
    // Still running a moment later: it did not crash or quit during start-up.
    EXPECT_FALSE(process.waitForFinished(1500));
    process.terminate();
    EXPECT_TRUE(process.waitForFinished(10000));
}
