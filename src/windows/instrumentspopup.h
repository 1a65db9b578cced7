// The instrument pop-ups of the preferences and the chord library window: the user reads the instruments'
// names, the settings keep their titles.
#pragma once

#include <QString>

class Instruments;
class QComboBox;

class InstrumentsPopup
{
public:
    // One item per instrument in list order, showing its display name and holding its title; the current one
    // is selected.
    static void fill(QComboBox &popup, const Instruments &instruments);
    // The title of the instrument at the item; empty outside the pop-up.
    static QString titleAt(const QComboBox &popup, int index);
};
