// The editor's text view: a plain-text editor whose double-click selects chords with their brackets, and which
// turns dropped files into file links.
#pragma once

#include <QPlainTextEdit>

#include <optional>
#include <utility>

class SongEditViewController;

class DoubleClickTextView : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit DoubleClickTextView(QWidget *parent = nullptr);

    // The song text the view holds (see EditorText::toRawText).
    QString rawText() const;

    // The editor whose context menu the view shows; none gives the platform's menu.
    void setEditController(SongEditViewController *controller) { m_editController = controller; }
    // An undo or redo is running.
    bool steppingHistory() const { return m_steppingHistory; }
    // The selection to make once the undo or redo that runs has finished.
    void selectAfterHistoryStep(qsizetype anchor, qsizetype position);
    // Selects from anchor to position, each held within the text, and scrolls the caret into view.
    void select(qsizetype anchor, qsizetype position);

public Q_SLOTS:
    // The document's undo and redo, after which the selection is the one the step recorded (when it recorded
    // one) and the text is reported at once.
    void undo();
    void redo();

Q_SIGNALS:
    // Files other than songs were dropped; each is to become a link in the text.
    void filesDropped(const QStringList &paths);
    void focusChanged(bool hasFocus);
    // An undo or redo changed the text.
    void historyStepped();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void stepHistory(void (QPlainTextEdit::*step)());

    SongEditViewController *m_editController = nullptr;
    bool m_steppingHistory = false;
    std::optional<std::pair<qsizetype, qsizetype>> m_selectionAfterStep;
};
