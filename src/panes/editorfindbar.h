// The editor's find bar: a search field with next and previous over the song text; Esc closes it and gives the
// keyboard back to the text.
#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

class EditorFindBar : public QWidget
{
    Q_OBJECT

public:
    explicit EditorFindBar(QPlainTextEdit &textView, QWidget *parent = nullptr);

    // Shows the bar with the text's selection (when it is on one line) as the search, ready to type.
    void open();
    void close();
    // Selects the next / previous match of the search, going round the end of the text; false when there is none.
    bool findNext();
    bool findPrevious();

    QLineEdit *searchField() const { return m_searchField; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool find(bool backwards);

    QPlainTextEdit &m_textView;
    QLineEdit *m_searchField = nullptr;
};
