// The application services a rendering fuzz target needs: default settings, and a small chord image for the
// exports, which ask the application to draw their diagrams.
#pragma once

#include "appcontext.h"
#include "prefs.h"
#include "prefsarchive.h"

#include <QImage>
#include <QJsonObject>

class FuzzContext : public AppContext
{
public:
    FuzzContext() : m_prefs(PrefsArchive::decode(QJsonObject())) { AppContext::install(this); }
    Prefs *prefs() override { return m_prefs.get(); }
    QImage chordImage(const Chord &, const QSizeF &size) override
    {
        QImage image(size.toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
        image.fill(Qt::white);
        return image;
    }

private:
    std::unique_ptr<Prefs> m_prefs;
};
