// Regular expressions that read song text the way the text format means them.
#pragma once

#include <QRegularExpression>

class TextPattern
{
public:
    // "." never crosses a line break (LF, CR, CR-LF, VT, FF, NEL, LS, PS), and \s, \S and \w follow
    // Unicode, so a pattern matches song text alike whichever line ends or spaces the file uses.
    static QRegularExpression make(const QString &pattern, QRegularExpression::PatternOptions options = {});
};
