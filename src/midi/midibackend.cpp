#include "midibackend.h"

MidiBackend::~MidiBackend() = default;
