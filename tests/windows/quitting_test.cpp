// Quitting while a tool window is open and active: the application's objects go without anything reaching a
// window or pane that is already being destroyed.
#include "chordlistviewcontroller.h"
#include "chords.h"
#include "chordviewcontrollerwindowcontroller.h"
#include "launcheddelegate.h"
#include "mainmenus.h"
#include "windowset.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTableView>

#include <functional>

namespace {

class QuittingTest : public LaunchedDelegateTest
{
protected:
    void SetUp() override
    {
        LaunchedDelegateTest::SetUp();
        launchWithWindows();
    }

    void launchWithWindows()
    {
        launchOnFolder();
        delegate->setToolWindows(&windows);
        Chords *chords = delegate->prefs()->chords();
        ASSERT_NE(chords, nullptr);
        QSignalSpy ready(chords, &Chords::ready);
        if (!chords->isReady()) {
            ASSERT_TRUE(ready.wait(10000));
        }
    }

    void trigger(const char *command) const
    {
        QAction *action = delegate->menus()->action(QLatin1String(command));
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
    }

    static void makeActive(QWidget *window)
    {
        ASSERT_NE(window, nullptr);
        window->show();
        window->raise();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        // Something in it has the focus, as after the user's click.
        window->setFocus();
        QApplication::processEvents();
    }

    WindowSet windows{dialogs};
};

} // namespace

TEST_F(QuittingTest, QuittingWithEachToolWindowActiveEndsCleanly)
{
    struct Case
    {
        const char *window;
        std::function<QWidget *()> open;
    };
    const Case cases[] = {
        {"the preferences",
         [this]() -> QWidget * {
             trigger("actShowPreferences");
             return windows.preferencesController();
         }},
        {"the chord library",
         [this]() -> QWidget * {
             trigger("actShowChords");
             return windows.chordWindows().chordsController();
         }},
        {"the library's diagram window",
         [this]() -> QWidget * {
             trigger("actShowChords");
             ChordListViewController *library = windows.chordWindows().chordsController();
             library->rowClicked(0);
             return library->chordViewController();
         }},
        {"the song pane's diagram window",
         [this]() -> QWidget * {
             const QString name = QStringLiteral("G");
             windows.openChordWindow(name, delegate->prefs()->chords()->chordsForTitle(name), QRect(100, 100, 20, 20));
             for (QWidget *window : QApplication::topLevelWidgets())
                 if (auto *diagrams = qobject_cast<ChordViewControllerWindowController *>(window))
                     return diagrams;
             return nullptr;
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.window);
        if (!delegate)
            launchWithWindows();
        makeActive(c.open());
        delegate.reset();
        QApplication::processEvents();
    }
}
