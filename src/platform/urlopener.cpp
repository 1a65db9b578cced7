// Links handed to the desktop, or to the handler a test sets.
#include "urlopener.h"

#include <QDesktopServices>

namespace {
UrlOpener::Handler &replacement()
{
    static UrlOpener::Handler handler;
    return handler;
}
} // namespace

bool UrlOpener::open(const QUrl &url)
{
    if (replacement())
        return replacement()(url);
    return QDesktopServices::openUrl(url);
}

void UrlOpener::setHandler(Handler handler)
{
    replacement() = std::move(handler);
}
