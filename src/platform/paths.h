// The folders the program keeps its own files in, and the user's standard folders.
#pragma once

#include <QString>

class Paths
{
public:
    // ~/.local/share/vellorin, made (with its parents) on first use.
    static QString supportDirectory();
    // The user's documents folder, as the desktop configures it.
    static QString documentsDirectory();
    // The real home folder of the user.
    static QString homeDirectory();
    // The user's Desktop folder, where files the user exports are proposed; the home folder when there is none.
    static QString desktopDirectory();
};
