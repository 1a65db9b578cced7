// The device layer over a fake backend: following ports between scans, the connections text, sending, closing.
#include "fakemidibackend.h"
#include "logcapture.h"
#include "vxmidi.h"

#include <gtest/gtest.h>

namespace {

// Writes down every call of the layer's delegate.
class RecordingDelegate : public VXMidiDelegate
{
public:
    void sourceAdded(VXMidi &, VXMidiSource &source) override
    {
        calls.append(QStringLiteral("+source ") + source.name());
    }
    void sourceRemoved(VXMidi &, const MidiPort &source) override
    {
        calls.append(QStringLiteral("-source ") + source.name);
    }
    void destinationAdded(VXMidi &, const MidiPort &port) override
    {
        calls.append(QStringLiteral("+destination ") + port.name);
    }
    void destinationRemoved(VXMidi &, const MidiPort &port) override
    {
        calls.append(QStringLiteral("-destination ") + port.name);
    }

    QStringList calls;
};

const MidiPort keys = FakeMidiBackend::port(QStringLiteral("Keys"), QStringLiteral("Keys MIDI 1"), 20);
const MidiPort pedal = FakeMidiBackend::port(QStringLiteral("Pedal"), QStringLiteral("Pedal Port"), 24);
const MidiPort through =
    FakeMidiBackend::port(QStringLiteral("Midi Through"), QStringLiteral("Midi Through Port-0"), 14);
const MidiPort ownInput =
    FakeMidiBackend::port(QLatin1String(VXMidi::clientName), QStringLiteral("VXMidi Input Port"), 128);

QStringList names(const QList<MidiPort> &ports)
{
    QStringList result;
    for (const MidiPort &port : ports)
        result.append(port.name);
    return result;
}

QStringList sourceNames(const VXMidi &midi)
{
    QStringList result;
    for (const auto &source : midi.sources())
        result.append(source->name());
    return result;
}

} // namespace

TEST(VXMidi, ScansFollowThePorts)
{
    struct Scan
    {
        QList<MidiPort> sources;
        QList<MidiPort> destinations;
        QStringList calls;
        QStringList listedSources;
        QStringList listedDestinations;
    };
    const Scan scans[] = {
        // The first scan, at creation: destinations first; our own ports and the through port as a
        // destination are left out.
        {{keys, through, ownInput},
         {keys, through, ownInput},
         {u"+destination Keys:Keys MIDI 1"_qs, u"+source Keys:Keys MIDI 1"_qs,
          u"+source Midi Through:Midi Through Port-0"_qs},
         {keys.name, through.name},
         {keys.name}},
        // Nothing changed: nobody is told.
        {{keys, through, ownInput}, {keys, through, ownInput}, {}, {keys.name, through.name}, {keys.name}},
        // A new device while one goes: additions first, then removals, destinations before sources.
        {{pedal, through},
         {pedal},
         {u"+destination Pedal:Pedal Port"_qs, u"+source Pedal:Pedal Port"_qs, u"-destination Keys:Keys MIDI 1"_qs,
          u"-source Keys:Keys MIDI 1"_qs},
         {through.name, pedal.name},
         {pedal.name}},
        // Everything unplugged.
        {{},
         {},
         {u"-destination Pedal:Pedal Port"_qs, u"-source Midi Through:Midi Through Port-0"_qs,
          u"-source Pedal:Pedal Port"_qs},
         {},
         {}},
    };

    auto backend = std::make_unique<FakeMidiBackend>();
    FakeMidiBackend &ports = *backend;
    RecordingDelegate delegate;
    std::unique_ptr<VXMidi> midi;
    int step = 0;
    for (const Scan &scan : scans) {
        ports.setSources(scan.sources);
        ports.setDestinations(scan.destinations);
        delegate.calls.clear();
        if (!midi)
            midi = std::make_unique<VXMidi>(std::move(backend), &delegate);
        else
            midi->scanExistingDevices();
        EXPECT_EQ(delegate.calls, scan.calls) << "scan " << step;
        EXPECT_EQ(sourceNames(*midi), scan.listedSources) << "scan " << step;
        EXPECT_EQ(names(midi->destinations()), scan.listedDestinations) << "scan " << step;
        EXPECT_EQ(ports.openInputs().size(), scan.listedSources.size()) << "every listed source is open, step " << step;
        ++step;
    }
}

TEST(VXMidi, ConnectionsAsStringLeavesOutNamesAlreadyContained)
{
    const MidiPort port10 = FakeMidiBackend::port(QStringLiteral("Port 10"), QStringLiteral("In"), 30);
    const MidiPort port1 = FakeMidiBackend::port(QStringLiteral("Port 1"), QStringLiteral("In"), 31);
    const MidiPort named10 = {port10.id, QStringLiteral("Port 10")};
    const MidiPort named1 = {port1.id, QStringLiteral("Port 1")};
    struct Case
    {
        QList<MidiPort> sources;
        QList<MidiPort> destinations;
        QString expected;
    };
    const Case cases[] = {
        {{named10, named1}, {}, QStringLiteral("Port 10")},
        {{named1, named10}, {}, QStringLiteral("Port 1, Port 10")},
        {{named1}, {named1, named10}, QStringLiteral("Port 1, Port 10")}, // sources first, then destinations
        {{}, {}, QString()},
    };
    for (const Case &c : cases) {
        auto backend = std::make_unique<FakeMidiBackend>();
        backend->setSources(c.sources);
        backend->setDestinations(c.destinations);
        const VXMidi midi(std::move(backend));
        EXPECT_EQ(midi.connectionsAsString(), c.expected);
    }
}

TEST(VXMidi, SendsToEveryListedDestination)
{
    auto backend = std::make_unique<FakeMidiBackend>();
    FakeMidiBackend &ports = *backend;
    ports.setDestinations({keys, through, pedal});
    ports.failingDestinations = {keys.id};
    VXMidi midi(std::move(backend));
    LogCapture log;
    midi.sendBytes(QByteArray::fromHex("c005"));
    EXPECT_EQ(ports.sent(), QStringList{pedal.id + QStringLiteral(": c0 05")})
        << "not to the through port; the failing one fails";
    EXPECT_EQ(log.lines(),
              (QStringList{u"sendBytes(2 bytes to core MIDI)"_qs, u"Error (Sending MIDI): -1:destination gone"_qs}));
}

TEST(VXMidi, SendWithoutDestinationsOrTooLargeSendsNothing)
{
    struct Case
    {
        QByteArray message;
        QList<MidiPort> destinations;
        QStringList lines;
    };
    const Case cases[] = {
        {QByteArray::fromHex("c005"), {}, {u"sendBytes(2 bytes to core MIDI)"_qs}},
        {QByteArray(), {pedal}, {u"sendBytes(0 bytes to core MIDI)"_qs}},
        {QByteArray(65536, '\xf8'),
         {pedal},
         {u"sendBytes(65536 bytes to core MIDI)"_qs,
          u"MIDI message of 65536 bytes not sent: at most 65535 bytes fit in one message"_qs}},
    };
    for (const Case &c : cases) {
        auto backend = std::make_unique<FakeMidiBackend>();
        FakeMidiBackend &ports = *backend;
        ports.setDestinations(c.destinations);
        VXMidi midi(std::move(backend));
        LogCapture log;
        midi.sendBytes(c.message);
        EXPECT_TRUE(ports.sent().isEmpty());
        EXPECT_EQ(log.lines(), c.lines);
    }
}

TEST(VXMidi, CloseStopsReceivingAndTellsNobody)
{
    auto backend = std::make_unique<FakeMidiBackend>();
    FakeMidiBackend &ports = *backend;
    ports.setSources({keys, pedal});
    ports.setDestinations({keys});
    RecordingDelegate delegate;
    VXMidi midi(std::move(backend), &delegate);
    delegate.calls.clear();
    midi.close();
    EXPECT_TRUE(delegate.calls.isEmpty());
    EXPECT_TRUE(midi.sources().isEmpty());
    EXPECT_TRUE(midi.destinations().isEmpty());
    EXPECT_TRUE(ports.openInputs().isEmpty());
    EXPECT_FALSE(ports.receive(keys.id, QByteArray::fromHex("c005")));
}

TEST(VXMidi, NetworkSessionIsNeverOn)
{
    VXMidi midi(std::make_unique<FakeMidiBackend>());
    LogCapture log;
    midi.setNetworkEnabled(true);
    EXPECT_FALSE(midi.networkEnabled());
    EXPECT_EQ(log.lines(), QStringList{u"MIDINetworkSession not available on Mac OS X"_qs});
}
