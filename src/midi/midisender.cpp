#include "midisender.h"

#include "log.h"

MidiSender::MidiSender(Send send, std::unique_ptr<MidiSleeper> sleeper)
    : m_send(std::move(send))
    , m_sleeper(sleeper ? std::move(sleeper) : std::make_unique<ConditionSleeper>())
    , m_thread([this] { run(); })
{}

MidiSender::~MidiSender()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_plans.clear();
    }
    m_changed.notify_all();
    m_sleeper->interrupt();
    m_thread.join();
}

MidiPlan MidiSender::planFor(const QList<MidiEvent> &events)
{
    MidiPlan plan;
    for (const MidiEvent &event : events) {
        if (event.eventType() == MidiEvent::Pause) {
            plan.append({QStringLiteral("MIDI Pause %1 ms").arg(event.pause()),
                         std::chrono::milliseconds(std::max<std::int64_t>(event.pause(), 0)), std::nullopt});
            continue;
        }
        const QList<QByteArray> messages = event.messages();
        std::optional<QByteArray> first;
        if (!messages.isEmpty())
            first = messages.first();
        plan.append({QStringLiteral("Send Midi packet %1").arg(event.toString()), {}, first});
        for (qsizetype i = 1; i < messages.size(); ++i)
            plan.append({QString(), noteLength, messages[i]});
    }
    return plan;
}

void MidiSender::enqueue(MidiPlan plan)
{
    if (plan.isEmpty())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_plans.push_back(std::move(plan));
    }
    m_changed.notify_all();
}

void MidiSender::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_stopping || (m_plans.empty() && !m_running); });
}

void MidiSender::run()
{
    while (const std::optional<MidiPlan> plan = nextPlan()) {
        runPlan(*plan);
        {
            const std::lock_guard lock(m_mutex);
            m_running = false;
        }
        m_changed.notify_all();
    }
}

std::optional<MidiPlan> MidiSender::nextPlan()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_stopping || !m_plans.empty(); });
    if (m_stopping)
        return std::nullopt;
    MidiPlan plan = std::move(m_plans.front());
    m_plans.pop_front();
    m_running = true;
    return plan;
}

void MidiSender::runPlan(const MidiPlan &plan)
{
    for (const MidiStep &step : plan) {
        if (!step.logLine.isEmpty())
            Log::write(step.logLine);
        if (step.wait.count() > 0)
            m_sleeper->sleepFor(step.wait);
        if (stopping())
            return;
        if (step.message)
            m_send(*step.message);
    }
}

bool MidiSender::stopping()
{
    const std::lock_guard lock(m_mutex);
    return m_stopping;
}
