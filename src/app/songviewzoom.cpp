// The song pane's zoom: steps, the slider, pinching and auto-zoom. The zoom is a setting, so it holds for every
// song and survives a restart.
#include "songviewviewcontroller.h"

#include "appcontext.h"
#include "log.h"
#include "prefs.h"
#include "songdisplay.h"

#include <cmath>

void SongViewViewController::zoomIn()
{
    applyZoom(double(m_songView->zoomScale()) * 1.05);
}

void SongViewViewController::zoomOut()
{
    applyZoom(double(m_songView->zoomScale()) * 0.95);
}

void SongViewViewController::resetZoom()
{
    applyZoom(1.0);
}

void SongViewViewController::zoomChanged(float value)
{
    applyZoom(value);
}

void SongViewViewController::magnify(double magnification)
{
    Log::write(QStringLiteral("Pinch zoom %1").arg(magnification, 0, 'f', 6));
    applyZoom(double(m_songView->zoomScale()) * (1.0 + magnification));
}

void SongViewViewController::switchAutozoom(bool on)
{
    if (Prefs *prefs = AppContext::instance()->prefs()) {
        prefs->setAutozoom(on);
        prefs->save();
    }
    refresh();
}

float SongViewViewController::saneZoom(double zoomScale)
{
    // A pinch can ask for any factor, even zero or less; the settings archive may hold anything.
    if (!std::isfinite(zoomScale))
        return 1.0f;
    return float(std::clamp(zoomScale, double(minimumZoom), double(maximumZoom)));
}

void SongViewViewController::applyZoom(double zoomScale)
{
    m_songView->setZoomScale(saneZoom(zoomScale));
    if (Prefs *prefs = AppContext::instance()->prefs()) {
        prefs->setZoomScale(m_songView->zoomScale());
        prefs->setAutozoom(false);
        prefs->save();
    }
    adjustSongFrame();
    m_songView->widget()->update();
    updatePixPerMS();
    Q_EMIT zoomScaleChanged(m_songView->zoomScale());
}
