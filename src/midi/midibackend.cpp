#include "midibackend.h"

#include "log.h"

MidiBackend::~MidiBackend() = default;

void logMidiError(const QString &label, const MidiError &error)
{
    Log::write(QStringLiteral("Error (%1): %2:%3").arg(label).arg(error.code).arg(error.message));
}
