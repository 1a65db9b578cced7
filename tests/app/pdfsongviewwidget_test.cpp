#include "pdfsongviewwidget.h"

#include <QPainter>
#include <QPdfWriter>
#include <QScrollArea>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PDFSongViewWidget, TakesTheHeightOfItsSlotsAndPaintsThePages)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("song.pdf"));
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        for (int page = 0; page < 3; ++page) {
            if (page > 0)
                writer.newPage();
            painter.fillRect(writer.pageLayout().fullRectPixels(writer.resolution()), Qt::black);
        }
    }
    QScrollArea area;
    area.resize(400, 600);
    auto *widget = new PDFSongViewWidget;
    area.setWidget(widget);
    area.show();
    widget->setPath(path);
    widget->adjustFrameForView(area.viewport());

    // A tall view: one page per slot, three slots.
    EXPECT_EQ(widget->width(), area.viewport()->width());
    EXPECT_NEAR(widget->height(), 3 * area.viewport()->height(), 1);
    const QImage image = widget->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, area.viewport()->height() / 2), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(image.width() / 2, 2), QColor(Qt::white)) << "the page is centred in its slot";
}
