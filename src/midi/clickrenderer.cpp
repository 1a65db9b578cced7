// Frame-exact click rendering: every click start and end is found inside the frame loop, so a block of any size,
// even one spanning several beats, reports each click once.
#include "clickrenderer.h"

#include <algorithm>
#include <cmath>

ClickRenderer::ClickRenderer(ClickSound accent, ClickSound plain, double sampleRate)
    : m_accent(std::move(accent))
    , m_plain(std::move(plain))
    , m_sampleRate(sampleRate)
    , m_sound(&m_plain)
{}

void ClickRenderer::setTempo(double tempo)
{
    if (std::isfinite(tempo) && tempo > 0.0)
        m_tempo.store(tempo);
}

std::int64_t ClickRenderer::framesPerBeat(double tempo, double sampleRate)
{
    // A tiny positive tempo would overflow the count; one frame is the least a beat can last.
    const double frames = 60.0 / tempo * sampleRate;
    if (!(frames < 9.0e18))
        return std::int64_t(9.0e18);
    return std::max<std::int64_t>(1, std::int64_t(frames));
}

void ClickRenderer::render(float *out, std::int64_t frames)
{
    const std::uint64_t run = m_requestedRun.load();
    if (run != m_run) {
        m_run = run;
        m_position = 0;
        m_frame = 0;
        m_tickCount = 0;
        m_tickOn = false;
    }
    const std::int64_t beat = framesPerBeat();
    for (std::int64_t i = 0; i < frames; ++i) {
        if (m_position == 0)
            beginClick();
        const auto length = std::int64_t(m_sound->size());
        out[i] = m_position < length ? (*m_sound)[std::size_t(m_position)] : 0.0f;
        ++m_position;
        ++m_frame;
        if (m_tickOn && m_position >= length)
            endClick();
        if (m_position >= std::max(beat, length))
            m_position = 0;
    }
}

void ClickRenderer::beginClick()
{
    const std::int64_t perBar = m_ticksPerBar.load();
    m_sound = perBar > 0 && m_tickCount % perBar == 0 ? &m_accent : &m_plain;
    ++m_tickCount;
    m_tickOn = true;
    if (m_report)
        m_report(true, m_frame, m_run);
}

void ClickRenderer::endClick()
{
    m_tickOn = false;
    if (m_report)
        m_report(false, m_frame, m_run);
}
