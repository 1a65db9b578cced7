// Stand-ins for the editor commands that are built later. Each is replaced here, in one place.
#include "songeditviewcontroller.h"

#include "doubleclicktextview.h"

#include <QTextCursor>

void SongEditViewController::insertChordproControl(const QString &text)
{
    if (m_textView->isReadOnly())
        return;
    QTextCursor cursor = m_textView->textCursor();
    const QString selected = cursor.selectedText();
    cursor.beginEditBlock();
    cursor.insertText(QString(text).replace(QLatin1Char('X'), selected));
    cursor.endEditBlock();
    m_textView->setTextCursor(cursor);
}
