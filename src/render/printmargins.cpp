// The paper margins of a print job and the printable area they leave.
#include "printmargins.h"

#include "log.h"
#include "prefs.h"

#include <QPrinter>

#include <algorithm>

QMarginsF PrintMargins::marginsFor(QSizeF paper, const QMarginsF &minimum, const Prefs &prefs, bool oddPage)
{
    qreal left = prefs.leftPrintMargin() / 100 * paper.width();
    qreal right = prefs.rightPrintMargin() / 100 * paper.width();
    if (!oddPage)
        std::swap(left, right);
    const QMarginsF margins(
        std::max(left, minimum.left()), std::max(prefs.topPrintMargin() / 100 * paper.height(), minimum.top()),
        std::max(right, minimum.right()), std::max(prefs.bottomPrintMargin() / 100 * paper.height(), minimum.bottom()));
    const bool leavesRoom =
        margins.left() + margins.right() < paper.width() && margins.top() + margins.bottom() < paper.height();
    return leavesRoom ? margins : minimum;
}

void PrintMargins::setPrintMarginsForOddPage(QPrinter &printer, const Prefs &prefs, bool oddPage)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF margins = marginsFor(layout.fullRect().size(), layout.minimumMargins(), prefs, oddPage);
    if (!printer.setPageMargins(margins, QPageLayout::Point))
        Log::write(QStringLiteral("Cannot set the print margins %1, %2, %3, %4")
                       .arg(margins.left())
                       .arg(margins.top())
                       .arg(margins.right())
                       .arg(margins.bottom()));
}

QRectF PrintMargins::printArea(const QPrinter &printer)
{
    return QRectF(printer.pageLayout().paintRect(QPageLayout::Point)).toAlignedRect();
}
