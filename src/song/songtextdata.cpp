// The directive data of a song text, its checksum and its umlaut spelling.
#include "songtextdata.h"

#include "tagdirective.h"
#include "textchars.h"
#include "textpattern.h"

#include <QCryptographicHash>

namespace {

// Where a chord definition stands in the text: from its line's start to its end.
struct DefinitionSpan
{
    qsizetype lineStart = 0;
    qsizetype valueStart = 0;
    qsizetype valueEnd = 0;
    // Behind the closing "}", or the end of the line when it has none.
    qsizetype end = 0;
};

std::optional<DefinitionSpan> findDefinition(const QString &text, const QString &name)
{
    if (name.isEmpty())
        return std::nullopt;
    // The name must be followed by a blank or the end of the directive: "Am" is not the start of "Am7".
    const QRegularExpression pattern = TextPattern::make(
        QStringLiteral(R"(^[ \t]*\{(?i:define):[ \t]*(%1)(?=[ \t}]|$))").arg(QRegularExpression::escape(name)),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    DefinitionSpan span;
    span.lineStart = match.capturedStart();
    span.valueStart = match.capturedStart(1);
    qsizetype end = match.capturedEnd(1);
    while (end < text.size() && text[end] != u'}' && !TextChars::isLineTerminator(text[end]))
        ++end;
    span.valueEnd = end;
    span.end = end < text.size() && text[end] == u'}' ? end + 1 : end;
    return span;
}

// The length of the line break starting at index (CR-LF counts as one): 0, 1 or 2.
qsizetype lineBreakAt(const QString &text, qsizetype index)
{
    if (index >= text.size() || !TextChars::isLineTerminator(text[index]))
        return 0;
    return text[index] == u'\r' && index + 1 < text.size() && text[index + 1] == u'\n' ? 2 : 1;
}

// The length of the line break ending at index: 0, 1 or 2.
qsizetype lineBreakBefore(const QString &text, qsizetype index)
{
    if (index == 0 || !TextChars::isLineTerminator(text[index - 1]))
        return 0;
    return text[index - 1] == u'\n' && index >= 2 && text[index - 2] == u'\r' ? 2 : 1;
}

} // namespace

QSet<QString> SongTextData::tags(const QString &text)
{
    QSet<QString> tags;
    for (auto tag = TagDirective::next(text, 0); tag; tag = TagDirective::next(text, tag->end))
        tags.insert(tag->value);
    return tags;
}

QString SongTextData::textWithTag(const QString &text, const QString &tag)
{
    return text + QStringLiteral("\n{%1: %2}").arg(QStringLiteral("tag"), tag);
}

std::optional<QString> SongTextData::textWithoutTag(const QString &text, const QString &tag)
{
    for (auto match = TagDirective::next(text, 0); match; match = TagDirective::next(text, match->end))
        if (match->value == tag)
            return QString(text).remove(match->start, match->end - match->start);
    return std::nullopt;
}

QStringList SongTextData::users(const QString &text)
{
    static const QRegularExpression pattern = TextPattern::make(QStringLiteral(R"(\{(c|comment|instrument)\-(.*?):)"),
                                                                QRegularExpression::CaseInsensitiveOption);
    QStringList users;
    QRegularExpressionMatchIterator matches = pattern.globalMatch(text);
    while (matches.hasNext())
        users.append(matches.next().captured(2));
    return users;
}

QString SongTextData::textWithChordDefinition(const QString &text, const QString &definition)
{
    return text + QStringLiteral("\n{define: %1}").arg(definition);
}

std::optional<QString> SongTextData::chordDefinition(const QString &text, const QString &name)
{
    const std::optional<DefinitionSpan> span = findDefinition(text, name);
    if (!span)
        return std::nullopt;
    return text.mid(span->valueStart, span->valueEnd - span->valueStart).trimmed();
}

std::optional<QString> SongTextData::textWithoutChordDefinition(const QString &text, const QString &name)
{
    const std::optional<DefinitionSpan> span = findDefinition(text, name);
    if (!span)
        return std::nullopt;
    qsizetype from = span->lineStart;
    qsizetype to = span->end;
    if (from == 0) {
        // On the first line there is no line break before it: the one behind it goes instead.
        to += lineBreakAt(text, to);
    } else {
        // The line break that opened the definition's line, and an empty line before it.
        for (int i = 0; i < 2; ++i)
            from -= lineBreakBefore(text, from);
    }
    return QString(text).remove(from, to - from);
}

std::optional<QString> SongTextData::tuning(const QString &value)
{
    // Empty pieces between double blanks count, as the tuning has always been read.
    if (value.split(u' ').size() < 4)
        return std::nullopt;
    return value;
}

quint32 SongTextData::checksum(const QString &text)
{
    const QByteArray digest = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1);
    quint32 sum = 0;
    for (const char byte : digest)
        sum = (sum ^ static_cast<quint8>(byte)) << 1;
    return sum;
}

QString SongTextData::replacedUmlauts(const QString &text)
{
    static const std::pair<const char16_t *, const char16_t *> umlauts[] = {
        {u"ae", u"ä"}, {u"oe", u"ö"}, {u"ue", u"ü"}, {u"Ae", u"Ä"}, {u"Oe", u"Ö"}, {u"Ue", u"Ü"},
    };
    QString result = text;
    for (const auto &[spelled, umlaut] : umlauts)
        result.replace(QString::fromUtf16(spelled), QString::fromUtf16(umlaut));
    return result;
}
