// The metronome's clicks rendered frame by frame into float blocks of any size. No Qt: the audio side calls
// render(); the main thread only sets the tempo, the beats per bar and asks for a restart, all through atomics,
// so rendering never takes a lock and never sees half a change.
#pragma once

#include "clicksounds.h"

#include <atomic>
#include <cstdint>
#include <functional>

class ClickRenderer
{
public:
    // A click starts (on) or ends; frame counts from the first frame of the run, run is the number given to
    // restart(). Called on the rendering thread, inside render().
    using Report = std::function<void(bool on, std::int64_t frame, std::uint64_t run)>;

    ClickRenderer(ClickSound accent, ClickSound plain, double sampleRate);

    double sampleRate() const { return m_sampleRate; }

    // --- Any thread; each takes effect from the next render() ---
    // Beats per minute; a tempo that is not a positive number is ignored (the renderer starts at 120).
    void setTempo(double tempo);
    double tempo() const { return m_tempo.load(); }
    // Beats per bar; the first beat of each bar is accented. 0 (or less): no accent.
    void setTicksPerBar(std::int64_t ticksPerBar) { m_ticksPerBar.store(ticksPerBar); }
    std::int64_t ticksPerBar() const { return m_ticksPerBar.load(); }
    std::int64_t framesPerBeat() const { return framesPerBeat(tempo(), m_sampleRate); }
    // Starts run `run` over from its first click: beat count, position and the sounding click all cleared.
    void restart(std::uint64_t run) { m_requestedRun.store(run); }

    // Set before rendering begins.
    void setReport(Report report) { m_report = std::move(report); }

    // --- The rendering thread ---
    // Writes frames mono samples. A beat lasts framesPerBeat() frames, or the click's length when that is longer.
    void render(float *out, std::int64_t frames);

    // 60 / tempo × sample rate, truncated toward zero; at least one frame.
    static std::int64_t framesPerBeat(double tempo, double sampleRate);

private:
    void beginClick();
    void endClick();

    const ClickSound m_accent;
    const ClickSound m_plain;
    const double m_sampleRate;
    Report m_report;
    std::atomic<double> m_tempo{120.0};
    std::atomic<std::int64_t> m_ticksPerBar{0};
    std::atomic<std::uint64_t> m_requestedRun{0};

    // Rendering thread only.
    std::uint64_t m_run = 0;
    const ClickSound *m_sound;
    std::int64_t m_position = 0;  // frames since the current beat began
    std::int64_t m_frame = 0;     // frames since the run began
    std::int64_t m_tickCount = 0; // clicks begun in this run
    bool m_tickOn = false;        // a click is sounding
};
