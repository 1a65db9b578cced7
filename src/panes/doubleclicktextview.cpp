#include "doubleclicktextview.h"

#include "appcontext.h"
#include "editortext.h"
#include "log.h"
#include "prefs.h"
#include "song.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QUrl>

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
    // The platform's editing items and the editor's two settings; the song commands come with the editor's
    // own context menu.
    const Prefs *prefs = AppContext::instance()->prefs();
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->addSeparator();
    QAction *sync =
        menu->addAction(tr("Scroll Song View with Editor"), this, &DoubleClickTextView::syncViewWithEditorToggled);
    sync->setCheckable(true);
    sync->setChecked(prefs && prefs->syncViewWithEditor());
    QAction *autoCorrect =
        menu->addAction(tr("Enable Smart Insert"), this, &DoubleClickTextView::allowAutoCorrectToggled);
    autoCorrect->setCheckable(true);
    autoCorrect->setChecked(prefs && prefs->allowAutoCorrectInEditor());
    menu->exec(event->globalPos());
}
