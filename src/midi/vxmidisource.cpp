#include "vxmidisource.h"

#include <QMutexLocker>

void VXMidiSource::addDelegate(VXMidiSourceDelegate *delegate)
{
    const QMutexLocker lock(&m_mutex);
    if (!m_delegates.contains(delegate))
        m_delegates.append(delegate);
}

void VXMidiSource::removeDelegate(VXMidiSourceDelegate *delegate)
{
    const QMutexLocker lock(&m_mutex);
    m_delegates.removeAll(delegate);
}

void VXMidiSource::midiRead(const std::uint8_t *bytes, std::size_t length, std::uint64_t timestamp) const
{
    QList<VXMidiSourceDelegate *> delegates;
    {
        const QMutexLocker lock(&m_mutex);
        delegates = m_delegates;
    }
    for (VXMidiSourceDelegate *delegate : delegates)
        delegate->midiReceived(*this, bytes, length, timestamp);
}
