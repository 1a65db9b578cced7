// Chord diagrams drawn on any QPainter: the grid, single diagrams, images and selection.
#include "chordview.h"

#include "chordgrid.h"
#include "diagramsettings.h"
#include "fretboarddrawing.h"
#include "instrument.h"
#include "keyboarddrawing.h"
#include "log.h"
#include "staffdrawing.h"
#include "systemlook.h"
#include "textfile.h"
#include "textmetrics.h"

#include <QBuffer>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace {

constexpr qreal imageInset = 1.0;
constexpr qreal staffWidthOverHeight = 0.6;
constexpr int keyboardTitleRows = 4; // a keyboard's title is as large as that of a four-fret diagram

QList<KeyboardDrawing::Key> keysOf(const QList<Note> &notes)
{
    QList<KeyboardDrawing::Key> keys;
    for (const Note &note : notes)
        keys.append({note.whiteKeyboardKey(), note.isSharp()});
    return keys;
}

QList<StaffDrawing::Head> headsOf(const QList<Note> &notes, bool treble)
{
    QList<StaffDrawing::Head> heads;
    for (const Note &note : notes)
        heads.append({note.stafflineTreble(treble), note.isSharp()});
    return heads;
}

// Where a click selects a chord: its bounds, and for a keyboard chord the staves below them too.
QRectF clickArea(const Chord &chord, bool keyboard)
{
    return keyboard ? chord.bounds().united(ChordGrid::staffArea(chord.bounds())) : chord.bounds();
}

} // namespace

ChordView::ChordView()
    : m_numstrings(DiagramSettings::current().instrument.numstrings())
    , m_foregroundColor(SystemLook::textColor())
    , m_backgroundColor(SystemLook::textBackgroundColor())
{}

QSizeF ChordView::calcChordsBoundsWithRect(const QRectF &rect)
{
    const bool keyboard = DiagramSettings::current().instrument.isKeyboard();
    const ChordGrid grid(m_chords.size(), rect, m_numcols, keyboard);
    for (int i = 0; i < m_chords.size(); ++i)
        m_chords[i].setBounds(grid.bounds()[i]);
    return grid.extent();
}

QRectF ChordView::diagramsRect() const
{
    const bool keyboard = DiagramSettings::current().instrument.isKeyboard();
    QRectF drawn;
    for (const Chord &chord : m_chords)
        drawn = drawn.united(clickArea(chord, keyboard));
    return drawn;
}

void ChordView::drawRect(QPainter &painter, const QRectF &bounds) const
{
    painter.fillRect(bounds, m_invert ? m_foregroundColor : m_backgroundColor);
    const DiagramSettings settings = DiagramSettings::current();
    // The grid's diagrams share one scale, whatever their base-fret labels.
    DiagramStyle gridStyle = style();
    gridStyle.leftHanded = settings.display.leftHandedChordDisplay;
    gridStyle.sharedLabelRoom = true;
    for (const Chord &chord : m_chords) {
        if (settings.instrument.isKeyboard())
            drawKeyboardChord(painter, chord, chord.bounds());
        else
            drawFretted(painter, settings.instrument.tunedChordForChord(chord), chord.bounds(), gridStyle, settings);
    }
}

DiagramStyle ChordView::style() const
{
    DiagramStyle style;
    style.foreground = m_foregroundColor;
    style.background = m_backgroundColor;
    style.viewInverted = m_invert;
    style.showTitle = m_showTitle;
    style.markTempChords = m_markTempChords;
    style.markFavoriteChords = m_markFavoriteChords;
    style.markEditableChords = m_markEditableChords;
    style.printing = m_printing;
    return style;
}

void ChordView::drawChord(QPainter &painter, const Chord &chord, const QRectF &bounds) const
{
    const DiagramSettings settings = DiagramSettings::current();
    DiagramStyle diagramStyle = style();
    diagramStyle.leftHanded = settings.display.leftHandedChordDisplay;
    if (settings.instrument.isKeyboard()) {
        drawTitledKeyboard(painter, chord, bounds, diagramStyle, settings);
        return;
    }
    drawFretted(painter, chord, bounds, diagramStyle, settings);
}

void ChordView::drawFretted(QPainter &painter, const Chord &chord, const QRectF &bounds,
                            const DiagramStyle &diagramStyle, const DiagramSettings &settings) const
{
    const FretDiagram diagram = FretDiagram::fromChord(chord, m_numstrings, settings);
    FretboardDrawing(diagram, bounds, m_numstrings, diagramStyle).paint(painter);
}

// An in-line or printed diagram of a keyboard instrument: the chord's name above its keyboard. The two
// staves need more room than a diagram in a song line has; the chord view's grid shows them.
void ChordView::drawTitledKeyboard(QPainter &painter, const Chord &chord, const QRectF &bounds,
                                   const DiagramStyle &diagramStyle, const DiagramSettings &settings) const
{
    QRectF keyboard = bounds;
    if (m_showTitle) {
        const QFont font = SystemLook::systemFont(std::max<qreal>(bounds.height() * 5 / 6 / keyboardTitleRows, 1));
        const QString title = chord.displayName(settings.display);
        const QSizeF size = TextMetrics::sizeWithFont(title, font);
        TextMetrics::drawAtPoint(&painter, title, QPointF(bounds.x() + (bounds.width() - size.width()) / 2, bounds.y()),
                                 font, diagramStyle.lineColor(chord.invert()));
        keyboard.setTop(bounds.y() + size.height());
    }
    const bool inverted = m_invert != chord.invert();
    KeyboardDrawing(keysOf(chord.notes(settings.instrument)), keyboard, inverted).paint(painter);
}

void ChordView::drawKeyboardChord(QPainter &painter, const Chord &chord, const QRectF &bounds) const
{
    const DiagramSettings settings = DiagramSettings::current();
    const QList<Note> notes = chord.notes(settings.instrument);
    const bool inverted = m_invert != chord.invert();
    KeyboardDrawing(keysOf(notes), bounds, inverted).paint(painter);
    // Bass staff at the left, treble staff from the middle; narrow cells narrow the staves so they never meet.
    const QRectF staves = ChordGrid::staffArea(bounds);
    const qreal staffWidth = std::min(staffWidthOverHeight * staves.height(), staves.width() / 2);
    const QRectF bass(staves.x(), staves.y(), staffWidth, staves.height());
    StaffDrawing(headsOf(notes, false), bass, false, m_foregroundColor, m_backgroundColor, inverted).paint(painter);
    StaffDrawing(headsOf(notes, true), bass.translated(staves.width() / 2, 0), true, m_foregroundColor,
                 m_backgroundColor, inverted)
        .paint(painter);
}

void ChordView::mouseDown(const QPointF &point)
{
    const bool keyboard = DiagramSettings::current().instrument.isKeyboard();
    for (Chord &chord : m_chords) {
        if (!clickArea(chord, keyboard).contains(point)) {
            chord.setInvert(false);
            continue;
        }
        chord.setInvert(true);
        // The delegate gets a copy: its reaction may replace this view's chords.
        const Chord selected = chord;
        if (m_delegate)
            m_delegate->chordView(*this, selected);
        return;
    }
}

void ChordView::mouseUp()
{
    for (Chord &chord : m_chords)
        chord.setInvert(false);
}

template <typename Draw> QImage ChordView::renderImage(const QRectF &bounds, Draw draw) const
{
    const QSize size(qCeil(bounds.width()), qCeil(bounds.height()));
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    // One pixel per point, so text measured in points draws at its measured size.
    const int dotsPerMeter = qRound(72 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.translate(-bounds.topLeft());
    draw(painter);
    return image;
}

QImage ChordView::imageForChord(const Chord &chord, const QRectF &bounds) const
{
    const Instrument &instrument = DiagramSettings::current().instrument;
    const QRectF inset = bounds.adjusted(imageInset, imageInset, -imageInset, -imageInset);
    return renderImage(bounds,
                       [&](QPainter &painter) { drawChord(painter, instrument.tunedChordForChord(chord), inset); });
}

QImage ChordView::imageWithBounds(const QRectF &bounds) const
{
    return renderImage(bounds, [&](QPainter &painter) { drawRect(painter, bounds); });
}

QImage ChordView::notesImageForChord(const Chord &chord, const QRectF &bounds) const
{
    const QList<Note> notes = chord.notes(DiagramSettings::current().instrument);
    return renderImage(bounds, [&](QPainter &painter) {
        StaffDrawing(headsOf(notes, true), bounds, true, m_foregroundColor, m_backgroundColor, m_invert).paint(painter);
    });
}

QImage ChordView::keyboardImageForChord(const Chord &chord, const QRectF &bounds) const
{
    const QList<Note> notes = chord.notes(DiagramSettings::current().instrument);
    return renderImage(bounds,
                       [&](QPainter &painter) { KeyboardDrawing(keysOf(notes), bounds, m_invert).paint(painter); });
}

qreal ChordView::keyboardChord(const Chord &chord, qreal maxWidth) const
{
    return KeyboardDrawing::widthForMaxWidth(keysOf(chord.notes(DiagramSettings::current().instrument)), maxWidth);
}

QImage ChordView::chordImage(const Chord &chord, const QSizeF &size)
{
    ChordView view;
    view.setShowTitle(true);
    return view.imageForChord(chord, QRectF(QPointF(), size));
}

bool ChordView::writeImageOfSize(const Chord &chord, const QSizeF &size, const QString &path)
{
    const QImage image = chordImage(chord, size);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        Log::write(QStringLiteral("Could not draw chord image %1").arg(path));
        return false;
    }
    QString error;
    if (!TextFile::writeBytes(path, png, &error)) {
        Log::write(QStringLiteral("Could not write chord image %1: %2").arg(path, error));
        return false;
    }
    return true;
}
