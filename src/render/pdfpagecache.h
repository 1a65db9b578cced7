// Rendered PDF pages kept for repainting, within a fixed memory budget.
#pragma once

#include <QImage>
#include <QList>
#include <QSize>

#include <functional>

// A repaint draws the kept image of a page at the size it was rendered for; only a page not kept at that size
// is rendered. The least recently drawn pages are dropped first when the budget would be exceeded; the page
// just asked for is always kept, so a page larger than the budget still shows.
class PDFPageCache
{
public:
    using Render = std::function<QImage(int page, QSize pixels)>;

    explicit PDFPageCache(qsizetype budgetBytes = 64 * 1024 * 1024);

    // The page rendered at the size in device pixels, from the cache or by render.
    QImage page(int page, QSize pixels, const Render &render);
    // Drops every page, e.g. when the document or the view's size changes.
    void clear();

    qsizetype count() const { return m_entries.size(); }
    qsizetype bytes() const;

private:
    struct Entry
    {
        int page;
        QSize pixels;
        QImage image;
    };

    void shrinkTo(qsizetype budget);

    qsizetype m_budget;
    // Most recently used last.
    QList<Entry> m_entries;
};
