// The tag directive "{tag: value}" as songs carry their tags.
#pragma once

#include <QString>

#include <optional>

class TagDirective
{
public:
    struct Match
    {
        qsizetype start = 0; // the "{"
        qsizetype end = 0;   // behind the "}"
        QString value;
    };

    // The tag directive opening at the "{" at brace: "{tag:" in exactly that case, then a value that
    // stays on one line, closed by "}" (which may follow on a later line); white space (Unicode's, line breaks
    // among it) around the value is not part of it. Nothing when no tag directive opens or closes there.
    static std::optional<Match> at(const QString &text, qsizetype brace);
    // The first tag directive opening at or behind from.
    static std::optional<Match> next(const QString &text, qsizetype from);
};
