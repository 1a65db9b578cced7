// The rows of the chord library window: per chord name its name in the chosen naming and one image of all its
// fingerings (the ones whose frets match a fret search), drawn for the screen's pixel ratio and kept until the
// library changes.
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>
#include <QStringList>

class Chord;

class ChordListTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, DiagramsColumn, ColumnCount };

    explicit ChordListTableModel(QObject *parent = nullptr);

    // Columns of diagrams for count fingerings in a width: all of them when they fit, else as many as fit
    // (one at least).
    static int diagramColumns(int count, qreal width, qreal diagramWidth);

    // The sizes for large or normal diagrams: row height, a fretboard diagram's width, a keyboard's room.
    void setLargeDiagrams(bool large);
    bool largeDiagrams() const { return m_large; }
    int rowHeight() const { return m_large ? 64 : 48; }
    // The diagrams column's width and the screen's pixel ratio, which the images are drawn for.
    void setImageWidth(int width);
    void setDevicePixelRatio(qreal ratio);
    // The names listed, and the search they were found by (empty for a base chord's names).
    void setNames(const QStringList &names, const QString &search = QString());
    const QStringList &names() const { return m_names; }
    // Forgets the drawn images: the library has changed.
    void clearImages();

    // The fingerings a name's row shows: all of them, or those whose fret text holds a fret search.
    QList<Chord> fingerings(const QString &name) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    qreal diagramWidth() const { return m_large ? 60 : 40; }
    qreal keyboardWidth() const { return m_large ? 256 : 192; }
    QPixmap imageForName(const QString &name) const;
    QPixmap keyboardImage(const Chord &chord) const;
    QPixmap diagramsImage(const QList<Chord> &chords) const;

    bool m_large = false;
    int m_imageWidth = 170;
    qreal m_devicePixelRatio = 1;
    QStringList m_names;
    QString m_search;
    mutable QHash<QString, QPixmap> m_images;
};
