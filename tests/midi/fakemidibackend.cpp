#include "fakemidibackend.h"

#include <QMutexLocker>

MidiPort FakeMidiBackend::port(const QString &client, const QString &portName, int clientNumber)
{
    const QString name = client + u':' + portName;
    return {name + QStringLiteral(" %1:0").arg(clientNumber), name};
}

QList<MidiPort> FakeMidiBackend::sources()
{
    const QMutexLocker lock(&m_mutex);
    return m_sources;
}

QList<MidiPort> FakeMidiBackend::destinations()
{
    const QMutexLocker lock(&m_mutex);
    return m_destinations;
}

void FakeMidiBackend::setSources(const QList<MidiPort> &ports)
{
    const QMutexLocker lock(&m_mutex);
    m_sources = ports;
}

void FakeMidiBackend::setDestinations(const QList<MidiPort> &ports)
{
    const QMutexLocker lock(&m_mutex);
    m_destinations = ports;
}

std::optional<MidiError> FakeMidiBackend::openInput(const QString &sourceId, InputCallback callback)
{
    const QMutexLocker lock(&m_mutex);
    m_inputs.insert(sourceId, std::move(callback));
    return std::nullopt;
}

void FakeMidiBackend::closeInput(const QString &sourceId)
{
    const QMutexLocker lock(&m_mutex);
    m_inputs.remove(sourceId);
}

bool FakeMidiBackend::receive(const QString &sourceId, const QByteArray &message)
{
    InputCallback callback;
    {
        const QMutexLocker lock(&m_mutex);
        callback = m_inputs.value(sourceId);
    }
    if (!callback)
        return false;
    callback(reinterpret_cast<const std::uint8_t *>(message.constData()), std::size_t(message.size()));
    return true;
}

QStringList FakeMidiBackend::openInputs() const
{
    const QMutexLocker lock(&m_mutex);
    return m_inputs.keys();
}

std::optional<MidiError> FakeMidiBackend::send(const QString &destinationId, const QByteArray &message)
{
    if (onSend)
        onSend(destinationId, message);
    const QMutexLocker lock(&m_mutex);
    if (failingDestinations.contains(destinationId))
        return MidiError{-1, QStringLiteral("destination gone")};
    m_sent.append(destinationId + QStringLiteral(": ") + QString::fromLatin1(message.toHex(' ')));
    return std::nullopt;
}

void FakeMidiBackend::closeOutput(const QString &destinationId)
{
    Q_UNUSED(destinationId);
}

QStringList FakeMidiBackend::sent() const
{
    const QMutexLocker lock(&m_mutex);
    return m_sent;
}
