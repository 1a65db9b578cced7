// The installed application context, and the do-nothing one that answers before any is installed.
#include "appcontext.h"

namespace {
AppContext *installedContext = nullptr;
}

AppContext::~AppContext()
{
    if (installedContext == this)
        installedContext = nullptr;
}

AppContext *AppContext::instance()
{
    static AppContext nothing;
    return installedContext ? installedContext : &nothing;
}

void AppContext::install(AppContext *context)
{
    installedContext = context;
}
