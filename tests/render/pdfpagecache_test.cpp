// Rendered PDF pages are kept and reused, within the budget.
#include "pdfpagecache.h"

#include <gtest/gtest.h>

namespace {

struct CountingRender
{
    int calls = 0;
    QImage operator()(int, QSize pixels)
    {
        ++calls;
        return QImage(pixels, QImage::Format_RGB32);
    }
};

} // namespace

TEST(PDFPageCache, ReusesAPageAtTheSameSizeAndRendersAnotherSize)
{
    PDFPageCache cache;
    CountingRender render;
    const auto draw = [&](int page, QSize pixels) { return cache.page(page, pixels, std::ref(render)); };
    EXPECT_EQ(draw(0, {100, 140}).size(), QSize(100, 140));
    draw(0, {100, 140});
    draw(1, {100, 140});
    EXPECT_EQ(render.calls, 2);
    draw(0, {200, 280});
    EXPECT_EQ(render.calls, 3);
    cache.clear();
    draw(0, {100, 140});
    EXPECT_EQ(render.calls, 4);
}

TEST(PDFPageCache, DropsTheLeastRecentlyDrawnPagesBeyondTheBudget)
{
    const QSize pixels(100, 100); // 40,000 bytes each
    PDFPageCache cache(100000);
    CountingRender render;
    const auto draw = [&](int page) { cache.page(page, pixels, std::ref(render)); };
    draw(0);
    draw(1);
    draw(0); // page 1 is now the oldest
    draw(2);
    EXPECT_EQ(cache.count(), 2);
    EXPECT_LE(cache.bytes(), 100000);
    draw(0);
    EXPECT_EQ(render.calls, 3) << "page 0 was kept";
    draw(1);
    EXPECT_EQ(render.calls, 4) << "page 1 was dropped";
}

TEST(PDFPageCache, KeepsAPageLargerThanTheBudget)
{
    PDFPageCache cache(1000);
    CountingRender render;
    EXPECT_FALSE(cache.page(0, {100, 100}, std::ref(render)).isNull());
    EXPECT_EQ(cache.count(), 1);
    cache.page(1, {100, 100}, std::ref(render));
    EXPECT_EQ(cache.count(), 1);
}
