// Tests that recognise pieces of song text: directive lines, their per-user and per-instrument
// variants, link words and the direction the text runs in.
#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

// Whose directive variants count as "ours": the current user (may be empty) and the current
// instrument's title. Read from the application's settings at the moment of use.
struct DirectiveOwner
{
    QString user;
    QString instrument;
};

class LineClassifier
{
public:
    // The line, trimmed of blanks and tabs, starts with "{" and the keyword, ignoring case.
    // A keyword is the directive name with or without its colon: "soc", "t:", "c-".
    static bool isKeyWordLine(const QString &line, const QString &keyword);
    static bool isKeyWordLine(const QString &line, const QStringList &keywords);

    // The keyword itself, or its form for the current instrument or the current user:
    // "c:" gives "c-Guitar:" and "c-Vocals:", "define" gives "define-Guitar".
    static bool isUserKeyWordLine(const QString &line, const QString &keyword, const DirectiveOwner &owner);
    static bool isUserKeyWordLine(const QString &line, const QStringList &keywords, const DirectiveOwner &owner);

    // The line is exactly one directive "{name-X: value}" (name compared case-sensitively) whose X is
    // neither the current user nor the current instrument: somebody else's line. The keyword must
    // contain a colon ("c:", "comment:"); one without is a programming error and answers false.
    static bool isEmptyUserKeyWordLine(const QString &line, const QString &keyword, const DirectiveOwner &owner);
    static bool isEmptyUserKeyWordLine(const QString &line, const QStringList &keywords, const DirectiveOwner &owner);

    // Shown and handled as a link: starts with "www.", "http" or "file:", or contains ".com" or ".de".
    static bool isLinkWord(const QString &word);

    // The keyword's variant for one name: "c:" and "Vocals" give "c-Vocals:", "define" gives "define-Vocals".
    static QString variantKeyword(const QString &keyword, const QString &name);
};
