// The menus in the launched application with the real panes: keys that belong to the editor's text while it
// has the focus, find by focus, templates around the selection, tab conversion, stepping through each list,
// a new song, and a command behind every item of the menu bar and the toolbar.
#include "doubleclicktextview.h"
#include "editorfindbar.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "panesplitview.h"
#include "panestestwindow.h"
#include "playlistsviewcontroller.h"
#include "songeditviewcontroller.h"
#include "songlistviewcontroller.h"
#include "songtableview.h"
#include "tagsviewcontroller.h"
#include "vellorinappdelegate.h"

#include <QAbstractSlider>
#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace {

class MenuKeysTest : public PanesTestWindow
{
protected:
    void SetUp() override
    {
        writeSampleFolder();
        launch();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        clickRow(rowOfTitle("Yesterday"));
    }
    MainWindow &window() const { return *delegate->window(); }
    QAction *action(const char *name) const { return delegate->menus()->action(QString::fromLatin1(name)); }
    SongTableView *listTable(PaneSplitView::ListType list) const
    {
        switch (list) {
        case PaneSplitView::TagsType:
            return dynamic_cast<TagsViewController *>(delegate->panes().tags)->songsTable();
        case PaneSplitView::PlaylistsType:
            return dynamic_cast<PlaylistsViewController *>(delegate->panes().playlists)->songsTable();
        case PaneSplitView::SongListType:
            break;
        }
        return songList().songsTable();
    }
    void focusEditor()
    {
        editor().songTextView()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return editor().textHasFocus(); }, 1000));
    }
};

} // namespace

TEST_F(MenuKeysTest, ControlDownStepsSongsOnlyWhileTheEditorHasNoFocus)
{
    QStringList stepped;
    delegate->menus()->setCommand(QStringLiteral("actNextSong"), [&] {
        if (const SongPtr next = songList().nextSong())
            stepped.append(next->title());
    });
    clickRow(0);
    songList().songsTable()->setFocus();
    QTest::keyClick(&window(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(stepped.size(), 1);

    focusEditor();
    const QString text = editor().songTextView()->toPlainText();
    QTest::keyClick(editor().songTextView(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(stepped.size(), 1) << "the key moves the editor's caret";
    EXPECT_EQ(editor().songTextView()->toPlainText(), text);
    EXPECT_TRUE(action("actNextSong")->shortcut().isEmpty());

    songList().songsTable()->setFocus();
    QTest::keyClick(&window(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(stepped.size(), 2);
}

TEST_F(MenuKeysTest, TheSongListStepsWithoutGoingRoundTheEnds)
{
    const QStringList titles = rowTitles();
    clickRow(0);
    EXPECT_EQ(songList().prevSong(), nullptr);
    EXPECT_EQ(songList().nextSong()->title(), titles.at(1));
    clickRow(int(titles.size()) - 1);
    EXPECT_EQ(songList().nextSong(), nullptr);
    EXPECT_EQ(songList().prevSong()->title(), titles.at(titles.size() - 2));
}

TEST_F(MenuKeysTest, FindOpensTheEditorsFindBarOnlyFromTheEditorsText)
{
    action("actFind")->trigger();
    EXPECT_EQ(QApplication::focusWidget(), songList().searchField());
    EXPECT_FALSE(editor().findBar()->isVisible());

    focusEditor();
    action("actFind")->trigger();
    ASSERT_TRUE(editor().findBar()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), editor().findBar()->searchField());
    QTest::keyClicks(editor().findBar()->searchField(), "yes");
    EXPECT_TRUE(editor().findBar()->findNext());
    EXPECT_EQ(editor().songTextView()->textCursor().selectedText(), QStringLiteral("Yes"));
    EXPECT_TRUE(editor().findBar()->findNext()) << "round the end of the text";
    QTest::keyClick(editor().findBar()->searchField(), Qt::Key_Escape);
    EXPECT_FALSE(editor().findBar()->isVisible());
    EXPECT_TRUE(editor().textHasFocus());
}

TEST_F(MenuKeysTest, ATemplateWrapsTheSelectionAsOneUndoStep)
{
    focusEditor();
    DoubleClickTextView &text = *editor().songTextView();
    const QString before = text.toPlainText();
    const int start = int(before.indexOf(QStringLiteral("[F]Yesterday"))) + 3;
    QTextCursor cursor(text.document());
    cursor.setPosition(start);
    cursor.setPosition(start + 9, QTextCursor::KeepAnchor);
    text.setTextCursor(cursor);
    delegate->updateCommandStates();
    ASSERT_TRUE(action("actInsertChorus")->isEnabled());
    action("actInsertChorus")->trigger();
    EXPECT_TRUE(text.toPlainText().contains(QStringLiteral("\n[F]{soc}\nYesterday\n{eoc}\n")))
        << text.toPlainText().toStdString();
    text.undo();
    EXPECT_EQ(text.toPlainText(), before);
}

TEST_F(MenuKeysTest, EditItemsGoToTheWidgetWithTheKeyboard)
{
    QLineEdit &search = *songList().searchField();
    search.setFocus();
    QTest::keyClicks(&search, "rov");
    action("actSelectAll")->trigger();
    action("actCut")->trigger();
    EXPECT_TRUE(search.text().isEmpty());
    action("actPaste")->trigger();
    EXPECT_EQ(search.text(), QStringLiteral("rov"));

    songList().songsTable()->setFocus();
    action("actCopy")->trigger(); // the table has no copy command: nothing happens
    EXPECT_EQ(search.text(), QStringLiteral("rov"));
}

TEST_F(MenuKeysTest, ANewSongOpensInTheEditorWithTheCaretAfterItsTitleAndNoRowSelected)
{
    action("actNewDocument")->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(currentSong()->path().isEmpty());
    EXPECT_TRUE(editor().textHasFocus());
    const QTextCursor caret = editor().songTextView()->textCursor();
    EXPECT_EQ(caret.position(), 7);
    EXPECT_FALSE(caret.hasSelection());
    EXPECT_TRUE(editor().songTextView()->toPlainText().startsWith(QStringLiteral("{title: New Song}")));
    EXPECT_TRUE(songList().songsTable()->selectedRows().isEmpty());
}

TEST_F(MenuKeysTest, NextAndPreviousShowTheNeighbouringRowAndStopAtTheEnds)
{
    const QStringList titles = rowTitles();
    clickRow(int(titles.size()) - 1);
    action("actNextSong")->trigger();
    EXPECT_EQ(currentSong()->title(), titles.last());
    action("actPrevSong")->trigger();
    EXPECT_EQ(currentSong()->title(), titles.at(titles.size() - 2));
    EXPECT_EQ(songList().songsTable()->selectedRows(), QList<int>{int(titles.size()) - 2});
    clickRow(0);
    action("actPrevSong")->trigger();
    EXPECT_EQ(currentSong()->title(), titles.first());
}

namespace {

// Whether anything is connected to the object's signal; Qt answers that only to the object's own class.
class SignalListeners : public QObject
{
public:
    static bool any(const QObject &object, const QMetaMethod &signal)
    {
        return static_cast<const SignalListeners &>(object).isSignalConnected(signal);
    }
};

// Every action of the menu and its submenus, in menu order.
void collectActions(const QMenu &menu, QList<QAction *> &into)
{
    for (QAction *item : menu.actions()) {
        if (item->menu())
            collectActions(*item->menu(), into);
        else if (!item->isSeparator())
            into.append(item);
    }
}

} // namespace

TEST_F(MenuKeysTest, EveryItemOfTheMenuBarAndTheToolbarRunsACommand)
{
    const MainMenus &menus = *delegate->menus();
    QList<QAction *> items;
    for (QAction *top : window().menuBar()->actions())
        collectActions(*top->menu(), items);
    ASSERT_EQ(items.size(), menus.actions().size());
    for (const QAction *item : items)
        EXPECT_TRUE(menus.hasCommand(item)) << item->objectName().toStdString() << " runs nothing";

    // The toolbar's controls: its plain actions are the menus' own; its buttons, the segments of its selectors
    // included, and its slider each have a command of their own.
    QToolBar &toolbar = *window().mainToolbar();
    const auto buttonRuns = [&menus](const QAbstractButton &button) {
        const auto *tool = qobject_cast<const QToolButton *>(&button);
        if (tool && tool->defaultAction())
            return menus.hasCommand(tool->defaultAction());
        return SignalListeners::any(button, QMetaMethod::fromSignal(&QAbstractButton::clicked)) ||
               (button.group() &&
                SignalListeners::any(*button.group(), QMetaMethod::fromSignal(&QButtonGroup::buttonClicked)));
    };
    int buttons = 0;
    for (QAction *item : toolbar.actions()) {
        QWidget *control = toolbar.widgetForAction(item);
        if (item->isSeparator() || !control)
            continue;
        if (const auto *slider = qobject_cast<const QAbstractSlider *>(control)) {
            EXPECT_TRUE(SignalListeners::any(*slider, QMetaMethod::fromSignal(&QAbstractSlider::valueChanged)));
            continue;
        }
        QList<QAbstractButton *> controls = control->findChildren<QAbstractButton *>();
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            controls.append(button);
        EXPECT_FALSE(controls.isEmpty()) << control->toolTip().toStdString() << " is no control";
        for (const QAbstractButton *button : controls) {
            ++buttons;
            EXPECT_TRUE(buttonRuns(*button))
                << (button->text() + u'/' + button->toolTip()).toStdString() << " runs nothing";
        }
    }
    EXPECT_GE(buttons, 10) << "the zoom, pane and list buttons at least";
}

TEST_F(MenuKeysTest, TabLinesAreConvertedThroughTheMenuItemAndTheEditorsContextMenu)
{
    const QString tab = QStringLiteral("C     G\nHello world\n");
    const QString converted = Song::convertedTabText(tab);
    ASSERT_NE(converted, tab);
    for (const bool fromContextMenu : {false, true}) {
        SCOPED_TRACE(fromContextMenu ? "the context menu" : "the menu bar");
        clickRow(rowOfTitle("Yesterday"));
        focusEditor();
        DoubleClickTextView &text = *editor().songTextView();
        const QString before = text.toPlainText();
        text.moveCursor(QTextCursor::End);
        text.insertPlainText(tab);
        QTextCursor selection(text.document());
        selection.setPosition(int(before.size()));
        selection.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        text.setTextCursor(selection);
        delegate->updateCommandStates();

        if (fromContextMenu) {
            std::unique_ptr<QMenu> menu(text.createStandardContextMenu());
            editor().contextMenu(*menu);
            QList<QAction *> rows;
            collectActions(*menu, rows);
            const auto row = std::find_if(rows.begin(), rows.end(), [](const QAction *row) {
                return row->text() == QLatin1String("Convert Tab to Chordpro");
            });
            ASSERT_NE(row, rows.end());
            (*row)->trigger();
        } else {
            ASSERT_TRUE(action("actConvertTabToChordpro")->isEnabled());
            action("actConvertTabToChordpro")->trigger();
        }
        EXPECT_EQ(text.toPlainText(), before + converted);
        EXPECT_EQ(currentSong()->text(), before + converted);
        EXPECT_EQ(songPaneSong()->text(), before + converted);
        EXPECT_TRUE(editor().isDirty());
        text.undo();
        EXPECT_EQ(text.toPlainText(), before + tab) << "one step of the undo history";
        editor().discardEdits();
    }
}

TEST_F(MenuKeysTest, ControlDownAndUpStepThroughWhicheverListWasClicked)
{
    write("Set.lst", "Set\nYesterday\nWild Rover\namsterdam\n");
    const PaneSplitView::ListType lists[] = {PaneSplitView::TagsType, PaneSplitView::PlaylistsType,
                                             PaneSplitView::SongListType};
    for (const PaneSplitView::ListType list : lists) {
        delegate->splitView()->showList(list);
        QCoreApplication::processEvents();
        SongTableView &table = *listTable(list);
        const auto songOfRow = [&table](int row) { return table.model()->index(row, 0).data().toString(); };
        const QRect first = table.visualRect(table.model()->index(0, 0));
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, first.center());
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), &table) << list;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(currentSong()->title(), songOfRow(1)) << list;
        EXPECT_EQ(table.selectedRows(), QList<int>{1}) << list;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up, Qt::ControlModifier);
        EXPECT_EQ(currentSong()->title(), songOfRow(0)) << list;
        EXPECT_EQ(table.selectedRows(), QList<int>{0}) << list;
    }
}
