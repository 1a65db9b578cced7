// The editor pane: the current song's text, coloured, written into the song as the user types, with the song
// pane following; knows whether the song holds unsaved edits.
#pragma once

#include "panecontrollers.h"
#include "song.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class DoubleClickTextView;
class EditorFindBar;
class SongSyntaxHighlighter;

class SongEditViewController : public QWidget, public SongEditPane
{
    Q_OBJECT

public:
    // The application's current song, asked at each refresh.
    using CurrentSong = std::function<SongPtr()>;

    // The delay of the update after typing while smart insert is allowed, milliseconds.
    static constexpr int updateDelayMs = 1000;

    explicit SongEditViewController(CurrentSong currentSong, QWidget *parent = nullptr);
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
    // Stand-in for the editor commands' template insertion: every "X" of the template becomes the selected
    // text, as one step of the undo history.
    void insertChordproControl(const QString &text) override;
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

    // Stand-in for the file links of the editor commands: the paths given, in order.
    void insertFileLink(const QString &path) override;
    const QStringList &fileLinksStandIn() const { return m_fileLinksStandIn; }

Q_SIGNALS:
    // The song's text changed by typing: the song pane lays it out again (fast, without scrolling to the top).
    void songTextChanged();
    // The song pane is to show the line holding the character at this index of the text.
    void syncSongView(qsizetype characterIndex);

protected:
    void changeEvent(QEvent *event) override;

private:
    void viewTextChanged();
    // Replaces the view's text without counting it as typing.
    void showText(const QString &text);

    CurrentSong m_currentSong;
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
    bool m_showingText = false;
    QTimer m_updateTimer;
    QStringList m_fileLinksStandIn;
};
