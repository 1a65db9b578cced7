// Regular expressions that read song text the way the text format means them.
#include "textpattern.h"

QRegularExpression TextPattern::make(const QString &pattern, QRegularExpression::PatternOptions options)
{
    // (*ANY) makes every Unicode line break a newline for ".", "^" and "$".
    return QRegularExpression(QStringLiteral("(*ANY)") + pattern,
                              options | QRegularExpression::UseUnicodePropertiesOption);
}
