#include "categoryname.h"

#include "filename.h"

std::optional<QString> CategoryName::fromTypedText(const QString &text)
{
    QString name = text;
    name.replace(u'/', u' ');
    name.replace(u'\\', u' ');
    name = name.trimmed();
    // The library reads no hidden folders: songs re-filed into one would vanish from the list.
    if (name.startsWith(u'.'))
        return std::nullopt;
    return name;
}

QString CategoryName::realName(const QString &text, const QStringList &categories)
{
    if (categories.contains(text))
        return text;
    for (const QString &category : categories)
        if (FileName::hasRawBytes(category) && FileName::displayName(category) == text)
            return category;
    return text;
}
