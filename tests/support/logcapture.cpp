#include "logcapture.h"

#include "log.h"

#include <cstring>

namespace {
// The innermost capture's lines; captures nest, each restoring the one around it when it ends.
QStringList *activeLines = nullptr;
QtMessageHandler outerHandler = nullptr;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (activeLines && context.category && std::strcmp(context.category, lcVellorin().categoryName()) == 0)
        activeLines->append(message);
    else if (outerHandler)
        outerHandler(type, context, message);
}
} // namespace

LogCapture::LogCapture()
    : m_outerLines(activeLines)
{
    activeLines = &m_lines;
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    if (previous != capture)
        outerHandler = previous;
}

LogCapture::~LogCapture()
{
    activeLines = m_outerLines;
    if (!m_outerLines)
        qInstallMessageHandler(outerHandler);
}

bool LogCapture::hasLineStartingWith(const QString &start) const
{
    for (const QString &line : m_lines)
        if (line.startsWith(start))
            return true;
    return false;
}
