// Songs dragged out of a table: one file URL per dragged row, to be copied, never moved.
#pragma once

#include "song.h"

#include <QModelIndexList>

#include <functional>
#include <set>

class QMimeData;

class SongDrag
{
public:
    // The rows of the dragged cells, each once whatever columns were selected.
    static std::set<int> rowsOf(const QModelIndexList &indexes);
    // The file URLs of the rows' songs; rows without a song or without a file are left out.
    static QMimeData *fileUrls(const std::set<int> &rows, const std::function<SongPtr(int)> &songForRow);
};
