// A drag of files from another program over a window, delivered as real events to the widget under the place.
#pragma once

#include <QPoint>
#include <QStringList>

class QWidget;

namespace FileDrag {

// Moves the drag of these files over the window to the place (in the window's coordinates) and, when drop is
// set, drops it there. Answers whether the widget under the place took the drag, respectively the drop.
bool over(QWidget &window, const QStringList &paths, const QPoint &windowPos, bool drop = false);

} // namespace FileDrag
