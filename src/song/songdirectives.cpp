// The directive operations and the line iterator of the song text format: pure functions of a text.
#include "song.h"

#include "log.h"
#include "songsettings.h"
#include "textchars.h"
#include "textpattern.h"

#include <QVarLengthArray>

namespace {

QString keyFor(const QString &control)
{
    return u'{' + control + u':';
}

// Where the value of "{control:" starts when such a directive opens at the "{" at, ignoring case; -1 when
// none opens there. Looking only where a "{" stands is what keeps the lookups fast.
qsizetype valueStartAt(QStringView text, qsizetype at, const QString &control)
{
    const QStringView rest = text.sliced(at + 1);
    if (rest.size() <= control.size() || rest[control.size()] != u':' || !rest.startsWith(control, Qt::CaseInsensitive))
        return -1;
    return at + 1 + control.size() + 1;
}

// Where the value of the first "{control:" at or after from starts; -1 when there is none.
qsizetype firstValueStart(const QString &text, const QString &control, qsizetype from)
{
    for (qsizetype at = text.indexOf(u'{', from); at >= 0; at = text.indexOf(u'{', at + 1))
        if (const qsizetype start = valueStartAt(text, at, control); start >= 0)
            return start;
    return -1;
}

// The characters of a value that a writer replaces: up to its "}" when that stands on the same line,
// else up to the end of the line, so that a directive left open never takes the lines below with it.
struct ValueSpan
{
    qsizetype start;
    qsizetype end;
    bool closed;
    QString value(const QString &text) const
    {
        return TextChars::trimmedBlanksAndTabs(QStringView(text).sliced(start, end - start));
    }
};

ValueSpan valueSpanOnLine(const QString &text, qsizetype start)
{
    qsizetype end = start;
    while (end < text.size() && text[end] != u'}' && !TextChars::isLineTerminator(text[end]))
        ++end;
    return {start, end, end < text.size() && text[end] == u'}'};
}

QString replaceSpan(const QString &text, const QString &control, const ValueSpan &span, const QString &value)
{
    QString result = text;
    if (span.closed) {
        result.replace(span.start, span.end - span.start, value);
    } else {
        Log::write(QStringLiteral("no end tag for %1").arg(control));
        result.replace(span.start, span.end - span.start, value + u'}');
    }
    return result;
}

using ValueStarts = QVarLengthArray<qsizetype, 4>;

// The first non-empty value among the first directives of the controls, in the controls' order; nullopt
// while a control without a directive so far may still have one further on (seenAll: the whole text is read).
std::optional<QString> firstNonEmptyValue(const QString &text, const ValueStarts &starts, bool seenAll)
{
    for (const qsizetype start : starts) {
        if (start < 0) {
            if (!seenAll)
                return std::nullopt;
            continue;
        }
        QString value = Song::valueFromInText(text, start);
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

} // namespace

QString Song::valueInText(const QString &text, const QString &control)
{
    qsizetype index = 0;
    return valueInText(text, control, index);
}

QString Song::valueInText(const QString &text, const QStringList &controls)
{
    // One pass over the directives, looking for every control at once and stopping once the answer is known.
    ValueStarts starts(controls.size(), -1);
    for (qsizetype at = text.indexOf(u'{'); at >= 0; at = text.indexOf(u'{', at + 1)) {
        for (qsizetype i = 0; i < controls.size(); ++i) {
            if (starts[i] >= 0 || (starts[i] = valueStartAt(text, at, controls[i])) < 0)
                continue;
            if (std::optional<QString> value = firstNonEmptyValue(text, starts, false))
                return *value;
        }
    }
    return *firstNonEmptyValue(text, starts, true);
}

QString Song::valueInText(const QString &text, const QString &control, qsizetype &index)
{
    const qsizetype start = firstValueStart(text, control, qMax<qsizetype>(index, 0));
    if (start < 0)
        return QString();
    index = start;
    return valueFromInText(text, index);
}

QString Song::valueFromInText(const QString &text, qsizetype start)
{
    // A reader's value runs up to the next "}", or to the end of the text when none follows.
    qsizetype close = text.indexOf(u'}', start);
    if (close < 0)
        close = text.size();
    return TextChars::trimmedBlanksAndTabs(QStringView(text).sliced(start, close - start));
}

QString Song::valueOnLineInText(const QString &text, const QString &control)
{
    const QString key = keyFor(control);
    const qsizetype at = text.indexOf(key, 0, Qt::CaseInsensitive);
    return at < 0 ? QString() : valueSpanOnLine(text, at + key.size()).value(text);
}

QString Song::valueInTextForUserControl(const QString &text, const QString &control)
{
    for (const QString &variant : {SongSettings::currentUser(), SongSettings::currentInstrumentTitle()}) {
        if (variant.isEmpty())
            continue;
        const QString value = valueInText(text, control + u'-' + variant);
        if (!value.isEmpty())
            return value;
    }
    return valueInText(text, control);
}

QStringList Song::valuesInText(const QString &text, const QString &control)
{
    // Every "{name:" first; once none follows, the form with a blank in place of the colon.
    // A value ends at the end of its line when its "}" is missing there (the reading the writers share).
    QStringList values;
    QString key = keyFor(control);
    bool blankForm = false;
    qsizetype position = 0;
    while (position < text.size()) {
        qsizetype at = text.indexOf(key, position, Qt::CaseInsensitive);
        if (at < 0 && !blankForm) {
            blankForm = true;
            key = u'{' + control + u' ';
            at = text.indexOf(key, position, Qt::CaseInsensitive);
        }
        if (at < 0)
            break;
        position = at + key.size();
        values.append(valueSpanOnLine(text, position).value(text));
    }
    return values;
}

QString Song::replaceValueInText(const QString &text, const QString &control, const QString &value)
{
    const QString key = keyFor(control);
    const qsizetype at = text.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return addValueInText(text, control, value);
    return replaceSpan(text, control, valueSpanOnLine(text, at + key.size()), sanitizedDirectiveValue(value));
}

QString Song::replaceValueInText(const QString &text, const QString &control, const QString &value,
                                 const QString &oldValue)
{
    const QString key = keyFor(control);
    qsizetype at = 0;
    while ((at = text.indexOf(key, at, Qt::CaseInsensitive)) >= 0) {
        at += key.size();
        const ValueSpan span = valueSpanOnLine(text, at);
        if (span.value(text) == oldValue)
            return replaceSpan(text, control, span, sanitizedDirectiveValue(value));
    }
    return addValueInText(text, control, value);
}

QString Song::addValueInText(const QString &text, const QString &control, const QString &value)
{
    QString result = text;
    result.insert(posAfterTitleSubtitle(text),
                  QStringLiteral("\n{") + control + QStringLiteral(": ") + sanitizedDirectiveValue(value) + u'}');
    return result;
}

qsizetype Song::posAfterTitleSubtitle(const QString &text)
{
    static const QRegularExpression subtitle =
        TextPattern::make(QStringLiteral(R"(\{(subtitle:|st:).*?\})"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression title =
        TextPattern::make(QStringLiteral(R"(\{(title:|t:).*?\})"), QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpression *directive : {&subtitle, &title}) {
        const QRegularExpressionMatch match = directive->match(text);
        if (match.hasMatch())
            return match.capturedEnd();
    }
    return text.size();
}

QString Song::sanitizedDirectiveValue(const QString &value)
{
    QString result = value;
    for (QChar &c : result) {
        if (c == u'{')
            c = u'(';
        else if (c == u'}')
            c = u')';
        else if (TextChars::isLineBreak(c))
            c = u' ';
    }
    return result;
}

std::optional<QString> Song::getNextLineForText(const QString &text, TextRange &range)
{
    const qsizetype start = qMax<qsizetype>(range.end(), 0);
    if (start >= text.size())
        return std::nullopt;
    qsizetype next = start;
    while (next < text.size() && !TextChars::isLineTerminator(text[next]))
        ++next;
    if (next < text.size()) {
        const bool crlf = text[next] == u'\r' && next + 1 < text.size() && text[next + 1] == u'\n';
        next += crlf ? 2 : 1;
    }
    range = {start, next - start};
    return TextChars::trimmedLineBreaks(QStringView(text).sliced(start, next - start));
}

bool Song::hasNextLineForText(const QString &text, const TextRange &range)
{
    return range.end() < text.size();
}
