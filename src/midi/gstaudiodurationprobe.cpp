#include "gstaudiodurationprobe.h"

#include "filename.h"
#include "gstinit.h"
#include "log.h"

#include <QFuture>
#include <QPromise>
#include <QThreadPool>
#include <QUrl>

#include <gst/pbutils/pbutils.h>

#include <memory>

namespace {

// A damaged file must not keep a worker thread forever.
constexpr GstClockTime discoverTimeout = 10 * GST_SECOND;

} // namespace

AudioDurationProbe &AudioDurationProbe::system()
{
    static GstAudioDurationProbe probe;
    return probe;
}

GstAudioDurationProbe::GstAudioDurationProbe()
{
    GstInit::ensure();
}

void GstAudioDurationProbe::probe(const QString &path, QObject *context, Done done)
{
    auto promise = std::make_shared<QPromise<double>>();
    promise->start();
    promise->future().then(context, [path, done = std::move(done)](double seconds) {
        Log::write(QStringLiteral("Audio duration %1: %2")
                       .arg(QUrl::fromLocalFile(path).toString(), QString::number(seconds, 'f', 6)));
        done(seconds);
    });
    QThreadPool::globalInstance()->start([promise, path] {
        promise->addResult(durationSeconds(path));
        promise->finish();
    });
}

double GstAudioDurationProbe::durationSeconds(const QString &path)
{
    GstDiscoverer *discoverer = gst_discoverer_new(discoverTimeout, nullptr);
    if (!discoverer)
        return 0;
    const QByteArray uri = FileName::toUrl(path).toEncoded();
    GstDiscovererInfo *info = gst_discoverer_discover_uri(discoverer, uri.constData(), nullptr);
    double seconds = 0;
    if (info && gst_discoverer_info_get_result(info) == GST_DISCOVERER_OK)
        seconds = double(gst_discoverer_info_get_duration(info)) / GST_SECOND;
    if (info)
        gst_discoverer_info_unref(info);
    g_object_unref(discoverer);
    return seconds;
}
