#include "editorcleanup.h"

#include <algorithm>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

QString withoutTrailingBlanks(QString line)
{
    qsizetype end = line.size();
    while (end > 0 && isBlank(line.at(end - 1)))
        --end;
    line.truncate(end);
    return line;
}

QString withoutLeadingBlanks(const QString &line)
{
    qsizetype start = 0;
    while (start < line.size() && isBlank(line.at(start)))
        ++start;
    return line.mid(start);
}

bool isEmptyLine(const QString &line)
{
    return std::all_of(line.begin(), line.end(), isBlank);
}

} // namespace

QStringList EditorCleanup::lines(const QString &text)
{
    QStringList lines = text.split(text.contains(u'\r') ? u'\r' : u'\n');
    for (QString &line : lines) {
        qsizetype start = 0;
        qsizetype end = line.size();
        while (start < end && isLineEnd(line.at(start)))
            ++start;
        while (end > start && isLineEnd(line.at(end - 1)))
            --end;
        line = line.mid(start, end - start);
    }
    return lines;
}

QString EditorCleanup::joined(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        if (!text.isEmpty())
            text += u'\n';
        text += line;
    }
    return text;
}

QString EditorCleanup::removeTrailingSpaces(const QString &text)
{
    QStringList cleaned = lines(text);
    std::transform(cleaned.begin(), cleaned.end(), cleaned.begin(), withoutTrailingBlanks);
    return joined(cleaned);
}

QString EditorCleanup::removeLeadingSpaces(const QString &text)
{
    QStringList cleaned = lines(text);
    std::transform(cleaned.begin(), cleaned.end(), cleaned.begin(), withoutLeadingBlanks);
    return joined(cleaned);
}

QString EditorCleanup::removeEmptyLines(const QString &text)
{
    QStringList cleaned = lines(text);
    cleaned.removeIf(isEmptyLine);
    return joined(cleaned);
}

bool EditorCleanup::hasTrailingSpaces(const QString &text)
{
    const QStringList all = lines(text);
    return std::any_of(all.begin(), all.end(),
                       [](const QString &line) { return !line.isEmpty() && isBlank(line.back()); });
}

bool EditorCleanup::hasLeadingSpaces(const QString &text)
{
    const QStringList all = lines(text);
    return std::any_of(all.begin(), all.end(),
                       [](const QString &line) { return !line.isEmpty() && isBlank(line.front()); });
}

bool EditorCleanup::hasEmptyLines(const QString &text)
{
    const QStringList all = lines(text);
    return std::any_of(all.begin(), all.end(), isEmptyLine);
}
