// Splitting a text into its lines, for the editor's clean-up commands.
#pragma once

#include <QString>
#include <QStringList>

class StringLines
{
public:
    // linesTrimSpaces(text, true).
    static QStringList lines(const QString &text);
    // Splits at "\r", or at "\n" when the text holds no "\r"; with more than one line, each is trimmed of
    // white space and line breaks (trimSpaces) or of line breaks only. A single line comes back untrimmed.
    static QStringList linesTrimSpaces(const QString &text, bool trimSpaces);
};
