#include "mainwindow.h"

#include "userdefaults.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QUrl>

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

TEST(MainWindow, FilesDroppedOnAnyWidgetGoToTheWindowsDecisions)
{
    MainWindow window;
    auto *editor = new QPlainTextEdit;
    window.setSongPane(editor);
    QStringList asked;
    QStringList performed;
    QPoint performedAt;
    MainWindow::FileDrops drops;
    drops.accepts = [&](const QStringList &paths, const QPoint &) {
        asked += paths;
        return true;
    };
    drops.perform = [&](const QStringList &paths, const QPoint &position) {
        performed += paths;
        performedAt = position;
        return true;
    };
    window.setFileDrops(std::move(drops));
    window.show();

    // The editor would insert the file's name as text itself; the window takes the drop first.
    QWidget *target = editor->viewport();
    const QPoint local(5, 7);
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.png"))});
    QDragEnterEvent enter(local, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(local, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    EXPECT_TRUE(move.isAccepted());
    QDropEvent drop(QPointF(local), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(performed, QStringList{QStringLiteral("/tmp/a.png")});
    EXPECT_EQ(performedAt, target->mapTo(&window, local));
    EXPECT_TRUE(editor->toPlainText().isEmpty());

    // Dragged text is the editor's own business.
    QMimeData text;
    text.setText(QStringLiteral("words"));
    QDragEnterEvent textEnter(local, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &textEnter);
    QDropEvent textDrop(QPointF(local), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &textDrop);
    EXPECT_EQ(asked, (QStringList{QStringLiteral("/tmp/a.png"), QStringLiteral("/tmp/a.png")}))
        << "asked at the move and again at the drop; never for dragged text";
}
