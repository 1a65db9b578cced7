// Splitting a text into its lines, for the editor's clean-up commands.
#include "stringlines.h"

#include "textchars.h"

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
        part = trimSpaces ? part.trimmed() : TextChars::trimmedLineBreaks(part);
    return parts;
}
