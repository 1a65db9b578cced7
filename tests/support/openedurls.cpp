// Collecting opened URLs in place of the desktop.
#include "openedurls.h"

#include "urlopener.h"

OpenedUrls::OpenedUrls(bool succeed)
{
    UrlOpener::setHandler([this, succeed](const QUrl &url) {
        m_urls.append(url);
        return succeed;
    });
}

OpenedUrls::~OpenedUrls()
{
    UrlOpener::setHandler({});
}
