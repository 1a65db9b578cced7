// The chord editor's grid: one column per string, a mute button on top and five fret buttons below, drawn over
// a fretboard; it reads and shows a chord and keeps the previews of the form around it up to date.
#pragma once

#include "chord.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class ChordEditView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int fretRows = 5;
    static constexpr int buttonSize = 25;

    explicit ChordEditView(QWidget *parent = nullptr);

    // The form's controls the grid reads and fills; the editor sets them before createButtons.
    void setOutlets(QLabel *chordPreview, QLabel *notesPreview, QComboBox *basefretPopup, QLineEdit *titleTextField);

    // Builds the buttons for the current instrument (three columns at least) from the view's size.
    void createButtons();
    int numstrings() const { return m_numstrings; }
    qreal dx() const { return m_dx; }
    qreal dy() const { return m_dy; }
    QPushButton *muteButton(int string) const { return m_muteButtons.value(string); }
    QPushButton *fretButton(int row, int string) const { return m_fretButtons.value(row * m_numstrings + string); }

    // The popup's item is the base fret: item k stands for base fret k.
    int baseFret() const;
    // Shows the chord's title (when it has one), base fret and frets.
    void setChord(const Chord &chord);
    // A new editable chord from the title field, the popup and the grid.
    Chord chord() const;
    // Draws the grid's chord and its notes into the previews.
    void updatePreview();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *buttonForFrame(const QRect &frame);
    void toggleFretButton(QPushButton *button);
    void toggleMuteButton(QPushButton *button);
    void clearMuteButtonForString(int string);
    void clearFretButtonsForString(int string);
    // The value a string of the grid stands for: muted, open, or the fret of its set row.
    int valueOfString(int string) const;

    int m_numstrings = 3;
    qreal m_dx = 0;
    qreal m_dy = 0;
    QLabel *m_chordPreview = nullptr;
    QLabel *m_notesPreview = nullptr;
    QComboBox *m_basefretPopup = nullptr;
    QLineEdit *m_titleTextField = nullptr;
    QList<QPushButton *> m_muteButtons;
    // Row by row: index = row × numstrings + string.
    QList<QPushButton *> m_fretButtons;
};
