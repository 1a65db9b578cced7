// The editor's text view: a plain-text editor whose double-click selects chords with their brackets, and which
// turns dropped files into file links.
#pragma once

#include <QPlainTextEdit>

class DoubleClickTextView : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit DoubleClickTextView(QWidget *parent = nullptr);

    // The song text the view holds (see EditorText::toRawText).
    QString rawText() const;

Q_SIGNALS:
    // Files other than songs were dropped; each is to become a link in the text.
    void filesDropped(const QStringList &paths);
    void focusChanged(bool hasFocus);
    // The user flipped one of the editor's two settings in the context menu.
    void syncViewWithEditorToggled();
    void allowAutoCorrectToggled();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};
