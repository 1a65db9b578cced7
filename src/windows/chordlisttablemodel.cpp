// The rows of the chord library window.
#include "chordlisttablemodel.h"

#include "chords.h"
#include "chordview.h"
#include "chordwindowcontext.h"
#include "instrument.h"

#include <QPainter>

#include <algorithm>

namespace {

bool isFretSearch(const QString &search)
{
    return !search.isEmpty() && search.front().isDigit();
}

} // namespace

ChordListTableModel::ChordListTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

int ChordListTableModel::diagramColumns(int count, qreal width, qreal diagramWidth)
{
    if (count * diagramWidth <= width)
        return std::max(1, count);
    return std::max(1, int(width / diagramWidth));
}

void ChordListTableModel::setLargeDiagrams(bool large)
{
    m_large = large;
    clearImages();
}

void ChordListTableModel::setImageWidth(int width)
{
    if (width == m_imageWidth)
        return;
    m_imageWidth = width;
    Q_EMIT dataChanged(index(0, DiagramsColumn), index(rowCount() - 1, DiagramsColumn), {Qt::DecorationRole});
}

void ChordListTableModel::setDevicePixelRatio(qreal ratio)
{
    if (ratio == m_devicePixelRatio)
        return;
    m_devicePixelRatio = ratio;
    clearImages();
}

void ChordListTableModel::setNames(const QStringList &names, const QString &search)
{
    beginResetModel();
    m_names = names;
    m_search = search;
    endResetModel();
}

void ChordListTableModel::clearImages()
{
    m_images.clear();
    Q_EMIT dataChanged(index(0, DiagramsColumn), index(rowCount() - 1, DiagramsColumn), {Qt::DecorationRole});
}

int ChordListTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_names.size());
}

int ChordListTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChordListTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    const QString &name = m_names[index.row()];
    if (index.column() == NameColumn && role == Qt::DisplayRole)
        return Chord::displayNameForChordname(name, ChordWindowContext::displayOptions());
    if (index.column() == DiagramsColumn && role == Qt::DecorationRole) {
        const QPixmap image = imageForName(name);
        return image.isNull() ? QVariant() : QVariant(image);
    }
    return {};
}

QList<Chord> ChordListTableModel::fingerings(const QString &name) const
{
    Chords *library = ChordWindowContext::chords();
    QList<Chord> chords = library ? library->chordsForTitle(name) : QList<Chord>();
    const Instrument &instrument = ChordWindowContext::instrument();
    if (isFretSearch(m_search))
        chords.removeIf([&](const Chord &c) { return !c.description(instrument).contains(m_search); });
    for (Chord &chord : chords)
        chord.setInvert(false);
    return chords;
}

QPixmap ChordListTableModel::imageForName(const QString &name) const
{
    const QString key = name + u'\n' + QString::number(m_imageWidth) + u'\n' + m_search;
    const auto cached = m_images.constFind(key);
    if (cached != m_images.constEnd())
        return *cached;
    const QList<Chord> chords = fingerings(name);
    QPixmap image;
    if (!chords.isEmpty())
        image = ChordWindowContext::isKeyboard() ? keyboardImage(chords.front()) : diagramsImage(chords);
    m_images.insert(key, image);
    return image;
}

QPixmap ChordListTableModel::keyboardImage(const Chord &chord) const
{
    const ChordView view;
    const qreal width = view.keyboardChord(chord, keyboardWidth());
    return QPixmap::fromImage(view.keyboardImageForChord(chord, QRectF(0, 0, width, rowHeight())));
}

QPixmap ChordListTableModel::diagramsImage(const QList<Chord> &chords) const
{
    const QRectF bounds(0, 0, m_imageWidth, rowHeight());
    ChordView view;
    view.setChords(chords);
    view.setNumcols(diagramColumns(int(chords.size()), bounds.width(), diagramWidth()));
    view.calcChordsBoundsWithRect(bounds);
    // Drawn at the screen's resolution, so the diagrams stay sharp on a high-density screen.
    QImage image((bounds.size() * m_devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(m_devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view.drawRect(painter, bounds);
    painter.end();
    return QPixmap::fromImage(image);
}
