// Splits a song text into typed tokens (text, directive, comment line, chord, tab text) for the editor's colouring.
#pragma once

#include "chordprotoken.h"

#include <QList>
#include <QString>

#include <optional>

class ChordPro
{
public:
    explicit ChordPro(const QString &text);

    const QList<ChordproToken> &tokens() const { return m_tokens; }
    const QString &text() const { return m_text; }

    // Fills the tokens anew from the text in one pass; every character lands in exactly one token.
    void tokenize();

    // Whether a closed directive (with its braces) opens a tab or grid section (true), ends one (false), or
    // neither (nothing).
    static std::optional<bool> tabModeAfterDirective(QStringView directive);

private:
    void startToken(int type, qsizetype at);
    void extend(qsizetype at);
    void closeCurrent();
    void updateTabMode(const ChordproToken &directive);

    QString m_text;
    QList<ChordproToken> m_tokens;
    std::optional<ChordproToken> m_current;
    bool m_tabMode = false;
};
