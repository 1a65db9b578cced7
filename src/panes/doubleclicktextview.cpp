#include "doubleclicktextview.h"

#include "editortext.h"
#include "log.h"
#include "song.h"
#include "songeditviewcontroller.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QUrl>

#include <algorithm>

DoubleClickTextView::DoubleClickTextView(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(false);
}

QString DoubleClickTextView::rawText() const
{
    return EditorText::toRawText(*document());
}

void DoubleClickTextView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A right-button double-click keeps the selection the context menu acts on.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    Log::write(QStringLiteral("Event double click at %1,%2")
                   .arg(event->position().toPoint().x())
                   .arg(event->position().toPoint().y()));
    QPlainTextEdit::mouseDoubleClickEvent(event);
    QTextCursor cursor = textCursor();
    const EditorText::Range range =
        EditorText::doubleClickRange(rawText(), {cursor.selectionStart(), cursor.selectionEnd()});
    cursor.setPosition(int(range.start));
    cursor.setPosition(int(range.end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void DoubleClickTextView::focusInEvent(QFocusEvent *event)
{
    Log::write(QStringLiteral("becomeFirstResponder"));
    QPlainTextEdit::focusInEvent(event);
    Q_EMIT focusChanged(true);
}

void DoubleClickTextView::focusOutEvent(QFocusEvent *event)
{
    Log::write(QStringLiteral("resignFirstResponder"));
    QPlainTextEdit::focusOutEvent(event);
    Q_EMIT focusChanged(false);
}

namespace {

QStringList localFiles(const QMimeData &data)
{
    QStringList paths;
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

bool DoubleClickTextView::canInsertFromMimeData(const QMimeData *source) const
{
    return !localFiles(*source).isEmpty() || QPlainTextEdit::canInsertFromMimeData(source);
}

void DoubleClickTextView::insertFromMimeData(const QMimeData *source)
{
    const QStringList files = localFiles(*source);
    if (files.isEmpty()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Song files dropped here are not linked: the window opens them.
    QStringList links;
    for (const QString &path : files) {
        if (!Song::isChordProFile(path))
            links.append(path);
    }
    if (!links.isEmpty())
        Q_EMIT filesDropped(links);
}

void DoubleClickTextView::contextMenuEvent(QContextMenuEvent *event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    if (m_editController)
        m_editController->contextMenu(*menu);
    menu->exec(event->globalPos());
}

void DoubleClickTextView::keyPressEvent(QKeyEvent *event)
{
    // The keys reach the same undo and redo as the menus, so every way of stepping reports alike.
    if (event->matches(QKeySequence::Undo)) {
        undo();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Redo)) {
        redo();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DoubleClickTextView::undo()
{
    stepHistory(&QPlainTextEdit::undo);
}

void DoubleClickTextView::redo()
{
    stepHistory(&QPlainTextEdit::redo);
}

void DoubleClickTextView::stepHistory(void (QPlainTextEdit::*step)())
{
    if (isReadOnly())
        return;
    const QString before = rawText();
    m_steppingHistory = true;
    m_selectionAfterStep.reset();
    (this->*step)();
    m_steppingHistory = false;
    // The document puts the caret where the step changed the text; an edit of the commands selects again
    // what it recorded.
    if (m_selectionAfterStep) {
        select(m_selectionAfterStep->first, m_selectionAfterStep->second);
        m_selectionAfterStep.reset();
    }
    if (rawText() != before)
        Q_EMIT historyStepped();
}

void DoubleClickTextView::selectAfterHistoryStep(qsizetype anchor, qsizetype position)
{
    m_selectionAfterStep = std::make_pair(anchor, position);
}

void DoubleClickTextView::select(qsizetype anchor, qsizetype position)
{
    const int end = document()->characterCount() - 1;
    QTextCursor cursor(document());
    cursor.setPosition(int(std::clamp<qsizetype>(anchor, 0, end)));
    cursor.setPosition(int(std::clamp<qsizetype>(position, 0, end)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}
