// Sending a song's own events: the plan of messages and waits, on a thread of its own.
#include "fakemidibackend.h"
#include "logcapture.h"
#include "midi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>

namespace {

const MidiPort synth = FakeMidiBackend::port(QStringLiteral("Synth"), QStringLiteral("Synth In"), 20);

// Sends and waits, in the order they happen (the sender thread writes, the test reads after it is idle).
struct Timeline
{
    QMutex mutex;
    QStringList steps;

    void add(const QString &step)
    {
        const QMutexLocker lock(&mutex);
        steps.append(step);
    }
};

class RecordingSleeper : public MidiSleeper
{
public:
    explicit RecordingSleeper(Timeline &timeline)
        : m_timeline(timeline)
    {}
    void sleepFor(std::chrono::milliseconds duration) override
    {
        m_timeline.add(QStringLiteral("wait %1").arg(duration.count()));
    }
    void interrupt() override {}

private:
    Timeline &m_timeline;
};

std::unique_ptr<FakeMidiBackend> synthOnly(FakeMidiBackend *&ports)
{
    auto backend = std::make_unique<FakeMidiBackend>();
    backend->setDestinations({synth});
    ports = backend.get();
    return backend;
}

} // namespace

TEST(MidiSending, EventsBecomeMessagesAndWaitsInOrder)
{
    Timeline timeline;
    FakeMidiBackend *ports = nullptr;
    Midi midi(synthOnly(ports), {}, std::make_unique<RecordingSleeper>(timeline));
    ports->onSend = [&](const QString &, const QByteArray &message) {
        timeline.add(QStringLiteral("send ") + QString::fromLatin1(message.toHex(' ')));
    };
    LogCapture log;
    midi.sendMidiEvents(MidiEvent::midiEventsFromString(QStringLiteral("PC5 PAUSE500 N60")));
    midi.sendMidiEvents(MidiEvent::midiEventsFromString(QStringLiteral("CC7.100@2")));
    midi.waitUntilSent();
    EXPECT_EQ(timeline.steps,
              (QStringList{"send c0 05", "wait 500", "send 90 3c 7f", "wait 100", "send 80 3c 00", "send b1 07 64"}))
        << "the second song's events wait behind the first's";
    EXPECT_EQ(log.lines(),
              (QStringList{"Send Midi packet PC5", "sendBytes(2 bytes to core MIDI)", "MIDI Pause 500 ms",
                           "Send Midi packet N60", "sendBytes(3 bytes to core MIDI)", "sendBytes(3 bytes to core MIDI)",
                           "Send Midi packet CC7.100@2", "sendBytes(3 bytes to core MIDI)"}));
}

TEST(MidiSending, PlanTable)
{
    using std::chrono::milliseconds;
    struct Case
    {
        QString events;
        MidiPlan plan;
    };
    const Case cases[] = {
        {"START STOP",
         {{"Send Midi packet START", milliseconds(0), QByteArray("\xfa")},
          {"Send Midi packet STOP", milliseconds(0), QByteArray("\xfc")}}},
        // An empty raw event still logs its line; the layer then sends nothing.
        {"F8.5", {{"Send Midi packet ", milliseconds(0), QByteArray()}}},
        {"PAUSE0", {{"MIDI Pause 0 ms", milliseconds(0), std::nullopt}}},
        {"", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MidiSender::planFor(MidiEvent::midiEventsFromString(c.events)), c.plan) << c.events.toStdString();
}

TEST(MidiSending, APauseHoldsUpNeitherTheProgramNorDroppingTheController)
{
    FakeMidiBackend *ports = nullptr;
    auto midi = std::make_unique<Midi>(synthOnly(ports), Midi::ShowSong());
    std::atomic<int> sends = 0;
    ports->onSend = [&](const QString &, const QByteArray &) { ++sends; };
    midi->sendMidiEvents(MidiEvent::midiEventsFromString(QStringLiteral("PAUSE600000 PC1")));

    bool timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(timerFired) << "the main thread goes on while the sender waits";

    QElapsedTimer dropping;
    dropping.start();
    midi.reset();
    EXPECT_LT(dropping.elapsed(), 10000) << "dropping the controller ends the ten-minute wait";
    EXPECT_EQ(sends, 0) << "what was still to come is dropped";
}
