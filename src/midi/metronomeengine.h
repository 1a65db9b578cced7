// The click engine as the song pane sees it, and the interface through which it reports each click. The pane
// holds an engine through this interface, so tests can drive the pane with an engine of their own.
#pragma once

#include <QtGlobal>

class MetronomeEngine;

// Told of each click's start and end, on the main thread.
class MetronomeDelegate
{
public:
    virtual ~MetronomeDelegate() = default;

    virtual void metronomeTickOn(MetronomeEngine &metronome) = 0;
    virtual void metronomeTickOff(MetronomeEngine &metronome) = 0;
};

class MetronomeEngine
{
public:
    virtual ~MetronomeEngine() = default;

    // Beats per minute; takes effect from the next block of sound. A tempo that is no positive number is ignored.
    virtual double tempo() const = 0;
    virtual void setTempo(double tempo) = 0;
    // Beats per bar: the first beat of each bar is accented; 0 accents none.
    virtual qint64 ticksPerBar() const = 0;
    virtual void setTicksPerBar(qint64 ticksPerBar) = 0;
    // Starts clicking from the first (accented) beat; on a running engine, starts over at once.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    // Not owned; reports of a run that was stopped or started over are never delivered.
    virtual void setDelegate(MetronomeDelegate *delegate) = 0;
};
