// One item of a category or playlist pop-up menu, as data: the pane turns the items into its widget.
#pragma once

#include <QString>

struct PopupMenuItem
{
    // The text shown, which people can read: it need not spell what the item stands for.
    QString title;
    // What the choice stands for: a playlist's index, or one of the category tags.
    int tag = 0;
    // A category item's folder name as the library holds it, which may keep bytes that are not UTF-8 (see
    // FileName); empty for the other items. Choosing the item chooses this name, never the title.
    QString name;

    bool operator==(const PopupMenuItem &other) const = default;
};
