#include "gstinit.h"

#include <gst/gst.h>

#include <mutex>

void GstInit::ensure()
{
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}
