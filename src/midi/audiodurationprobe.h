// Reads how long a recording is without holding up the main thread; the song pane and linking ask it, and tests
// give their own.
#pragma once

#include <QString>

#include <functional>

class QObject;

class AudioDurationProbe
{
public:
    using Done = std::function<void(double seconds)>;

    virtual ~AudioDurationProbe() = default;

    // Reads the file's duration away from the main thread and calls done with it on the main thread (0 seconds
    // when it cannot be read); never when context is destroyed first.
    virtual void probe(const QString &path, QObject *context, Done done) = 0;
};
