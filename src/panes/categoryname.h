// The category a user types for re-filing songs, made safe to use as a folder inside the song folder.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class CategoryName
{
public:
    // The folder name for the typed text: slashes and backslashes become blanks and the ends are trimmed; ""
    // means the song folder itself. Nothing for a name that would lead outside the song folder or hide its
    // songs (".", "..", any name starting with ".").
    static std::optional<QString> fromTypedText(const QString &text);
    // The categories are offered by their readable names (FileName::displayName): the text chosen or typed
    // names the category spelled exactly so, else the first one shown as it, whose folder name is not UTF-8;
    // any other text stays as it is.
    static QString realName(const QString &text, const QStringList &categories);
};
