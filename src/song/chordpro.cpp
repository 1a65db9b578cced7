// Splitting a song text into typed tokens for the editor's colouring.
#include "chordpro.h"

ChordPro::ChordPro(const QString &text)
    : m_text(text)
{
    tokenize();
}

void ChordPro::tokenize()
{
    m_tokens.clear();
    m_current.reset();
    m_tabMode = false;

    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QChar c = m_text[i];
        const bool atLineStart = i == 0 || m_text[i - 1] == u'\n' || m_text[i - 1] == u'\r';
        if (c == u'#' && atLineStart) {
            startToken(ChordproToken::Comment, i);
        } else if (c == u'[') {
            startToken(ChordproToken::Chord, i);
        } else if (c == u'{') {
            startToken(ChordproToken::Control, i);
        } else if (c == u']' || c == u'}') {
            // A stray closing bracket starts plain text, even inside a tab section.
            if (m_current)
                m_current->increment();
            else
                m_current.emplace(ChordproToken::Text, i);
            const int closes = c == u']' ? ChordproToken::Chord : ChordproToken::Control;
            if (m_current->type() == closes) {
                if (closes == ChordproToken::Control)
                    updateTabMode(*m_current);
                closeCurrent();
            }
        } else if ((c == u'\n' || c == u'\r') && m_current && m_current->type() == ChordproToken::Comment) {
            m_current->increment();
            closeCurrent();
        } else {
            extend(i);
        }
    }
    if (m_current)
        m_tokens.append(*m_current);
    m_current.reset();
}

void ChordPro::startToken(int type, qsizetype at)
{
    if (m_current)
        m_tokens.append(*m_current);
    m_current.emplace(type, at);
}

void ChordPro::extend(qsizetype at)
{
    if (m_current)
        m_current->increment();
    else
        m_current.emplace(m_tabMode ? ChordproToken::Tab : ChordproToken::Text, at);
}

void ChordPro::closeCurrent()
{
    m_current->setValid(true);
    m_tokens.append(*m_current);
    m_current.reset();
}

void ChordPro::updateTabMode(const ChordproToken &directive)
{
    if (const std::optional<bool> tabMode =
            tabModeAfterDirective(QStringView(m_text).mid(directive.location(), directive.length())))
        m_tabMode = *tabMode;
}

std::optional<bool> ChordPro::tabModeAfterDirective(QStringView text)
{
    if (text == u"{sot}" || text == u"{start_of_tab}" || text.startsWith(u"{sot-") || text.startsWith(u"{sog") ||
        text.startsWith(u"{start_of_grid"))
        return true;
    if (text == u"{eot}" || text == u"{end_of_tab}" || text == u"{eog}" || text == u"{end_of_grid}")
        return false;
    return std::nullopt;
}
