// Tests that recognise pieces of song text.
#include "lineclassifier.h"

#include "log.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// Blanks and tabs only: a line's own line break stays part of it.
QStringView trimBlanksAndTabs(QStringView line)
{
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && (line[start] == u' ' || line[start] == u'\t'))
        ++start;
    while (end > start && (line[end - 1] == u' ' || line[end - 1] == u'\t'))
        --end;
    return line.mid(start, end - start);
}

// The directive text after the "{" of a trimmed line; null when the line is no directive. Every line of a song
// is tested against many keywords on every layout, so the tests look at the line's text in place.
QStringView directiveText(const QString &line)
{
    const QStringView trimmed = trimBlanksAndTabs(line);
    return trimmed.startsWith(u'{') ? trimmed.mid(1) : QStringView();
}

// The directive text starts with the keyword's variant for the name ("c:" and "Vocals": "c-Vocals:"), without
// making the variant.
bool startsWithVariant(QStringView directive, QStringView keyword, QStringView name)
{
    const qsizetype colon = keyword.indexOf(u':');
    const QStringView stem = colon < 0 ? keyword : keyword.left(colon);
    if (!directive.startsWith(stem, Qt::CaseInsensitive))
        return false;
    directive = directive.mid(stem.size());
    if (!directive.startsWith(u'-'))
        return false;
    directive = directive.mid(1);
    if (!directive.startsWith(name, Qt::CaseInsensitive))
        return false;
    return colon < 0 || directive.mid(name.size()).startsWith(u':');
}

bool isUserKeyWordDirective(QStringView directive, const QString &keyword, const DirectiveOwner &owner)
{
    if (directive.isNull())
        return false;
    if (directive.startsWith(keyword, Qt::CaseInsensitive) || startsWithVariant(directive, keyword, owner.instrument))
        return true;
    return !owner.user.isEmpty() && startsWithVariant(directive, keyword, owner.user);
}

// A directive of the name for some instrument or user, with a value: "{name-...:...}". Compiling a pattern
// costs far more than matching it, and there are few names, so each is compiled once (per thread).
const QRegularExpression &variantDirectivePattern(const QString &name)
{
    thread_local QHash<QString, QRegularExpression> patterns;
    auto known = patterns.constFind(name);
    if (known == patterns.constEnd()) {
        const QString escaped = QRegularExpression::escape(name);
        known = patterns.insert(name, QRegularExpression(QStringLiteral("^\\{%1-.*?:.*?\\}$").arg(escaped)));
    }
    return *known;
}

} // namespace

bool LineClassifier::isKeyWordLine(const QString &line, const QString &keyword)
{
    const QStringView directive = directiveText(line);
    return !directive.isNull() && directive.startsWith(keyword, Qt::CaseInsensitive);
}

bool LineClassifier::isKeyWordLine(const QString &line, const QStringList &keywords)
{
    const QStringView directive = directiveText(line);
    if (directive.isNull())
        return false;
    for (const QString &keyword : keywords) {
        if (directive.startsWith(keyword, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString LineClassifier::variantKeyword(const QString &keyword, const QString &name)
{
    const qsizetype colon = keyword.indexOf(u':');
    if (colon < 0)
        return keyword + u'-' + name;
    return keyword.left(colon) + u'-' + name + u':';
}

bool LineClassifier::isUserKeyWordLine(const QString &line, const QString &keyword, const DirectiveOwner &owner)
{
    return isUserKeyWordDirective(directiveText(line), keyword, owner);
}

bool LineClassifier::isUserKeyWordLine(const QString &line, const QStringList &keywords, const DirectiveOwner &owner)
{
    const QStringView directive = directiveText(line);
    for (const QString &keyword : keywords) {
        if (isUserKeyWordDirective(directive, keyword, owner))
            return true;
    }
    return false;
}

bool LineClassifier::isEmptyUserKeyWordLine(const QString &line, const QString &keyword, const DirectiveOwner &owner)
{
    const qsizetype colon = keyword.indexOf(u':');
    if (colon < 0) {
        Log::write(QStringLiteral("only works for keywords with colon like c:, comment:"));
        return false;
    }
    if (!variantDirectivePattern(keyword.left(colon)).match(trimBlanksAndTabs(line)).hasMatch())
        return false;
    return !isUserKeyWordLine(line, keyword, owner);
}

bool LineClassifier::isEmptyUserKeyWordLine(const QString &line, const QStringList &keywords,
                                            const DirectiveOwner &owner)
{
    for (const QString &keyword : keywords) {
        if (isEmptyUserKeyWordLine(line, keyword, owner))
            return true;
    }
    return false;
}

bool LineClassifier::isLinkWord(const QString &word)
{
    return word.startsWith(QLatin1String("www.")) || word.startsWith(QLatin1String("http")) ||
           word.contains(QLatin1String(".com")) || word.contains(QLatin1String(".de")) ||
           word.startsWith(QLatin1String("file:"));
}
