// One cell of a chord-grid row.
#include "gridcell.h"

#include <QStringList>

bool GridCell::isTaktSeparator() const
{
    static const QStringList separators = {QStringLiteral("|"),  QStringLiteral("||"), QStringLiteral("|:"),
                                           QStringLiteral(":|"), QStringLiteral("|."), QStringLiteral(":|:")};
    return separators.contains(text);
}
