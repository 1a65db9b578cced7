#include "stringlines.h"

namespace {

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case 0x0a:
    case 0x0b:
    case 0x0c:
    case 0x0d:
    case 0x85:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

QString trimLineBreaks(const QString &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isLineBreak(line[begin]))
        ++begin;
    while (end > begin && isLineBreak(line[end - 1]))
        --end;
    return line.mid(begin, end - begin);
}

} // namespace

QStringList StringLines::lines(const QString &text)
{
    return linesTrimSpaces(text, true);
}

QStringList StringLines::linesTrimSpaces(const QString &text, bool trimSpaces)
{
    QStringList parts = text.split(QLatin1Char('\r'));
    if (parts.size() < 2)
        parts = text.split(QLatin1Char('\n'));
    if (parts.size() == 1)
        return {text};
    // CR-LF text is split at "\r"; trimming takes away the "\n" left at the start of each line.
    for (QString &part : parts)
        part = trimSpaces ? part.trimmed() : trimLineBreaks(part);
    return parts;
}
