// Trimming text by the character classes of the song text format.
#include "textchars.h"

QString TextChars::trimmed(QStringView text, bool (*isTrimmed)(QChar))
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toString();
}
