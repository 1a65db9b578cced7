// Where each line of a printed song goes: page, column and top.
#include "printwalk.h"

#include <algorithm>

PrintWalk::PrintWalk(const QList<LineInfo> &lines, int columns, double columnHeight, bool pageBreaks)
    : m_columns(std::max(1, columns))
    , m_pageBreaks(pageBreaks)
    , m_flow(columnHeight)
{
    m_places.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        place(lines[i], i);
}

void PrintWalk::place(const LineInfo &line, qsizetype index)
{
    if (line.newPage) {
        if (m_pageBreaks)
            m_flow.breakColumn();
        m_places.append(Place{});
        return;
    }
    // Heights are whole points while printing, so the sums of the flow are exact. Its columns run on across pages.
    const ColumnFlow::Place placed = m_flow.place(line.height);
    const int page = placed.column / m_columns;
    if (page == m_columnHeights.size()) {
        m_columnHeights.append(0);
        m_firstLines.append(index);
    }
    m_places.append(Place{page, placed.column % m_columns, placed.y});
    m_columnHeights[page] = std::max(m_columnHeights[page], placed.y + line.height);
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
