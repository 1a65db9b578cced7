// The main window's menu bar: one action per command, made from one table and found by its object name ("act" and
// the command's name). An action runs nothing until the application gives it its command, and stays disabled until
// then. The insert items of the Chordpro submenu carry their template's number as data().
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;

class MainMenus : public QObject
{
    Q_OBJECT

public:
    // Fills the window's menu bar.
    explicit MainMenus(QMainWindow &window);

    // The action of that object name; nullptr (and a log line) for a name the menus do not have.
    QAction *action(const QString &name) const;
    // The menu or submenu of that object name ("menuFile", "menuChordpro", …); nullptr when there is none.
    QMenu *menu(const QString &name) const;
    // Every action, in menu order.
    const QList<QAction *> &actions() const { return m_actions; }

    // Triggering the action runs the command; from now on the action is enabled whenever its state allows.
    void setCommand(const QString &name, std::function<void()> command);
    bool hasCommand(const QAction *action) const;

    // The keyboard shortcuts of the next-song and previous-song items, which the editor's text takes for
    // itself while it has the focus.
    void setSongStepKeysEnabled(bool enabled);

Q_SIGNALS:
    // A menu is about to open: its items' states are to be brought up to date.
    void aboutToShowMenu();

private:
    QMenu *addMenu(QMenu *parent, const QString &name, const QString &title);

    QMainWindow &m_window;
    QList<QAction *> m_actions;
    QHash<QString, QAction *> m_byName;
    QHash<QString, QMenu *> m_menus;
};
