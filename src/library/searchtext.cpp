// Folding texts for the search that ignores case and diacritics.
#include "searchtext.h"

namespace {

bool isAscii(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

QString SearchText::folded(const QString &text)
{
    // Most song text is plain ASCII, which has nothing to decompose; the search folds every song's text.
    if (isAscii(text))
        return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    return result.toCaseFolded();
}
