// The category a user types for re-filing songs, made safe to use as a folder inside the song folder.
#pragma once

#include <QString>

#include <optional>

class CategoryName
{
public:
    // The folder name for the typed text: slashes and backslashes become blanks and the ends are trimmed; ""
    // means the song folder itself. Nothing for a name that would lead outside the song folder or hide its
    // songs (".", "..", any name starting with ".").
    static std::optional<QString> fromTypedText(const QString &text);
};
