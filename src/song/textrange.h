// A range of a song text in UTF-16 units, as the line iterator, grids and selections hand it on.
#pragma once

#include <QtGlobal>

struct TextRange
{
    qsizetype location = 0;
    qsizetype length = 0;
    qsizetype end() const { return location + length; }
    bool operator==(const TextRange &other) const = default;
};
