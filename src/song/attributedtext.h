// Text in runs that each carry a font and a colour, in left-aligned or centred paragraphs: what the RTF
// export builds, measures and hands to the RTF writer.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

#include <optional>

class AttributedText
{
public:
    struct Run
    {
        QString text;
        // None: text without attributes, in defaultFont().
        std::optional<QFont> font;
        // Invalid: the reader's default colour.
        QColor color;
        // A paragraph takes the alignment of the run that starts it.
        bool centred = false;

        bool sameAttributes(const Run &other) const;
    };

    // Text without attributes is shown in this font (Helvetica at 12 points, as rich text readers default to).
    static QFont defaultFont();

    void append(const QString &text, const QFont &font, const QColor &color = QColor(), bool centred = false);
    // Text without attributes.
    void appendPlain(const QString &text);
    void append(const AttributedText &other);

    // Adjacent runs of equal attributes are merged.
    const QList<Run> &runs() const { return m_runs; }
    QString string() const;
    bool isEmpty() const { return m_runs.isEmpty(); }
    // The width in points of the widest line, each run measured in its own font.
    qreal width() const;

private:
    void appendRun(const Run &run);

    QList<Run> m_runs;
};
