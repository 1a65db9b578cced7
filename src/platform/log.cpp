// Diagnostic lines, written to the "vellorin" logging category.
#include "log.h"

#include "filename.h"

Q_LOGGING_CATEGORY(lcVellorin, "vellorin")

void Log::write(const QString &line)
{
    // A path may hold bytes of a name that are not UTF-8: they are shown as U+FFFD.
    qCInfo(lcVellorin).noquote() << FileName::displayName(line);
}
