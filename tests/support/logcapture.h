// Collects the program's diagnostic lines while it lives, so tests can check what was logged. Captures may nest:
// the innermost one gets the lines. Lines may come from any thread (MIDI logs from its input and sender threads).
#pragma once

#include <QStringList>

class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    // A copy: other threads may still be adding lines.
    QStringList lines() const;
    // True when a line starts with the text, e.g. the fixed part of "Error reading %1: %2".
    bool hasLineStartingWith(const QString &start) const;

private:
    QStringList m_lines;
    QStringList *m_outerLines; // the capture this one nests in, which gets the lines again when this one ends
};
