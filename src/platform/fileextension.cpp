#include "fileextension.h"

#include <algorithm>

namespace {

// The character as lower-casing it would make it, where that is one ASCII character; 0 otherwise. Beyond
// ASCII only the Kelvin sign lowers to a single ASCII letter.
char16_t asciiLower(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit >= u'A' && unit <= u'Z')
        return unit + (u'a' - u'A');
    if (unit < 0x80)
        return unit;
    return unit == u'\u212A' ? u'k' : 0;
}

bool isLowerCaseName(QStringView extension, QLatin1String name)
{
    if (extension.size() != name.size())
        return false;
    for (qsizetype i = 0; i < extension.size(); ++i)
        if (asciiLower(extension[i]) != name[i].unicode())
            return false;
    return true;
}

} // namespace

QStringView FileExtension::of(QStringView path)
{
    const QStringView name = path.sliced(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QStringView() : name.sliced(dot + 1);
}

bool FileExtension::isOneOf(QStringView path, std::initializer_list<QLatin1String> names)
{
    const QStringView extension = of(path);
    return std::any_of(names.begin(), names.end(),
                       [extension](QLatin1String name) { return isLowerCaseName(extension, name); });
}
