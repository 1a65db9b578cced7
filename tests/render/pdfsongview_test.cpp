// PDF songs: slots of one or two pages, fitting and centring, cached screen drawing and printed pages.
#include "pdfsongview.h"

#include "filename.h"
#include "logcapture.h"
#include "pdffixture.h"
#include "rawfiles.h"
#include "rendertesthelpers.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const QSizeF a4(595, 842);
const QSizeF letter(612, 792);
const QSizeF landscape(800, 600);

class PDFSongViewTest : public ::testing::Test
{
protected:
    QString pdf(const QList<QSizeF> &pages)
    {
        const QString path = folder.filePath(QStringLiteral("song%1.pdf").arg(++made));
        EXPECT_TRUE(writeBlackPdf(path, pages));
        return path;
    }

    QTemporaryDir folder;
    int made = 0;
};

using Slot = PDFSongView::PageSlot;

} // namespace

TEST_F(PDFSongViewTest, PairsPortraitPagesInAWideViewOnly)
{
    struct Case
    {
        const char *what;
        QList<QSizeF> pages;
        QSizeF view;
        QList<Slot> slots;
        float height;
    };
    const Case cases[] = {
        {"A4 in a wide view", {a4, a4, a4}, {1000, 600}, {{0, 2}, {2, 1}}, 1200},
        {"A4 in a tall view", {a4, a4, a4}, {600, 800}, {{0, 1}, {1, 1}, {2, 1}}, 2400},
        {"US Letter is not portrait enough", {letter, letter}, {1000, 600}, {{0, 1}, {1, 1}}, 1200},
        {"a landscape page stands alone", {a4, landscape, a4, a4}, {1000, 600}, {{0, 1}, {1, 1}, {2, 2}}, 1800},
        {"no view, no slots", {a4}, {0, 0}, {}, 0},
    };
    for (const Case &c : cases) {
        PDFSongView view;
        view.setPath(pdf(c.pages));
        EXPECT_EQ(view.adjustFrameForView(c.view), QSizeF(c.view.width(), c.height)) << c.what;
        EXPECT_EQ(view.pageSlots(), c.slots) << c.what;
        EXPECT_EQ(view.pageCount(), c.pages.size()) << c.what;
    }
}

TEST(PDFSongView, FitsAPageInTheMiddleOfItsSlot)
{
    struct Case
    {
        QSizeF page;
        QRectF slot;
        QRectF fitted;
    };
    const Case cases[] = {
        {{800, 600}, {0, 0, 500, 600}, {0, 112.5, 500, 375}},  // centred vertically
        {{595, 842}, {0, 0, 1000, 842}, {202.5, 0, 595, 842}}, // centred horizontally
        {{595, 842}, {500, 600, 500, 600}, {538.005, 600, 423.99, 600}},
        {{0, 842}, {0, 0, 500, 600}, {}},
        {{595, 842}, {0, 0, 0, 600}, {}},
    };
    for (const Case &c : cases) {
        const QRectF fitted = PDFSongView::fitPage(c.page, c.slot);
        EXPECT_NEAR(fitted.x(), c.fitted.x(), 0.01) << c.page.width() << "x" << c.page.height();
        EXPECT_NEAR(fitted.y(), c.fitted.y(), 0.01);
        EXPECT_NEAR(fitted.width(), c.fitted.width(), 0.01);
        EXPECT_NEAR(fitted.height(), c.fitted.height(), 0.01);
    }
}

TEST_F(PDFSongViewTest, ATurnedPageFitsAsItIsShown)
{
    const QString path = folder.filePath(QStringLiteral("turned.pdf"));
    ASSERT_TRUE(writeRotatedPdf(path, QSizeF(600, 800), 90));
    PDFSongView view;
    view.setPath(path);
    EXPECT_EQ(view.pageSize(0), QSizeF(800, 600));
}

TEST_F(PDFSongViewTest, DrawsEachPageIntoItsHalfSlotAndKeepsItRendered)
{
    PDFSongView view;
    view.setPath(pdf({a4, a4, a4}));
    const QSizeF frame = view.adjustFrameForView(QSizeF(1000, 600));
    QImage canvas = pointCanvas(int(frame.width()), int(frame.height()), Qt::red);
    {
        QPainter painter(&canvas);
        view.drawRect(painter, QRectF(QPointF(), frame));
    }
    // Page 0 fills the middle of the left half, page 1 of the right half, page 2 alone the slot below.
    EXPECT_GT(inkIn(canvas, QRectF(240, 250, 20, 100), Qt::white), 1900);
    EXPECT_GT(inkIn(canvas, QRectF(740, 250, 20, 100), Qt::white), 1900);
    EXPECT_GT(inkIn(canvas, QRectF(490, 850, 20, 100), Qt::white), 1900);
    // White beside the pages.
    EXPECT_EQ(inkIn(canvas, QRectF(0, 0, 30, 600), Qt::white), 0);
    EXPECT_EQ(inkIn(canvas, QRectF(470, 0, 60, 600), Qt::white), 0);
    EXPECT_EQ(inkIn(canvas, QRectF(0, 600, 280, 600), Qt::white), 0);
    EXPECT_EQ(inkIn(canvas, QRectF(720, 600, 280, 600), Qt::white), 0);
    EXPECT_EQ(view.cache().count(), 3);

    // A repaint of the second slot alone draws from the rendered pages; a new view size drops them.
    canvas.fill(Qt::red);
    {
        QPainter painter(&canvas);
        view.drawRect(painter, QRectF(0, 700, 100, 10));
    }
    EXPECT_EQ(view.cache().count(), 3);
    EXPECT_EQ(inkIn(canvas, QRectF(0, 0, 1000, 600), Qt::white), 1000 * 600) << "the first slot is not repainted";
    view.adjustFrameForView(QSizeF(900, 600));
    EXPECT_EQ(view.cache().count(), 0);
}

TEST_F(PDFSongViewTest, AFileThatCannotBeOpenedHasNoPagesAndOnlyFillsWhite)
{
    LogCapture log;
    PDFSongView view;
    const QString missing = folder.filePath(QStringLiteral("missing.pdf"));
    view.setPath(missing);
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Cannot open PDF %1").arg(missing)))
        << log.lines().join('\n').toStdString();
    EXPECT_EQ(view.pageCount(), 0);
    EXPECT_EQ(view.adjustFrameForView(QSizeF(800, 600)), QSizeF(800, 0));
    QImage canvas = pointCanvas(100, 100, Qt::red);
    QPainter painter(&canvas);
    view.drawRect(painter, QRectF(0, 0, 50, 100));
    view.drawPage(painter, 0, QRectF(0, 0, 100, 100));
    painter.end();
    EXPECT_EQ(inkIn(canvas, QRectF(0, 0, 50, 100), Qt::white), 0);
    EXPECT_EQ(inkIn(canvas, QRectF(50, 0, 50, 100), Qt::red), 0);
}

TEST_F(PDFSongViewTest, WithoutAPathNothingIsDrawn)
{
    PDFSongView view;
    view.setViewSize(QSizeF(100, 100));
    QImage canvas = pointCanvas(100, 100, Qt::red);
    QPainter painter(&canvas);
    view.drawRect(painter, QRectF(0, 0, 100, 100));
    painter.end();
    EXPECT_EQ(inkIn(canvas, QRectF(0, 0, 100, 100), Qt::red), 0);
}

TEST_F(PDFSongViewTest, PrintsAPageFittedAndCentredInTheArea)
{
    PDFSongView view;
    view.setPath(pdf({landscape, a4, a4}));
    QImage canvas = pointCanvas(500, 600);
    QPainter painter(&canvas);
    view.drawPage(painter, 0, QRectF(0, 0, 500, 600));
    view.drawPage(painter, 3, QRectF(0, 0, 500, 600)); // past the end: nothing
    painter.end();
    EXPECT_EQ(inkIn(canvas, QRectF(0, 0, 500, 110)), 0);
    EXPECT_GT(inkIn(canvas, QRectF(0, 115, 500, 370)), 500 * 370 - 10);
    EXPECT_EQ(inkIn(canvas, QRectF(0, 490, 500, 110)), 0);
}

TEST(PDFSongView, PrintedPagesAreRenderedAtABoundedResolution)
{
    const QSizeF a4Area(555, 800);
    // Screen resolution is kept; a 1200-dpi printer gets 300 dpi.
    EXPECT_EQ(PDFSongView::printImageSize(a4Area, 1.0), QSize(555, 800));
    EXPECT_EQ(PDFSongView::printImageSize(a4Area, 1200 / 72.0), QSize(2312, 3333));
    // A poster stays within the pixel budget.
    const QSize poster = PDFSongView::printImageSize(QSizeF(2384, 3370), 1200 / 72.0);
    EXPECT_LE(qint64(poster.width()) * poster.height(), PDFSongView::kMaxPrintPixels);
    EXPECT_GT(qint64(poster.width()) * poster.height(), PDFSongView::kMaxPrintPixels * 99 / 100);
}

// A PDF whose folder's and own names are not UTF-8 is opened by those bytes.
TEST_F(PDFSongViewTest, OpensAFileWhoseNameIsNotUtf8)
{
    const QByteArray raw = QFile::encodeName(folder.path()) + "/Lieder \xe9t\xe9";
    RawFiles::makeFolder(raw);
    ASSERT_EQ(::rename(QFile::encodeName(pdf({a4, letter})).constData(), (raw + "/Bl\xe4tter.pdf").constData()), 0);
    PDFSongView view;
    view.setPath(FileName::fromBytes(raw + "/Bl\xe4tter.pdf"));
    EXPECT_EQ(view.pageCount(), 2);
    EXPECT_EQ(view.pageSize(1), letter);
    view.setPath(QString());
    RawFiles::removeTree(raw);
}
