#include "editorfindbar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

EditorFindBar::EditorFindBar(QPlainTextEdit &textView, QWidget *parent)
    : QWidget(parent)
    , m_textView(textView)
{
    setObjectName(QStringLiteral("editorFindBar"));
    m_searchField = new QLineEdit;
    m_searchField->setPlaceholderText(tr("Find in Song"));
    m_searchField->setClearButtonEnabled(true);
    auto *previous = new QToolButton;
    previous->setText(tr("Previous"));
    auto *next = new QToolButton;
    next->setText(tr("Next"));
    auto *done = new QToolButton;
    done->setText(tr("Done"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_searchField, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(done);
    connect(m_searchField, &QLineEdit::returnPressed, this, &EditorFindBar::findNext);
    connect(next, &QToolButton::clicked, this, &EditorFindBar::findNext);
    connect(previous, &QToolButton::clicked, this, &EditorFindBar::findPrevious);
    connect(done, &QToolButton::clicked, this, &EditorFindBar::close);
    hide();
}

void EditorFindBar::open()
{
    const QString selected = m_textView.textCursor().selectedText();
    // A selection across lines holds paragraph separators, which are no search a user would type.
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_searchField->setText(selected);
    show();
    m_searchField->setFocus(Qt::ShortcutFocusReason);
    m_searchField->selectAll();
}

void EditorFindBar::close()
{
    hide();
    m_textView.setFocus(Qt::OtherFocusReason);
}

bool EditorFindBar::findNext()
{
    return find(false);
}

bool EditorFindBar::findPrevious()
{
    return find(true);
}

bool EditorFindBar::find(bool backwards)
{
    const QString search = m_searchField->text();
    if (search.isEmpty())
        return false;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_textView.find(search, flags))
        return true;
    // Round the end: from the other end of the text once more.
    const QTextCursor kept = m_textView.textCursor();
    QTextCursor edge(m_textView.document());
    edge.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    m_textView.setTextCursor(edge);
    if (m_textView.find(search, flags))
        return true;
    m_textView.setTextCursor(kept);
    return false;
}

void EditorFindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
