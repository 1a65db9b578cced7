// The waits between the messages a song sends: real ones in the program, recorded ones in tests.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

class MidiSleeper
{
public:
    virtual ~MidiSleeper() = default;
    // Returns after the duration, or at once once interrupt() was called.
    virtual void sleepFor(std::chrono::milliseconds duration) = 0;
    // Ends the wait under way and every later one at once. Any thread.
    virtual void interrupt() = 0;
};

// Waits on the steady clock.
class ConditionSleeper final : public MidiSleeper
{
public:
    void sleepFor(std::chrono::milliseconds duration) override
    {
        std::unique_lock lock(m_mutex);
        m_woken.wait_for(lock, duration, [this] { return m_interrupted; });
    }

    void interrupt() override
    {
        {
            const std::lock_guard lock(m_mutex);
            m_interrupted = true;
        }
        m_woken.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_interrupted = false;
};
