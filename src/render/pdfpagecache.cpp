// Rendered PDF pages kept for repainting, within a fixed memory budget.
#include "pdfpagecache.h"

PDFPageCache::PDFPageCache(qsizetype budgetBytes)
    : m_budget(budgetBytes)
{}

QImage PDFPageCache::page(int page, QSize pixels, const Render &render)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].page == page && m_entries[i].pixels == pixels) {
            m_entries.move(i, m_entries.size() - 1);
            return m_entries.last().image;
        }
    }
    QImage image = render(page, pixels);
    shrinkTo(m_budget - image.sizeInBytes());
    m_entries.append({page, pixels, image});
    return image;
}

void PDFPageCache::clear()
{
    m_entries.clear();
}

qsizetype PDFPageCache::bytes() const
{
    qsizetype total = 0;
    for (const Entry &entry : m_entries)
        total += entry.image.sizeInBytes();
    return total;
}

void PDFPageCache::shrinkTo(qsizetype budget)
{
    while (!m_entries.isEmpty() && bytes() > budget)
        m_entries.removeFirst();
}
