// The orders of the song list: titles compared as a reader sees them, ignoring case, accents and width.
#include "song.h"

#include "songsettings.h"

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

bool isWidthVariant(QChar c)
{
    return c.decompositionTag() == QChar::Wide || c.decompositionTag() == QChar::Narrow;
}

// The key of a string of ASCII characters alone, which has no accents, no width variants and folds by
// lowering its capitals: most titles, keyed without the Unicode tables. Nothing for any other string.
std::optional<QString> asciiComparisonKey(QStringView string)
{
    QString folded(string.size(), Qt::Uninitialized);
    QChar *out = folded.data();
    for (const QChar c : string) {
        const char16_t unit = c.unicode();
        if (unit >= 0x80)
            return std::nullopt;
        *out++ = QChar(unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit);
    }
    return folded;
}

QString stripArticle(const QString &title, bool sortIPodStyle)
{
    if (!sortIPodStyle)
        return title;
    for (const QLatin1String article : {QLatin1String("The "), QLatin1String("A ")})
        if (title.startsWith(article))
            return title.mid(article.size());
    return title;
}

} // namespace

QString Song::stripArticleFromTitle(const QString &title)
{
    return stripArticle(title, SongSettings::sortIPodStyle());
}

QString Song::comparisonKey(const QString &string)
{
    return comparisonKey(string, SongSettings::sortIPodStyle());
}

QString Song::comparisonKey(const QString &string, bool sortIPodStyle)
{
    const QString stripped = stripArticle(string, sortIPodStyle);
    if (std::optional<QString> key = asciiComparisonKey(stripped))
        return *key;
    const QString decomposed = stripped.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue; // the accents, split off by the decomposition
        if (isWidthVariant(c))
            folded += c.decomposition();
        else
            folded += c;
    }
    return folded.toCaseFolded().replace(u'\u2019', u'\'');
}

int Song::stringCompare(const QString &a, const QString &b)
{
    return sign(comparisonKey(a).compare(comparisonKey(b)));
}

int Song::compareNewerDateFirst(const Song &other) const
{
    if (m_date == other.m_date)
        return 0;
    return m_date > other.m_date ? -1 : 1;
}

int Song::compareTitle(const Song &other) const
{
    if (const int order = stringCompare(m_title, other.m_title))
        return order;
    if (const int order = stringCompare(m_subtitle, other.m_subtitle))
        return order;
    return compareNewerDateFirst(other);
}

int Song::compareSubtitle(const Song &other) const
{
    if (const int order = stringCompare(m_subtitle, other.m_subtitle))
        return order;
    if (const int order = stringCompare(m_title, other.m_title))
        return order;
    return compareNewerDateFirst(other);
}

int Song::compareKey(const Song &other) const
{
    if (const int order = sign(QString::compare(key(), other.key(), Qt::CaseInsensitive)))
        return order;
    return compareTitle(other);
}

int Song::compareDate(const Song &other) const
{
    if (const int order = compareNewerDateFirst(other))
        return order;
    return compareTitle(other);
}

int Song::compareTime(const Song &other) const
{
    const int time = playingTime();
    const int otherTime = other.playingTime();
    if (time != otherTime)
        return time > otherTime ? -1 : 1;
    return compareTitle(other);
}
