#include "rtmidibackend.h"

#include "vxmidi.h"

#include <QMutexLocker>
#include <QRegularExpression>

#include <rtmidi/RtMidi.h>

struct RtMidiBackend::Input
{
    std::unique_ptr<RtMidiIn> port;
    InputCallback callback;
};

namespace {
constexpr unsigned int inputQueueSize = 100;

MidiError errorFrom(const RtMidiError &error)
{
    return {long(error.getType()), QString::fromStdString(error.getMessage())};
}

// RtMidi reports what goes wrong after creation here instead of throwing.
void logRtMidiError(RtMidiError::Type type, const std::string &text, void *)
{
    logMidiError(QStringLiteral("MIDI"), {long(type), QString::fromStdString(text)});
}

template <typename Port> std::unique_ptr<Port> makePort()
{
    auto port = std::make_unique<Port>(RtMidi::LINUX_ALSA, std::string(VXMidi::clientName));
    port->setErrorCallback(logRtMidiError);
    return port;
}

template <typename Port> QList<MidiPort> listPorts(Port &probe)
{
    QList<MidiPort> ports;
    const unsigned int count = probe.getPortCount();
    for (unsigned int i = 0; i < count; ++i) {
        const QString name = QString::fromStdString(probe.getPortName(i));
        if (!name.isEmpty()) // a port gone since the count
            ports.append({name, RtMidiBackend::displayName(name)});
    }
    return ports;
}

// The port's index now; nothing when it is gone.
template <typename Port> std::optional<unsigned int> indexOf(Port &port, const QString &id)
{
    const unsigned int count = port.getPortCount();
    for (unsigned int i = 0; i < count; ++i)
        if (QString::fromStdString(port.getPortName(i)) == id)
            return i;
    return std::nullopt;
}

MidiError portGone(const QString &id)
{
    return {long(RtMidiError::INVALID_DEVICE), QStringLiteral("no such port: %1").arg(id)};
}

void receive(double, std::vector<unsigned char> *message, void *input)
{
    if (message && !message->empty())
        static_cast<const RtMidiBackend::InputCallback *>(input)->operator()(message->data(), message->size());
}
} // namespace

RtMidiBackend::RtMidiBackend()
{
    try {
        m_probeIn = makePort<RtMidiIn>();
        m_probeOut = makePort<RtMidiOut>();
    } catch (const RtMidiError &error) {
        logMidiError(QStringLiteral("Create MIDI client"), errorFrom(error));
        m_probeIn.reset();
        m_probeOut.reset();
    }
}

RtMidiBackend::~RtMidiBackend() = default;

QString RtMidiBackend::displayName(const QString &portName)
{
    static const QRegularExpression numbers(QStringLiteral(" \\d+:\\d+$"));
    return QString(portName).remove(numbers);
}

QList<MidiPort> RtMidiBackend::sources()
{
    const QMutexLocker lock(&m_mutex);
    return m_probeIn ? listPorts(*m_probeIn) : QList<MidiPort>();
}

QList<MidiPort> RtMidiBackend::destinations()
{
    const QMutexLocker lock(&m_mutex);
    return m_probeOut ? listPorts(*m_probeOut) : QList<MidiPort>();
}

std::optional<MidiError> RtMidiBackend::openInput(const QString &sourceId, InputCallback callback)
{
    const QMutexLocker lock(&m_mutex);
    if (!isAvailable())
        return portGone(sourceId);
    try {
        auto input = std::make_unique<Input>(Input{makePort<RtMidiIn>(), std::move(callback)});
        const std::optional<unsigned int> index = indexOf(*input->port, sourceId);
        if (!index)
            return portGone(sourceId);
        input->port->setCallback(receive, &input->callback);
        input->port->openPort(*index, "VXMidi Input Port");
        if (!input->port->isPortOpen())
            return portGone(sourceId);
        m_inputs[sourceId] = std::move(input);
    } catch (const RtMidiError &error) {
        return errorFrom(error);
    }
    return std::nullopt;
}

void RtMidiBackend::closeInput(const QString &sourceId)
{
    const QMutexLocker lock(&m_mutex);
    // Destroying the port closes it and ends its input thread.
    m_inputs.erase(sourceId);
}

std::optional<MidiError> RtMidiBackend::send(const QString &destinationId, const QByteArray &message)
{
    const QMutexLocker lock(&m_mutex);
    if (!isAvailable())
        return portGone(destinationId);
    try {
        // A port that vanished keeps its subscription until the next scan, and would take the message silently.
        if (!indexOf(*m_probeOut, destinationId))
            return portGone(destinationId);
        std::unique_ptr<RtMidiOut> &output = m_outputs[destinationId];
        if (!output) {
            auto opened = makePort<RtMidiOut>();
            const std::optional<unsigned int> index = indexOf(*opened, destinationId);
            if (index)
                opened->openPort(*index, "VXMidi Output Port");
            if (!index || !opened->isPortOpen()) {
                m_outputs.erase(destinationId);
                return portGone(destinationId);
            }
            output = std::move(opened);
        }
        output->sendMessage(reinterpret_cast<const unsigned char *>(message.constData()), std::size_t(message.size()));
    } catch (const RtMidiError &error) {
        return errorFrom(error);
    }
    return std::nullopt;
}

void RtMidiBackend::closeOutput(const QString &destinationId)
{
    const QMutexLocker lock(&m_mutex);
    m_outputs.erase(destinationId);
}
