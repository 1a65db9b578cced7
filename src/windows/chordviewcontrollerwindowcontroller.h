// The chord diagram window: every fingering of one chord name as diagrams, with a menu on the clicked diagram
// to add, edit, delete or favour a fingering, or to define it in the shown song or take its definition out.
#pragma once

#include "chord.h"
#include "chordviewdelegate.h"

#include <QList>
#include <QWidget>

#include <optional>

class ChordViewWidget;
class ChordWindowsHost;
class QAction;
class QMenu;

class ChordViewControllerWindowController : public QWidget, public ChordViewDelegate
{
    Q_OBJECT

public:
    // A floating tool window of the parent (the main window).
    explicit ChordViewControllerWindowController(ChordWindowsHost &host, QWidget *parent = nullptr);
    ~ChordViewControllerWindowController() override;

    // Where the window goes: its top-left at the rectangle's lower-left corner, so it hangs below, or above the
    // rectangle when it would leave the available area at the bottom; always moved into the available area.
    // Global coordinates, y downwards.
    static QPoint placement(const QRect &rect, const QSize &windowSize, const QRect &available);

    // Shows a set of fingerings of the chord name (the name looked up, not its display name; may be empty).
    // The window's title is the name's display name, else that of the set's last chord.
    void setChords(const QString &name, const QList<Chord> &chords);
    const QList<Chord> &chords() const { return m_chords; }
    const QString &chordName() const { return m_name; }
    const std::optional<Chord> &selectedChord() const { return m_selectedChord; }
    // Some chord of the set is defined by the song.
    bool hasTemp() const;
    // Shows the window next to the rectangle (global coordinates) and brings it to the front.
    void showWindow(const QRect &globalRect);

    ChordViewWidget &chordViewWidget() { return *m_chordViewWidget; }
    QMenu &chordMenu() { return *m_chordMenu; }
    QAction *addAction() const { return m_addAction; }
    QAction *editAction() const { return m_editAction; }
    QAction *deleteAction() const { return m_deleteAction; }
    QAction *favoriteAction() const { return m_favoriteAction; }
    QAction *defineAction() const { return m_defineAction; }
    QAction *removeDefinitionAction() const { return m_removeDefinitionAction; }

    // A diagram was clicked: it becomes the selected chord and the menu opens on it.
    void chordView(ChordView &view, const Chord &selectedChord) override;

    // The menu's commands.
    void addChord();
    void editChord();
    void deleteChord();
    void toggleFavorite();
    void defineChordInSong();
    void removeDefinedChordFromSong();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    static qreal cellWidth();
    QAction *addMenuAction(const QString &title, void (ChordViewControllerWindowController::*command)());
    void validateMenuItems();
    // The current song is a text song with a file, so a definition can be written into it.
    bool songTakesDefinitions() const;
    // The name the library is asked for: the chord name, else the title of the set's last chord.
    QString lookupName() const;
    // After the library changed: the song's own definitions, then the library's fingerings of the name; the
    // selected chord is looked up again.
    void rebuildChords();
    QSizeF sizeInPoints() const;
    void layOutChords();
    // How high the diagrams stand when laid out at the width (points).
    qreal heightOfDiagrams(qreal width);
    // The window as large as its diagrams need at its width, within the screen.
    void fitToDiagrams();

    ChordWindowsHost &m_host;
    QList<Chord> m_chords;
    QString m_name;
    std::optional<Chord> m_selectedChord;
    ChordViewWidget *m_chordViewWidget;
    QMenu *m_chordMenu;
    QAction *m_addAction;
    QAction *m_editAction;
    QAction *m_deleteAction;
    QAction *m_favoriteAction;
    QAction *m_defineAction;
    QAction *m_removeDefinitionAction;
};
