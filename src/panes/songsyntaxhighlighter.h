// The editor's colouring: maps the tokens of the song text to colours (and tab sections to the tab font).
#pragma once

#include "chordprotoken.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QSyntaxHighlighter>

#include <optional>

class QTextDocument;

// The tokenizer reads the whole text (a tab section or an open chord bracket reaches over many lines), so the
// tokens are made once per text and each block takes its part of them. A block's state records
// what reaches into the next block, so a change that opens or closes a section recolours the blocks after it.
class SongSyntaxHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit SongSyntaxHighlighter(QTextDocument *document);

    // Tab songs are edited without colours. Recolours the whole text when the choice changes.
    void setColoring(bool on);
    bool coloring() const { return m_coloring; }
    // The colours of the dark appearance; recolours the whole text when the choice changes.
    void setDark(bool dark);
    bool dark() const { return m_dark; }
    // The font of the text inside tab and grid sections; takes effect at the next colouring.
    void setTabFont(const QFont &font) { m_tabFont = font; }

protected:
    void highlightBlock(const QString &text) override;

private:
    void takeTokensOfDocument();
    // The index of the token holding the character at position; -1 past the end.
    qsizetype tokenIndexAt(qsizetype position) const;
    // Inside a tab or grid section right after the character at position.
    bool tabModeAfter(qsizetype position) const;
    int stateAfter(qsizetype position) const;
    QTextCharFormat formatForType(int type) const;

    bool m_coloring = true;
    bool m_dark = false;
    QFont m_tabFont;
    // The text the tokens were made of.
    QString m_text;
    QList<ChordproToken> m_tokens;
    // End positions of the directives that open (true) or close (false) a tab or grid section, in text order.
    QList<std::pair<qsizetype, bool>> m_tabSwitches;
};
