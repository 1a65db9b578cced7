// The application's chord windows: one library window at a time, one reused diagram window for the song pane.
#include "chordlistviewcontroller.h"
#include "chordviewcontrollerwindowcontroller.h"
#include "chordwindows.h"
#include "chordwindowsfixture.h"
#include "chords.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace {

class ChordWindowsTest : public ChordWindowsFixture
{
protected:
    ChordWindows windows{host.scripted};
};

} // namespace

TEST_F(ChordWindowsTest, AnOpeningClosesTheOpenLibraryWindow)
{
    windows.showChords(nullptr);
    const QPointer<ChordListViewController> first = windows.chordsController();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    windows.showChords(nullptr);
    EXPECT_FALSE(first);
    ASSERT_NE(windows.chordsController(), nullptr);
    EXPECT_TRUE(windows.chordsController()->isVisible());
}

TEST_F(ChordWindowsTest, ALibraryWindowThatIsNotOpenIsNotRefreshed)
{
    windows.refreshChordLibrary(); // none yet
    windows.showChords(nullptr);
    ChordListViewController *window = windows.chordsController();
    window->searchField()->setText(QStringLiteral("maj"));
    windows.refreshChordLibrary();
    EXPECT_TRUE(window->searchField()->text().isEmpty());

    window->searchField()->setText(QStringLiteral("maj"));
    window->close();
    windows.refreshChordLibrary();
    EXPECT_EQ(window->searchField()->text(), QStringLiteral("maj"));
}

TEST_F(ChordWindowsTest, TheSongPanesDiagramWindowIsReused)
{
    windows.openChordWindow(QStringLiteral("C"), library().chordsForTitle(QStringLiteral("C")), QRect(10, 10, 20, 20));
    const QWidgetList before = QApplication::topLevelWidgets();
    windows.openChordWindow(QStringLiteral("D"), library().chordsForTitle(QStringLiteral("D")), QRect(10, 10, 20, 20));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before.size());
    const auto diagrams = std::find_if(before.begin(), before.end(), [](QWidget *w) {
        return qobject_cast<ChordViewControllerWindowController *>(w) != nullptr;
    });
    ASSERT_NE(diagrams, before.end());
    EXPECT_EQ(static_cast<ChordViewControllerWindowController *>(*diagrams)->chordName(), QStringLiteral("D"));
    EXPECT_TRUE((*diagrams)->isVisible());
}
