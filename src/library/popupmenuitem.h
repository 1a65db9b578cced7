// One item of a category or playlist pop-up menu, as data: the pane turns the items into its widget.
#pragma once

#include <QString>

struct PopupMenuItem
{
    QString title;
    // What the choice stands for: a playlist's index, or one of the category tags.
    int tag = 0;

    bool operator==(const PopupMenuItem &other) const = default;
};
