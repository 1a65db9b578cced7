// The paper margins of a print job, from the settings, and the printable area they leave.
#pragma once

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>

class Prefs;
class QPrinter;

class PrintMargins
{
public:
    // Margins in points: the settings' percentages of the paper's width (left, right) and height (top, bottom),
    // left and right exchanged on an even page, each raised to the printer's minimum. When they leave no
    // printable area, the printer's minimum margins.
    static QMarginsF marginsFor(QSizeF paper, const QMarginsF &minimum, const Prefs &prefs, bool oddPage);
    // Writes those margins into the printer's page layout, replacing any margins a page set-up gave it.
    static void setPrintMarginsForOddPage(QPrinter &printer, const Prefs &prefs, bool oddPage);
    // The paper less the printer's margins, in points, made integral.
    static QRectF printArea(const QPrinter &printer);
};
