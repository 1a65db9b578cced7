// A duration probe the test answers itself, in any order, as a background read would.
#pragma once

#include "audiodurationprobe.h"

#include <QList>
#include <QObject>
#include <QPointer>

class FakeAudioDurationProbe : public AudioDurationProbe
{
public:
    struct Request
    {
        QString path;
        QPointer<QObject> context;
        Done done;
    };

    void probe(const QString &path, QObject *context, Done done) override
    {
        requests.append({path, context, std::move(done)});
    }

    // Hands the duration of the request at index over, unless its context is gone.
    void answer(int index, double seconds)
    {
        const Request &request = requests.at(index);
        if (request.context)
            request.done(seconds);
    }

    QList<Request> requests;
};
