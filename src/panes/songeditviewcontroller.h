// The editor pane: the current song's text, coloured, written into the song as the user types, with the song
// pane following; knows whether the song holds unsaved edits.
#pragma once

#include "midievent.h"
#include "panecontrollers.h"
#include "song.h"
#include "textrange.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class Dialogs;
class DoubleClickTextView;
class EditorFindBar;
class QMenu;
class SongSyntaxHighlighter;

class SongEditViewController : public QWidget, public SongEditPane
{
    Q_OBJECT

public:
    // The application's current song, asked at each refresh.
    using CurrentSong = std::function<SongPtr()>;

    // What the editor's commands ask of the rest of the application; any of them may be missing.
    struct Sources
    {
        // Asks for the image file to insert.
        Dialogs *dialogs = nullptr;
        // '#' or 'b' while the song pane shows every chord sharp or flat; null otherwise.
        std::function<QChar()> transposeFavor;
        // The MIDI events received lately, newest first; none while there is no MIDI controller.
        std::function<QList<MidiEvent>()> lastMidiCommands;
        // The main menu's Chordpro insert submenu; nullptr while there is none.
        std::function<QMenu *()> chordproMenu;
    };

    // The delay of the update after typing while smart insert is allowed, milliseconds.
    static constexpr int updateDelayMs = 1000;

    SongEditViewController(CurrentSong currentSong, Sources sources, QWidget *parent = nullptr);
    ~SongEditViewController() override;

    // Loads the current song: its text, editable for a text song; empty and read-only for a PDF song or none.
    // The text loaded counts as saved, unless the song is the one shown already and was not stored since:
    // its edits then stay unsaved.
    void refresh() override;
    QWidget *widget() override { return this; }
    // The song's text differs from the text it had when loaded. A pending update after typing is carried
    // into the song first, so edits of the last second always count.
    bool isDirty() override;
    // Decides again whether the text is a tab song and colours it accordingly.
    void performSyntaxColoring() override;
    bool textHasFocus() const override;
    void focusTextAt(qsizetype position) override;
    // Fills the template with the selection (EditorTemplate) and inserts it, or asks for an image to insert.
    void insertChordproControl(const QString &text) override;
    // Replaces the selection by the text as one step of the undo history, puts the caret at the selection's
    // start plus the offset (within the text) and carries the text into the song at once.
    void insertText(const QString &text, qsizetype moveCursorBy);
    // The chord name in brackets, respectively the MIDI event's text, replaces the selection.
    void insertChord(const QString &name);
    void insertMidi(const QString &text);
    // Asks for an image, copies it next to the song when it is elsewhere and inserts its image line.
    void insertImage();
    // A link to the file, the caret after it.
    void insertFileLink(const QString &path) override;

    // The commands below act on the selection, or on the whole text when nothing is selected; each is one step
    // of the undo history, and the song follows at once.
    // Tab lines (chords over lyrics) become chord-sheet text.
    void convertTabToChordpro() override;
    // The selected chords a half-tone up or down, spelled as the song pane spells its chords; the result stays
    // selected for the next step.
    void transposeSelectionUp();
    void transposeSelectionDown();
    // The chord clipboard: the chords of the selected lines with their columns as clipboard text; those chords
    // put into the selected lines; the selection without its chords.
    void copyChords();
    void applyChords();
    void removeChords();
    // The clipboard's text holds a chord.
    bool hasChordsInClipboard() const;
    // White space at the ends or starts of lines, and lines holding nothing else (EditorCleanup).
    void removeTrailingSpaces();
    void removeLeadingSpaces();
    void removeEmptyLines();
    bool hasSelection() const;
    bool hasTrailingSpaces() const;
    bool hasLeadingSpaces() const;
    bool hasEmptyLines() const;
    // Spelled-out umlauts of the song ("ae" ...) become umlauts; this step cannot be undone.
    void replaceUmlauts();

    // The distinct chord names of the text, sorted ignoring case.
    QStringList currentChordNames() const;
    // Puts the editor's rows into the platform's context menu of the text (EditorContextMenu); a read-only
    // editor leaves the menu as it is.
    void contextMenu(QMenu &menu);
    // Whether the editor command of that name may run now; a command without a rule always may.
    bool validateMenuItem(const QString &command) const;
    void showFindBar() override;
    // The song takes the editor's text, and its title and subtitle are read again.
    void updateCurrentSong();
    // The editor takes the song's text after the program changed it.
    void updateFromCurrentSong() override;
    // Carries the editor's text into the song and has the song pane follow.
    void textDidChange();
    // An update after typing is waiting for its delay.
    bool updatePending() const { return m_updateTimer.isActive(); }
    // Runs a waiting update now; nothing when none waits.
    void flushPendingUpdate();
    // Leaves the song as it was loaded: the editor's edits are dropped from song and editor.
    void discardEdits() override;

    const SongPtr &song() const { return m_song; }
    DoubleClickTextView *songTextView() const { return m_textView; }
    EditorFindBar *findBar() const { return m_findBar; }
    const std::optional<QString> &origText() const { return m_origText; }
    bool isTab() const { return m_isTab; }
    SongSyntaxHighlighter *highlighter() const { return m_highlighter; }

    // The context-menu toggles: each flips its setting and saves the settings. Switching the update delay
    // carries a waiting update into the song; it never reloads the song, which would forget its edits.
    void syncViewWithEditor();
    void allowAutoCorrectInEditor();
    // The song pane follows the editor's scroll position while the setting asks for it.
    void contentViewDidChangeBounds();

Q_SIGNALS:
    // The song's text changed by typing: the song pane lays it out again (fast, without scrolling to the top).
    void songTextChanged();
    // The song pane is to show the line holding the character at this index of the text.
    void syncSongView(qsizetype characterIndex);

protected:
    void changeEvent(QEvent *event) override;

private:
    void viewTextChanged();
    // Replaces [start, end) of the text as one step of the undo history, after which the selection runs from
    // anchor to position; an undo gives back the text and the selection of before.
    void replaceRange(qsizetype start, qsizetype end, const QString &text, qsizetype anchor, qsizetype position);
    // The song, the song pane and the colours follow an edit at once.
    void afterEdit();
    // Whether the commands may change the text: there is a text song.
    bool isEditable() const;
    TextRange selection() const;
    QString textIn(TextRange range) const;
    // The selection, or the whole text when nothing is selected.
    TextRange selectionOrText() const;
    void transposeSelection(qint64 step);
    void cleanUp(QString (*clean)(const QString &));
    // Runs the command of the context menu's row.
    void runMenuCommand(const QAction &row);
    // The image line for the chosen file, copied into the song's folder first when it lies elsewhere;
    // nothing when the file is no image or cannot be copied.
    std::optional<QString> imageLine(const QString &source) const;
    // Where an image of that name goes: next to the song's file, or into the current category's folder.
    QString imageDestination(const QString &fileName) const;
    // Replaces the view's text without counting it as typing.
    void showText(const QString &text);

    CurrentSong m_currentSong;
    Sources m_sources;
    DoubleClickTextView *m_textView = nullptr;
    EditorFindBar *m_findBar = nullptr;
    SongSyntaxHighlighter *m_highlighter = nullptr;
    SongPtr m_song;
    std::optional<QString> m_origText;
    // The song's store generation when m_origText was taken.
    int m_origGeneration = 0;
    bool m_isTab = false;
    // The view's text as last taken: changes of colours alone leave it as it is and are no typing.
    QString m_viewText;
    // The program changes the view's text itself: no typing to report.
    bool m_changingText = false;
    QTimer m_updateTimer;
};
