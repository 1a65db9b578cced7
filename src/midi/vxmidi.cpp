#include "vxmidi.h"

#include "log.h"

#include <QMutexLocker>

#include <chrono>

namespace {
// Ports are named "client:port c:p" by the sequencer.
bool isOwnPort(const MidiPort &port)
{
    return port.id.startsWith(QLatin1String(VXMidi::clientName) + u':');
}

bool isThroughPort(const MidiPort &port)
{
    return port.id.startsWith(QStringLiteral("Midi Through:"));
}

std::uint64_t monotonicNanoseconds()
{
    return std::uint64_t(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

bool listsId(const QList<MidiPort> &ports, const QString &id)
{
    for (const MidiPort &port : ports)
        if (port.id == id)
            return true;
    return false;
}

void strikeId(QList<MidiPort> &ports, const QString &id)
{
    ports.removeIf([&](const MidiPort &port) { return port.id == id; });
}
} // namespace

VXMidi::VXMidi(std::unique_ptr<MidiBackend> backend, VXMidiDelegate *delegate, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
    , m_delegate(delegate)
{
    scanExistingDevices();
    m_rescanTimer.setInterval(1000);
    connect(&m_rescanTimer, &QTimer::timeout, this, &VXMidi::scanExistingDevices);
    m_rescanTimer.start();
}

VXMidi::~VXMidi()
{
    Log::write(QStringLiteral("VXMidi dealloc"));
    close();
}

bool VXMidi::isAvailable() const
{
    return m_backend->isAvailable();
}

void VXMidi::scanExistingDevices()
{
    QList<MidiPort> goneDestinations = listedDestinations();
    QList<MidiPort> goneSources = listedSources();
    for (const MidiPort &port : m_backend->destinations()) {
        if (isOwnPort(port) || isThroughPort(port))
            continue;
        if (listsId(goneDestinations, port.id))
            strikeId(goneDestinations, port.id);
        else if (!listsId(listedDestinations(), port.id))
            connectDestination(port);
    }
    for (const MidiPort &port : m_backend->sources()) {
        if (isOwnPort(port))
            continue;
        if (listsId(goneSources, port.id))
            strikeId(goneSources, port.id);
        else if (!listsId(listedSources(), port.id))
            connectSource(port);
    }
    for (const MidiPort &port : goneDestinations)
        disconnectDestination(port.id);
    for (const MidiPort &port : goneSources)
        disconnectSource(port.id);
}

QList<MidiPort> VXMidi::destinations() const
{
    return listedDestinations();
}

QList<MidiPort> VXMidi::listedDestinations() const
{
    const QMutexLocker lock(&m_outputMutex);
    return m_destinations;
}

QList<MidiPort> VXMidi::listedSources() const
{
    QList<MidiPort> ports;
    for (const auto &source : m_sources)
        ports.append(source->port());
    return ports;
}

int VXMidi::numberOfConnections() const
{
    return int(m_sources.size() + listedDestinations().size());
}

QString VXMidi::connectionsAsString() const
{
    QString text;
    for (const MidiPort &port : listedSources() + listedDestinations()) {
        if (text.contains(port.name))
            continue;
        if (!text.isEmpty())
            text += QStringLiteral(", ");
        text += port.name;
    }
    return text;
}

void VXMidi::setNetworkEnabled(bool enabled)
{
    Q_UNUSED(enabled);
    Log::write(QStringLiteral("MIDINetworkSession not available on Mac OS X"));
}

void VXMidi::connectSource(const MidiPort &port)
{
    auto source = std::make_shared<VXMidiSource>(port);
    m_sources.append(source);
    if (m_delegate)
        m_delegate->sourceAdded(*this, *source);
    // The callback keeps its source alive; closing the input ends the callbacks before the source goes.
    const auto received = [source](const std::uint8_t *bytes, std::size_t length) {
        source->midiRead(bytes, length, monotonicNanoseconds());
    };
    if (const std::optional<MidiError> error = m_backend->openInput(port.id, received))
        logMidiError(QStringLiteral("Connecting to MIDI source"), *error);
}

void VXMidi::disconnectSource(const QString &id)
{
    for (qsizetype i = 0; i < m_sources.size(); ++i) {
        if (m_sources[i]->port().id != id)
            continue;
        m_backend->closeInput(id);
        const MidiPort port = m_sources.takeAt(i)->port();
        if (m_delegate)
            m_delegate->sourceRemoved(*this, port);
        return;
    }
}

void VXMidi::connectDestination(const MidiPort &port)
{
    {
        const QMutexLocker lock(&m_outputMutex);
        m_destinations.append(port);
    }
    if (m_delegate)
        m_delegate->destinationAdded(*this, port);
}

void VXMidi::disconnectDestination(const QString &id)
{
    MidiPort removed;
    {
        const QMutexLocker lock(&m_outputMutex);
        const auto found = std::find_if(m_destinations.cbegin(), m_destinations.cend(),
                                        [&](const MidiPort &port) { return port.id == id; });
        if (found == m_destinations.cend())
            return;
        removed = *found;
        m_destinations.erase(found);
        m_backend->closeOutput(id);
    }
    if (m_delegate)
        m_delegate->destinationRemoved(*this, removed);
}

void VXMidi::sendBytes(const QByteArray &message)
{
    Log::write(QStringLiteral("%1(%2 bytes to core MIDI)").arg(QLatin1String("sendBytes")).arg(message.size()));
    if (message.size() > maximumMessageSize) {
        Log::write(QStringLiteral("MIDI message of %1 bytes not sent: at most %2 bytes fit in one message")
                       .arg(message.size())
                       .arg(maximumMessageSize));
        return;
    }
    if (message.isEmpty())
        return;
    const QMutexLocker lock(&m_outputMutex);
    for (const MidiPort &destination : std::as_const(m_destinations))
        if (const std::optional<MidiError> error = m_backend->send(destination.id, message))
            logMidiError(QStringLiteral("Sending MIDI"), *error);
}

void VXMidi::close()
{
    m_rescanTimer.stop();
    for (const auto &source : std::as_const(m_sources))
        m_backend->closeInput(source->port().id);
    m_sources.clear();
    const QMutexLocker lock(&m_outputMutex);
    for (const MidiPort &destination : std::as_const(m_destinations))
        m_backend->closeOutput(destination.id);
    m_destinations.clear();
}
