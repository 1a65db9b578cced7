// Tidying pasted text: white space at the ends and starts of lines, and empty lines. The text is split into
// lines at carriage returns when it holds any, else at line feeds, and always joined with line feeds; empty
// lines at the start of a result disappear.
#pragma once

#include <QString>
#include <QStringList>

class EditorCleanup
{
public:
    static QString removeTrailingSpaces(const QString &text);
    static QString removeLeadingSpaces(const QString &text);
    static QString removeEmptyLines(const QString &text);

    // Some non-empty line ends, respectively starts, with a blank or a tab.
    static bool hasTrailingSpaces(const QString &text);
    static bool hasLeadingSpaces(const QString &text);
    // Some line holds nothing but blanks and tabs.
    static bool hasEmptyLines(const QString &text);

private:
    // The lines, each without the line-end characters at its ends.
    static QStringList lines(const QString &text);
    static QString joined(const QStringList &lines);
};
