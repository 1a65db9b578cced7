// Text in runs with a font and a colour each.
#include "attributedtext.h"

#include "textmetrics.h"

#include <algorithm>

bool AttributedText::Run::sameAttributes(const Run &other) const
{
    return font == other.font && color == other.color && centred == other.centred;
}

QFont AttributedText::defaultFont()
{
    QFont font(QStringLiteral("Helvetica"));
    font.setPointSizeF(12);
    return font;
}

void AttributedText::append(const QString &text, const QFont &font, const QColor &color, bool centred)
{
    appendRun({text, font, color, centred});
}

void AttributedText::appendPlain(const QString &text)
{
    appendRun({text, std::nullopt, QColor(), false});
}

void AttributedText::append(const AttributedText &other)
{
    for (const Run &run : other.m_runs)
        appendRun(run);
}

void AttributedText::appendRun(const Run &run)
{
    if (run.text.isEmpty())
        return;
    if (!m_runs.isEmpty() && m_runs.back().sameAttributes(run))
        m_runs.back().text += run.text;
    else
        m_runs.append(run);
}

QString AttributedText::string() const
{
    QString text;
    for (const Run &run : m_runs)
        text += run.text;
    return text;
}

qreal AttributedText::width() const
{
    qreal widest = 0;
    qreal line = 0;
    for (const Run &run : m_runs) {
        const TextMetrics metrics(run.font.value_or(defaultFont()));
        const QStringList pieces = run.text.split(u'\n');
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0) {
                widest = std::max(widest, line);
                line = 0;
            }
            line += metrics.width(pieces[i]);
        }
    }
    return std::max(widest, line);
}
