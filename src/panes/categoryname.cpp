#include "categoryname.h"

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
