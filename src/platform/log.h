// One-line diagnostics: every failure the program notices is written here, and nowhere else.
#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcVellorin)

class Log
{
public:
    // Writes one diagnostic line. There are no levels: a line is either worth writing or not.
    static void write(const QString &line);
};
