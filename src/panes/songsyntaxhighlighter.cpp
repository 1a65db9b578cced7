#include "songsyntaxhighlighter.h"

#include "chordpro.h"
#include "editortext.h"
#include "syntaxcolors.h"

#include <QTextDocument>

#include <algorithm>

SongSyntaxHighlighter::SongSyntaxHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{}

void SongSyntaxHighlighter::setColoring(bool on)
{
    if (m_coloring == on)
        return;
    m_coloring = on;
    rehighlight();
}

void SongSyntaxHighlighter::setDark(bool dark)
{
    if (m_dark == dark)
        return;
    m_dark = dark;
    rehighlight();
}

void SongSyntaxHighlighter::highlightBlock(const QString &text)
{
    if (!m_coloring) {
        setCurrentBlockState(-1);
        return;
    }
    takeTokensOfDocument();
    const qsizetype blockStart = currentBlock().position();
    const qsizetype blockEnd = blockStart + text.size();
    for (qsizetype i = std::max<qsizetype>(0, tokenIndexAt(blockStart)); i >= 0 && i < m_tokens.size(); ++i) {
        const ChordproToken &token = m_tokens.at(i);
        if (token.location() >= blockEnd)
            break;
        if (token.type() == ChordproToken::Text)
            continue;
        const qsizetype from = std::max(token.location(), blockStart);
        const qsizetype to = std::min(token.location() + token.length(), blockEnd);
        setFormat(int(from - blockStart), int(to - from), formatForType(token.type()));
    }
    // The block's line break is the character at blockEnd.
    setCurrentBlockState(stateAfter(blockEnd));
}

void SongSyntaxHighlighter::takeTokensOfDocument()
{
    // Comparing the text is cheap next to tokenizing it, and needs no knowledge of when the document
    // reports its changes: the colouring itself changes formats, not text.
    QString text = EditorText::toRawText(*document());
    if (text == m_text)
        return;
    m_text = std::move(text);
    m_tokens = ChordPro(m_text).tokens();
    m_tabSwitches.clear();
    for (const ChordproToken &token : std::as_const(m_tokens)) {
        if (token.type() != ChordproToken::Control || !token.valid())
            continue;
        if (const std::optional<bool> opens =
                ChordPro::tabModeAfterDirective(QStringView(m_text).mid(token.location(), token.length())))
            m_tabSwitches.append({token.location() + token.length(), *opens});
    }
}

qsizetype SongSyntaxHighlighter::tokenIndexAt(qsizetype position) const
{
    // The tokens cover the text without gaps, in order.
    const auto after = std::upper_bound(m_tokens.cbegin(), m_tokens.cend(), position,
                                        [](qsizetype p, const ChordproToken &t) { return p < t.location(); });
    if (after == m_tokens.cbegin())
        return -1;
    const auto holding = after - 1;
    return position < holding->location() + holding->length() ? holding - m_tokens.cbegin() : -1;
}

bool SongSyntaxHighlighter::tabModeAfter(qsizetype position) const
{
    const auto after = std::upper_bound(m_tabSwitches.cbegin(), m_tabSwitches.cend(), position,
                                        [](qsizetype p, const std::pair<qsizetype, bool> &s) { return p < s.first; });
    return after != m_tabSwitches.cbegin() && (after - 1)->second;
}

int SongSyntaxHighlighter::stateAfter(qsizetype position) const
{
    // What the next block inherits: the kind of token its line break belongs to (a chord, directive or
    // comment may still be open) and whether a tab section is open.
    const qsizetype index = tokenIndexAt(position);
    const int openType = index < 0 ? ChordproToken::Text : m_tokens.at(index).type();
    return openType * 2 + (tabModeAfter(position) ? 1 : 0);
}

QTextCharFormat SongSyntaxHighlighter::formatForType(int type) const
{
    QTextCharFormat format;
    if (const std::optional<QColor> color = SyntaxColors::colorForTokenType(type, m_dark))
        format.setForeground(*color);
    if (type == ChordproToken::Tab)
        format.setFont(m_tabFont);
    return format;
}
