#include "tonewav.h"

#include <QDataStream>
#include <QFile>

#include <cmath>
#include <numbers>

bool writeToneWav(const QString &path, double hz, double seconds)
{
    const auto frames = quint32(seconds * toneSampleRate);
    const quint32 dataBytes = frames * 2;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(toneSampleRate) << quint32(toneSampleRate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(dataBytes);
    for (quint32 i = 0; i < frames; ++i)
        out << qint16(std::lround(12000 * std::sin(2 * std::numbers::pi * hz * i / toneSampleRate)));
    return out.status() == QDataStream::Ok;
}
