// The directives that carry a song's title and subtitle, in the order they are looked up.
#pragma once

#include <QStringList>

class TitleDirectives
{
public:
    static const QStringList &title()
    {
        static const QStringList names = {QStringLiteral("title"), QStringLiteral("t")};
        return names;
    }
    static const QStringList &subtitle()
    {
        static const QStringList names = {QStringLiteral("subtitle"), QStringLiteral("st"), QStringLiteral("artist")};
        return names;
    }
};
