// The duration of a recording as GStreamer's discoverer reads it, on a worker thread of the global pool.
#pragma once

#include "audiodurationprobe.h"

class GstAudioDurationProbe : public AudioDurationProbe
{
public:
    GstAudioDurationProbe();

    void probe(const QString &path, QObject *context, Done done) override;

    // Blocks until the file is read (at most a few seconds); 0 when it cannot be read. Any thread.
    static double durationSeconds(const QString &path);
};
