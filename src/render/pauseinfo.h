// One pause mark of a song, where auto-scroll waits.
#pragma once

#include <QtGlobal>

struct PauseInfo
{
    // Length of the pause in seconds; always above 0.
    double pause_s = 0;
    // y of the pause in points: the sum of the heights of the line records before it, without the top border.
    double position = 0;
    // The number of line records before it.
    qsizetype records = 0;
};
