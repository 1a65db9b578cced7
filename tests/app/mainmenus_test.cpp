// The menu bar: its actions by name, the insert items' numbers, and keys that run only enabled commands.
#include "mainmenus.h"

#include "logcapture.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

TEST(MainMenus, EveryActionIsNamedOnceAndStartsWithoutACommand)
{
    QMainWindow window;
    const MainMenus menus(window);
    QStringList menuTitles;
    for (const QAction *top : window.menuBar()->actions())
        menuTitles.append(top->text());
    EXPECT_EQ(menuTitles, (QStringList{"&File", "&Edit", "&View", "&Song", "&Tools", "&Help"}));
    QSet<QString> names;
    for (const QAction *action : menus.actions()) {
        EXPECT_TRUE(action->objectName().startsWith(QLatin1String("act"))) << action->text().toStdString();
        EXPECT_FALSE(names.contains(action->objectName())) << action->objectName().toStdString();
        names.insert(action->objectName());
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
        EXPECT_EQ(menus.action(action->objectName()), action);
    }
    const LogCapture log;
    EXPECT_EQ(menus.action(QStringLiteral("actNoSuchThing")), nullptr);
    EXPECT_TRUE(log.lines().contains(QStringLiteral("No menu item actNoSuchThing")));
}

TEST(MainMenus, TheChordproItemsCarryTheirTemplateNumbers)
{
    QMainWindow window;
    const MainMenus menus(window);
    const QMenu *chordpro = menus.menu(QStringLiteral("menuChordpro"));
    ASSERT_NE(chordpro, nullptr);
    QList<int> tags;
    for (const QAction *item : chordpro->actions())
        tags.append(item->data().toInt());
    // The tab conversion closes the submenu, without a number: it inserts no template.
    EXPECT_EQ(tags, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}));
    EXPECT_EQ(chordpro->actions().constLast()->objectName(), QStringLiteral("actConvertTabToChordpro"));
}

TEST(MainMenus, AKeyRunsItsCommandOnlyWhileTheActionIsEnabled)
{
    QMainWindow window;
    MainMenus menus(window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int ran = 0;
    menus.setCommand(QStringLiteral("actNextSong"), [&ran] { ++ran; });
    QTest::keyClick(&window, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(ran, 1);
    menus.action(QStringLiteral("actNextSong"))->setEnabled(false);
    QTest::keyClick(&window, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(ran, 1) << "a disabled command's key does nothing";

    menus.action(QStringLiteral("actNextSong"))->setEnabled(true);
    menus.setSongStepKeysEnabled(false);
    QTest::keyClick(&window, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(ran, 1) << "the key belongs to the editor's text";
    menus.setSongStepKeysEnabled(true);
    QTest::keyClick(&window, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(ran, 2);
}
