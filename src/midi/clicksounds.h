// The metronome's two clicks, synthesised at the output's rate: an accent for the first beat of a bar and a plain
// click for the others. Both are far shorter than the shortest beat and end at exactly zero, so nothing crackles
// where a click stops.
#pragma once

#include <vector>

// Mono samples from -1 to 1 at the output's sample rate.
using ClickSound = std::vector<float>;

class ClickSounds
{
public:
    // Length of either click, seconds.
    static constexpr double seconds = 0.03;

    static ClickSound accent(double sampleRate);
    static ClickSound plain(double sampleRate);

    // A sine burst of the given pitch and peak level with a short attack and a decay that reaches zero.
    static ClickSound synthesise(double sampleRate, double frequency, float level);
};
