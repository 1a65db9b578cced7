#include "fakeappcontext.h"

FakeAppContext::FakeAppContext()
{
    AppContext::install(this);
}

FakeAppContext::~FakeAppContext()
{
    AppContext::install(nullptr);
}

QImage FakeAppContext::chordImage(const Chord &chord, const QSizeF &size)
{
    Q_UNUSED(chord);
    ++chordImagesMade;
    QImage image(size.toSize(), QImage::Format_ARGB32);
    image.fill(Qt::gray);
    return image;
}
