// Our own small RTF writer.
#include "rtfwriter.h"

#include "attributedtext.h"

#include <QStringList>

#include <cmath>

namespace {

// The fonts and colours a document uses, numbered in first-use order as the RTF tables list them.
class RtfTables
{
public:
    RtfTables() { m_fonts.append(AttributedText::defaultFont().family()); }

    int fontIndex(const QFont &font) { return indexOf(m_fonts, font.family()); }
    // Colour 0 is the reader's default; the table starts with an empty entry for it.
    int colorIndex(const QColor &color)
    {
        return color.isValid() ? indexOf(m_colors, color.name(QColor::HexRgb)) + 1 : 0;
    }

    QByteArray header() const
    {
        QByteArray out("{\\fonttbl");
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            QString family = m_fonts[i];
            family.remove(u';'); // a semicolon would end the table entry
            out += "{\\f" + QByteArray::number(i) + "\\fnil " + RtfWriter::escapedText(family) + ";}";
        }
        out += "}\n{\\colortbl;";
        for (const QString &name : m_colors) {
            const QColor color(name);
            out += "\\red" + QByteArray::number(color.red()) + "\\green" + QByteArray::number(color.green()) +
                   "\\blue" + QByteArray::number(color.blue()) + ";";
        }
        out += "}\n";
        return out;
    }

private:
    static int indexOf(QStringList &list, const QString &value)
    {
        qsizetype index = list.indexOf(value);
        if (index < 0) {
            index = list.size();
            list.append(value);
        }
        return int(index);
    }

    QStringList m_fonts;
    QStringList m_colors;
};

// Half-points, as RTF counts font sizes.
int halfPoints(const QFont &font)
{
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
    return points > 0 ? int(std::lround(points * 2)) : 24;
}

QByteArray runGroup(const AttributedText::Run &run, const QString &text, RtfTables &tables)
{
    const QFont font = run.font.value_or(AttributedText::defaultFont());
    QByteArray out =
        "{\\f" + QByteArray::number(tables.fontIndex(font)) + "\\fs" + QByteArray::number(halfPoints(font));
    if (font.bold())
        out += "\\b";
    if (font.italic())
        out += "\\i";
    out += "\\cf" + QByteArray::number(tables.colorIndex(run.color)) + ' ' + RtfWriter::escapedText(text) + '}';
    return out;
}

QByteArray paragraphStart(bool centred)
{
    return centred ? "\\pard\\qc " : "\\pard\\ql ";
}

} // namespace

QByteArray RtfWriter::escapedText(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += char(unit);
        } else if (unit == u'\t') {
            out += "\\tab ";
        } else if (unit >= 0x20 && unit < 0x7f) {
            out += char(unit);
        } else {
            // RTF numbers are signed 16-bit: units above 32767 are written negative.
            out += "\\u" + QByteArray::number(int(qint16(unit))) + '?';
        }
    }
    return out;
}

QByteArray RtfWriter::rtfFromAttributedText(const AttributedText &text)
{
    RtfTables tables;
    QByteArray body;
    bool atParagraphStart = true;
    for (const AttributedText::Run &run : text.runs()) {
        const QStringList lines = run.text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                body += "\\par\n";
                atParagraphStart = true;
            }
            if (lines[i].isEmpty())
                continue;
            if (atParagraphStart)
                body += paragraphStart(run.centred);
            atParagraphStart = false;
            body += runGroup(run, lines[i], tables);
        }
    }
    // The tables come first in the document but are known only once every run is written.
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n" + tables.header() + body + "}\n";
}
