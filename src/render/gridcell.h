// One cell of a chord-grid row: a chord, a bar separator or a label, with its measured width.
#pragma once

#include <QString>
#include <Qt>

class GridCell
{
public:
    GridCell() = default;
    explicit GridCell(const QString &text)
        : text(text)
    {}

    // One of the bar separators "|", "||", "|:", ":|", "|." and ":|:" (whole text, case-sensitive).
    bool isTaktSeparator() const;

    // Drawn in the chord font, as a chord name, rather than as a separator or label.
    bool isChord = false;
    QString text;
    // In points: measured, then widened to the widest cell of its column in the grid section.
    double width = 0;
    Qt::Alignment textAlignment = Qt::AlignLeft;
};
