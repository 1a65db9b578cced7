#include "mainwindow.h"

#include "userdefaults.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>

#include <gtest/gtest.h>

TEST(MainWindow, OpensTitled)
{
    MainWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vellorin"));
    EXPECT_TRUE(window.close());
}

TEST(MainWindow, KeepsItsPlaceSizeAndMaximisedStateBetweenStarts)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect placed(screen.topLeft() + QPoint(30, 40), QSize(500, 350));
    {
        MainWindow window;
        window.show();
        window.setGeometry(placed);
        EXPECT_TRUE(window.close());
    }
    {
        MainWindow window;
        window.showWithSavedGeometry();
        EXPECT_EQ(window.geometry(), placed);
        EXPECT_FALSE(window.isMaximized());
        window.showMaximized();
        EXPECT_TRUE(window.close());
    }
    {
        MainWindow window;
        window.showWithSavedGeometry();
        EXPECT_TRUE(window.isMaximized());
        EXPECT_EQ(window.normalGeometry(), placed) << "restored from maximised, it goes back to its place";
        window.close();
    }

    // A place on a screen that is gone is forgotten.
    UserDefaults::setValue(QStringLiteral("mainWindow.geometry"), QRect(screen.right() + 5000, 0, 500, 350));
    UserDefaults::setValue(QStringLiteral("mainWindow.maximized"), false);
    MainWindow window;
    window.showWithSavedGeometry();
    EXPECT_TRUE(screen.intersects(window.geometry()));
    window.close();
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
