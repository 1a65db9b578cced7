// Collecting the program's diagnostic lines by a message handler of our own.
#include "logcapture.h"

#include "log.h"

#include <cstring>

namespace {
QStringList *activeLines = nullptr;
QtMessageHandler previousHandler = nullptr;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (activeLines && context.category && std::strcmp(context.category, lcVellorin().categoryName()) == 0)
        activeLines->append(message);
    else if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

LogCapture::LogCapture()
{
    activeLines = &m_lines;
    previousHandler = qInstallMessageHandler(capture);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previousHandler);
    activeLines = nullptr;
}

bool LogCapture::hasLineStartingWith(const QString &start) const
{
    for (const QString &line : m_lines)
        if (line.startsWith(start))
            return true;
    return false;
}
