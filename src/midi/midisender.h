// Sends songs' MIDI events on a thread of its own, so pauses between them never hold up the program.
#pragma once

#include "midievent.h"
#include "midisleeper.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// One step of sending: write the log line (when there is one), wait, then send the message (when there is one).
struct MidiStep
{
    QString logLine;
    std::chrono::milliseconds wait{0};
    std::optional<QByteArray> message;

    bool operator==(const MidiStep &other) const = default;
};
using MidiPlan = QList<MidiStep>;

// Runs plans one after the other, in the order they came: a new song's events wait behind the previous
// song's. Destroying the sender drops what is queued and ends a wait at once.
class MidiSender
{
public:
    using Send = std::function<void(const QByteArray &message)>;

    // A note's off message follows its on message after this long.
    static constexpr std::chrono::milliseconds noteLength{100};

    MidiSender(Send send, std::unique_ptr<MidiSleeper> sleeper);
    ~MidiSender();
    MidiSender(const MidiSender &) = delete;
    MidiSender &operator=(const MidiSender &) = delete;

    // The steps that send the events in order: a pause waits its milliseconds; any other event logs its
    // text and sends its messages, each after the first following noteLength later.
    static MidiPlan planFor(const QList<MidiEvent> &events);

    // Returns at once; the plan runs on the sender's thread.
    void enqueue(MidiPlan plan);
    // Blocks until every plan enqueued so far has run.
    void waitUntilIdle();

private:
    void run();
    // Takes the next plan; nothing when stopping.
    std::optional<MidiPlan> nextPlan();
    void runPlan(const MidiPlan &plan);
    bool stopping();

    Send m_send;
    std::unique_ptr<MidiSleeper> m_sleeper;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<MidiPlan> m_plans;
    bool m_running = false;
    bool m_stopping = false;
    std::thread m_thread;
};
