// Where each line of a printed song goes: page, column and top.
#include "printwalk.h"

#include <algorithm>

PrintWalk::PrintWalk(const QList<LineInfo> &lines, int columns, double columnHeight, bool pageBreaks)
    : m_columns(std::max(1, columns))
    , m_columnHeight(columnHeight)
    , m_pageBreaks(pageBreaks)
{
    m_places.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        place(lines[i], i);
}

void PrintWalk::place(const LineInfo &line, qsizetype index)
{
    if (line.newPage) {
        if (m_pageBreaks)
            closeColumn();
        m_places.append(Place{});
        return;
    }
    // Heights are whole points while printing, so these sums are exact.
    if (m_y + line.height > m_columnHeight)
        closeColumn();
    if (m_page == m_columnHeights.size()) {
        m_columnHeights.append(0);
        m_firstLines.append(index);
    }
    m_places.append(Place{m_page, m_column, m_y});
    m_y += line.height;
    m_columnHeights[m_page] = std::max(m_columnHeights[m_page], m_y);
}

void PrintWalk::closeColumn()
{
    if (m_y <= 0)
        return;
    m_y = 0;
    if (++m_column == m_columns) {
        m_column = 0;
        ++m_page;
    }
}

QList<PrintPageInfo> PrintWalk::pages(double pageWidth) const
{
    QList<PrintPageInfo> result;
    double top = 0;
    for (qsizetype page = 0; page < m_columnHeights.size(); ++page) {
        result.append(PrintPageInfo{m_firstLines[page], QRectF(0, top, pageWidth, m_columnHeights[page])});
        top += m_columnHeights[page];
    }
    return result;
}
