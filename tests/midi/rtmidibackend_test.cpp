// The ALSA backend: without a sequencer it is quietly unavailable; with one, real ports come and go and carry
// messages both ways.
#include "logcapture.h"
#include "midi.h"
#include "rtmidibackend.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <rtmidi/RtMidi.h>

#include <gtest/gtest.h>

namespace {
bool sequencerUsable()
{
    const QFileInfo sequencer(QStringLiteral("/dev/snd/seq"));
    return sequencer.exists() && sequencer.isReadable() && sequencer.isWritable();
}
} // namespace

TEST(RtMidiBackend, DisplayNameDropsTheSequencerNumbers)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Midi Through:Midi Through Port-0 14:0", "Midi Through:Midi Through Port-0"},
        {"Keys:Keys MIDI 1 20:0", "Keys:Keys MIDI 1"},
        {"No numbers", "No numbers"},
    };
    for (const auto &[name, display] : cases)
        EXPECT_EQ(RtMidiBackend::displayName(QString::fromLatin1(name)), QString::fromLatin1(display));
}

TEST(RtMidiBackend, WithoutSequencerIsUnavailableAndHarmless)
{
    if (sequencerUsable())
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    LogCapture log;
    RtMidiBackend backend;
    EXPECT_FALSE(backend.isAvailable());
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_EQ(log.lines()[0],
              QStringLiteral("Error (Create MIDI client): 8:MidiInAlsa::initialize: error creating ALSA "
                             "sequencer client object."));
    EXPECT_TRUE(backend.sources().isEmpty());
    EXPECT_TRUE(backend.destinations().isEmpty());
    EXPECT_TRUE(backend.send(QStringLiteral("Synth:Synth In 20:0"), QByteArray::fromHex("c005")).has_value());

    // The controller over it works as usual with nothing to talk to.
    Midi midi(std::make_unique<RtMidiBackend>(), {});
    EXPECT_EQ(midi.connectionsAsString(), QString());
    midi.sendMidiEvents(MidiEvent::midiEventsFromString(QStringLiteral("PC1")));
    midi.waitUntilSent();
}

// Virtual ports of another client stand for a keyboard and a synthesiser.
TEST(RtMidiBackend, RealPortsAreListedAndCarryMessages)
{
    if (!sequencerUsable())
        GTEST_SKIP() << "no usable /dev/snd/seq";
    RtMidiOut keyboard(RtMidi::LINUX_ALSA, "Vellorin Test Keyboard");
    keyboard.openVirtualPort("Keys");
    RtMidiIn synth(RtMidi::LINUX_ALSA, "Vellorin Test Synth");
    QMutex receivedMutex;
    std::vector<unsigned char> received;
    std::pair<QMutex *, std::vector<unsigned char> *> receiver(&receivedMutex, &received);
    synth.setCallback(
        [](double, std::vector<unsigned char> *message, void *data) {
            auto *target = static_cast<std::pair<QMutex *, std::vector<unsigned char> *> *>(data);
            const QMutexLocker lock(target->first);
            target->second->insert(target->second->end(), message->begin(), message->end());
        },
        &receiver);
    synth.openVirtualPort("Synth");

    QStringList shown;
    Midi midi(std::make_unique<RtMidiBackend>(), [&](const SongPtr &song) { shown.append(song->title()); });
    const auto listed = [&] {
        const QString connections = midi.connectionsAsString();
        return connections.contains(QStringLiteral("Vellorin Test Keyboard:Keys")) &&
               connections.contains(QStringLiteral("Vellorin Test Synth:Synth"));
    };
    QDeadlineTimer deadline(1500);
    while (!listed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_TRUE(listed()) << midi.connectionsAsString().toStdString();
    EXPECT_FALSE(midi.connectionsAsString().contains(QLatin1String(VXMidi::clientName)));

    const std::vector<unsigned char> programChange{0xC5, 0x07};
    keyboard.sendMessage(&programChange);
    deadline = QDeadlineTimer(1500);
    while (midi.lastMidiCommands().isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_FALSE(midi.lastMidiCommands().isEmpty());
    EXPECT_EQ(midi.lastMidiCommands().first().toString(), QStringLiteral("PC7@6"));

    midi.sendMidiEvents(MidiEvent::midiEventsFromString(QStringLiteral("CC7.100@2")));
    midi.waitUntilSent();
    deadline = QDeadlineTimer(1500);
    const auto arrived = [&] {
        const QMutexLocker lock(&receivedMutex);
        return received == std::vector<unsigned char>{0xB1, 0x07, 0x64};
    };
    while (!arrived() && !deadline.hasExpired())
        QThread::msleep(10);
    EXPECT_TRUE(arrived());
}
