// Collects the URLs the program opens while it lives, instead of handing them to the desktop.
#pragma once

#include <QList>
#include <QUrl>

class OpenedUrls
{
public:
    // `succeed` is what opening answers, so tests can also play a desktop that has no handler.
    explicit OpenedUrls(bool succeed = true);
    ~OpenedUrls();
    OpenedUrls(const OpenedUrls &) = delete;
    OpenedUrls &operator=(const OpenedUrls &) = delete;

    const QList<QUrl> &urls() const { return m_urls; }

private:
    QList<QUrl> m_urls;
};
