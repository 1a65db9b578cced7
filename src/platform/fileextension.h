// Telling files apart by the extension of their name, as a listing does for every entry.
#pragma once

#include <QLatin1String>
#include <QStringView>

#include <initializer_list>

class FileExtension
{
public:
    // What follows the last "." of the path's last component, as QFileInfo::suffix() gives it; empty
    // without a ".".
    static QStringView of(QStringView path);
    // Whether the extension, lower-cased, is one of the names (lower-case ASCII). Answered without building
    // a file information object or a lower-cased copy for each file.
    static bool isOneOf(QStringView path, std::initializer_list<QLatin1String> names);
};
