// Diagnostic lines, written to the "vellorin" logging category.
#include "log.h"

Q_LOGGING_CATEGORY(lcVellorin, "vellorin")

void Log::write(const QString &line)
{
    qCInfo(lcVellorin).noquote() << line;
}
