// A list pane's rule for changing its selection: a change the user makes first passes the save question, a
// cancelled question quietens further attempts for a moment, and the program's own selecting asks nothing.
#pragma once

#include <QDateTime>

class Clock;

class SelectionVeto
{
public:
    // The clock times the pause after a refused change.
    explicit SelectionVeto(Clock &clock);

    // After a refused change (the user cancelled saving), further changes are refused without asking for
    // this long.
    static constexpr qint64 refusedSelectionPauseMs = 2000;

    // Asks to save the current song's edits; false when the user cancelled, and without asking during the pause
    // after such a cancel.
    bool selectionShouldChange();

    // True while the program itself selects rows: no question, no new current song.
    bool isSelecting() const { return m_selecting; }
    // Runs select as the program's own selecting.
    template <typename Select> void quietly(Select select)
    {
        const bool outer = m_selecting;
        m_selecting = true;
        select();
        m_selecting = outer;
    }

private:
    Clock &m_clock;
    // When a change was last refused because the user cancelled saving; invalid when none was.
    QDateTime m_lastSelection;
    bool m_selecting = false;
};
