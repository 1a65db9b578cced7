// The instrument pop-ups.
#include "instrumentspopup.h"

#include "instruments.h"

#include <QComboBox>

void InstrumentsPopup::fill(QComboBox &popup, const Instruments &instruments)
{
    popup.clear();
    for (int i = 0; i < instruments.count(); ++i)
        popup.addItem(instruments.at(i).displayName(), instruments.at(i).title());
    popup.setCurrentIndex(instruments.currentIndex());
}

QString InstrumentsPopup::titleAt(const QComboBox &popup, int index)
{
    return popup.itemData(index).toString();
}
