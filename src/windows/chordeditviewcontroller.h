// The chord editor: a modal window in which the user defines a new fingering for the current instrument or
// changes one of their own, stored in the chord library and its user chord file on OK.
#pragma once

#include "chord.h"

#include <QDialog>

#include <optional>

class ChordEditView;
class ChordWindowsHost;
class QComboBox;
class QLabel;
class QLineEdit;

class ChordEditViewController : public QDialog
{
    Q_OBJECT

public:
    // Edits the library's chord, or adds a new one (chord empty) titled with the suggested name. The grid is
    // built for the instrument current now.
    ChordEditViewController(ChordWindowsHost &host, const std::optional<Chord> &chord,
                            const QString &suggestedChordName = QString(), QWidget *parent = nullptr);

    const std::optional<Chord> &chord() const { return m_chord; }
    const QString &suggestedChordName() const { return m_suggestedChordName; }
    ChordEditView &chordEditView() { return *m_chordEditView; }
    QLineEdit *titleTextField() const { return m_titleTextField; }
    QComboBox *basefretPopup() const { return m_basefretPopup; }

    // The window's title and the grid, from the chord or the suggested name.
    void refresh();
    // Stores the grid's chord and closes; a title that is empty or holds white space (which the user chord
    // file cannot carry) keeps the window open with the title field focused.
    void ok();

private:
    static bool isValidTitle(const QString &title);

    ChordWindowsHost &m_host;
    const std::optional<Chord> m_chord;
    const QString m_suggestedChordName;
    QLineEdit *m_titleTextField;
    QComboBox *m_basefretPopup;
    QLabel *m_chordPreview;
    QLabel *m_notesPreview;
    ChordEditView *m_chordEditView;
};
