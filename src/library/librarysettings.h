// The settings the library reads, taken from the shared settings at the moment of use.
#pragma once

class Prefs;

class LibrarySettings
{
public:
    // The shared settings object; a settings object at its defaults while none exists (tests, start-up).
    static const Prefs &prefs();
};
