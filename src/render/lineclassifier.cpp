// Tests that recognise pieces of song text.
#include "lineclassifier.h"

#include "log.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// Blanks and tabs only: a line's own line break stays part of it.
QString trimBlanksAndTabs(const QString &line)
{
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && (line[start] == u' ' || line[start] == u'\t'))
        ++start;
    while (end > start && (line[end - 1] == u' ' || line[end - 1] == u'\t'))
        --end;
    return line.mid(start, end - start);
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
    const QString trimmed = trimBlanksAndTabs(line);
    return trimmed.startsWith(u'{') && QStringView(trimmed).mid(1).startsWith(keyword, Qt::CaseInsensitive);
}

bool LineClassifier::isKeyWordLine(const QString &line, const QStringList &keywords)
{
    for (const QString &keyword : keywords) {
        if (isKeyWordLine(line, keyword))
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
    if (isKeyWordLine(line, keyword) || isKeyWordLine(line, variantKeyword(keyword, owner.instrument)))
        return true;
    return !owner.user.isEmpty() && isKeyWordLine(line, variantKeyword(keyword, owner.user));
}

bool LineClassifier::isUserKeyWordLine(const QString &line, const QStringList &keywords, const DirectiveOwner &owner)
{
    for (const QString &keyword : keywords) {
        if (isUserKeyWordLine(line, keyword, owner))
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
