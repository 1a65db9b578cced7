// Opening a link with whatever the desktop has for its scheme (browser, mail program, store application).
#pragma once

#include <QUrl>

#include <functional>

class UrlOpener
{
public:
    using Handler = std::function<bool(const QUrl &)>;

    // Hands the URL to the desktop (or to the handler set below); false when nothing took it.
    static bool open(const QUrl &url);
    // Replaces the desktop's handler, so tests see what would be opened without starting a program.
    // An empty handler restores the desktop's.
    static void setHandler(Handler handler);
};
