// PDF files for the tests.
#include "pdffixture.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

bool writeBlackPdf(const QString &path, const QList<QSizeF> &pageSizes)
{
    if (pageSizes.isEmpty())
        return false;
    QPdfWriter writer(path);
    const auto setPage = [&writer](QSizeF size) {
        writer.setPageLayout(QPageLayout(QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF()));
    };
    setPage(pageSizes.first());
    QPainter painter(&writer);
    for (qsizetype i = 0; i < pageSizes.size(); ++i) {
        if (i > 0) {
            setPage(pageSizes[i]);
            writer.newPage();
        }
        painter.fillRect(writer.pageLayout().fullRectPixels(writer.resolution()), Qt::black);
    }
    return painter.end();
}

// Written by hand: the PDF writer cannot turn a page. The reader tolerates nothing wrong in the offsets, so they
// are counted.
bool writeRotatedPdf(const QString &path, QSizeF box, int degrees)
{
    const QByteArray content = QByteArray("0 0 0 rg 0 0 ") + QByteArray::number(box.width()) + ' ' +
                               QByteArray::number(box.height()) + " re f\n";
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + QByteArray::number(box.width()) + ' ' +
            QByteArray::number(box.height()) + "] /Rotate " + QByteArray::number(degrees) + " /Contents 4 0 R >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "endstream",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
}
