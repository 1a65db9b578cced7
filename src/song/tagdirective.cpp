// Reading tag directives by hand: they are looked for in every song of the library, where a regular
// expression engine costs many times more than this one pass.
#include "tagdirective.h"

#include "textchars.h"

#include <algorithm>

namespace {

const QStringView kOpening = u"{tag:";

// The white space a tag's value is trimmed of: Unicode's, as regular expressions know it (U+180E too).
bool isWhiteSpace(QChar c)
{
    return c.isSpace() || c == u'\u180E';
}

} // namespace

std::optional<TagDirective::Match> TagDirective::at(const QString &text, qsizetype brace)
{
    const QStringView view(text);
    if (!view.sliced(brace).startsWith(kOpening))
        return std::nullopt;
    qsizetype valueStart = brace + kOpening.size();
    while (valueStart < view.size() && isWhiteSpace(view[valueStart]))
        ++valueStart;
    const qsizetype close = text.indexOf(u'}', valueStart);
    if (close < 0)
        return std::nullopt;
    qsizetype valueEnd = close;
    while (valueEnd > valueStart && isWhiteSpace(view[valueEnd - 1]))
        --valueEnd;
    const QStringView value = view.sliced(valueStart, valueEnd - valueStart);
    if (std::any_of(value.begin(), value.end(), TextChars::isLineBreak))
        return std::nullopt;
    return Match{brace, close + 1, value.toString()};
}

std::optional<TagDirective::Match> TagDirective::next(const QString &text, qsizetype from)
{
    for (qsizetype brace = text.indexOf(u'{', from); brace >= 0; brace = text.indexOf(u'{', brace + 1))
        if (std::optional<Match> match = at(text, brace))
            return match;
    return std::nullopt;
}
