// Collecting the program's diagnostic lines by a message handler of our own.
#include "logcapture.h"

#include "log.h"

#include <QMutex>
#include <QMutexLocker>

#include <cstring>

namespace {
// Guards activeLines and the lines of every capture: the handler runs on whichever thread logs.
QMutex linesMutex;
// The innermost capture's lines; captures nest, each restoring the one around it when it ends.
QStringList *activeLines = nullptr;
QtMessageHandler outerHandler = nullptr;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && std::strcmp(context.category, lcVellorin().categoryName()) == 0) {
        const QMutexLocker lock(&linesMutex);
        if (activeLines) {
            activeLines->append(message);
            return;
        }
    }
    if (outerHandler)
        outerHandler(type, context, message);
}
} // namespace

LogCapture::LogCapture()
{
    const QMutexLocker lock(&linesMutex);
    m_outerLines = activeLines;
    activeLines = &m_lines;
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    if (previous != capture)
        outerHandler = previous;
}

LogCapture::~LogCapture()
{
    const QMutexLocker lock(&linesMutex);
    activeLines = m_outerLines;
    if (!m_outerLines)
        qInstallMessageHandler(outerHandler);
}

QStringList LogCapture::lines() const
{
    const QMutexLocker lock(&linesMutex);
    return m_lines;
}

bool LogCapture::hasLineStartingWith(const QString &start) const
{
    const QStringList all = lines();
    for (const QString &line : all)
        if (line.startsWith(start))
            return true;
    return false;
}
