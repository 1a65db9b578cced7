// PDF files for the tests: pages of given sizes, each filled black, and a page turned by its /Rotate entry.
#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

// A document with one page per size (points), every page filled black edge to edge. False when not written.
bool writeBlackPdf(const QString &path, const QList<QSizeF> &pageSizes);
// A one-page document whose page box is the size (points) and which is shown turned by the degrees.
bool writeRotatedPdf(const QString &path, QSizeF box, int degrees);
