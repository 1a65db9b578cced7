// MIDI events from song directives and from devices. The text form carries only the values it prints (a
// program change's ":" value is read but never written), so the property is a fixed point: events written
// and read once more write the same text, and read back equal.
#include "fuzzcheck.h"
#include "fuzzsetup.h"
#include "midievent.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString firstWrite = MidiEvent::stringFromMidiEvents(MidiEvent::midiEventsFromString(text));
    const QList<MidiEvent> reread = MidiEvent::midiEventsFromString(firstWrite);
    const QString written = MidiEvent::stringFromMidiEvents(reread);
    FUZZ_CHECK(MidiEvent::stringFromMidiEvents(MidiEvent::midiEventsFromString(written)) == written);
    FUZZ_CHECK(MidiEvent::midiEventsFromString(written) == reread);
    MidiEvent::midiEventFromString(text);
    MidiEvent::rawBytesFromString(text);

    if (const auto event = MidiEvent::midiEventFromBytes(data, size)) {
        for (const QByteArray &message : event->messages())
            FUZZ_CHECK(!message.isEmpty());
    }
    return 0;
}
