// Synthesised clicks: a sine burst under an envelope of a 1 ms attack and an exponential decay, tapered so that the
// last sample is exactly zero.
#include "clicksounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

ClickSound ClickSounds::accent(double sampleRate)
{
    return synthesise(sampleRate, 1500.0, 0.8f);
}

ClickSound ClickSounds::plain(double sampleRate)
{
    return synthesise(sampleRate, 1000.0, 0.5f);
}

ClickSound ClickSounds::synthesise(double sampleRate, double frequency, float level)
{
    constexpr double attackSeconds = 0.001;
    constexpr double decaySeconds = 0.008; // time constant of the decay
    const auto frames = std::max<std::size_t>(2, std::size_t(seconds * sampleRate));
    ClickSound sound(frames);
    const double last = double(frames - 1);
    for (std::size_t n = 0; n < frames; ++n) {
        const double t = double(n) / sampleRate;
        const double attack = std::min(1.0, t / attackSeconds);
        const double taper = (last - double(n)) / last; // 0 on the last frame
        const double envelope = attack * std::exp(-t / decaySeconds) * taper;
        sound[n] = float(level * envelope * std::sin(2.0 * std::numbers::pi * frequency * t));
    }
    sound.back() = 0.0f;
    return sound;
}
