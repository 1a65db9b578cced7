// A short recording written by the tests themselves: a sine tone as 16-bit mono WAV.
#pragma once

#include <QString>

constexpr int toneSampleRate = 44100;

// Writes seconds of a tone of hz; false when the file cannot be written.
bool writeToneWav(const QString &path, double hz, double seconds);
