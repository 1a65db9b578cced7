// The chord library window: the chord names of the current instrument's library under a chosen root or found by
// a search, each with the diagrams of its fingerings; the instrument and its tuning can be switched and chords
// added. A row click opens the chord diagram window beside the row.
#pragma once

#include <QMetaObject>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class ChordListTableModel;
class ChordViewControllerWindowController;
class ChordWindowsHost;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class ChordListViewController : public QWidget
{
    Q_OBJECT

public:
    // A window of its own over the parent (the main window), filled for the current instrument.
    explicit ChordListViewController(ChordWindowsHost &host, QWidget *parent = nullptr);
    ~ChordListViewController() override;

    // Rebuilds the window for the current instrument; the search is emptied and the base chord list is back.
    void refresh();
    // The search text changed: the names found, or the base chord's names again when it is empty.
    void onSearch();
    // Lists the names under the root chosen in the base chord pop-up.
    void baseChordSelected();
    // Switches to the instrument chosen in the instrument pop-up; the window refreshes once its library is ready.
    void instrumentSelected();
    // Asks for the instrument's tuning; a new tuning refreshes this window and the panes, as an instrument switch does.
    void changeTuning();
    // The chord editor for a new chord.
    void addChord();
    // Opens the diagram window for the row's name beside the row.
    void rowClicked(int row);

    const QStringList &chordnames() const;
    const std::optional<QString> &currentBaseChordName() const { return m_currentBaseChordName; }
    QLabel *baseChordLabel() const { return m_baseChordLabel; }
    QComboBox *baseChordsPopup() const { return m_baseChordsPopup; }
    QTableView *chordsTableView() const { return m_chordsTableView; }
    ChordListTableModel &tableModel() const { return *m_model; }
    QLineEdit *searchField() const { return m_searchField; }
    QComboBox *instrumentsPopup() const { return m_instrumentsPopup; }
    QPushButton *tuningButton() const { return m_tuningButton; }
    QPushButton *addChordButton() const { return m_addChordButton; }
    // The diagram window of the row clicked last; nullptr before the first click.
    ChordViewControllerWindowController *chordViewController() const { return m_chordViewController.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The current library's roots; none without a library.
    QStringList baseNames() const;
    void fillBaseChordsPopup();
    void fillInstrumentsPopup();
    // The tuning button shows the tuning; a keyboard has neither tuning nor chord editor.
    void updateInstrumentControls();
    // Refreshes now when the current library is ready, else when it reports ready.
    void refreshWhenReady();
    void fitImagesToColumn();

    ChordWindowsHost &m_host;
    std::optional<QString> m_currentBaseChordName;
    QLabel *m_baseChordLabel;
    QComboBox *m_baseChordsPopup;
    QLineEdit *m_searchField;
    QTableView *m_chordsTableView;
    ChordListTableModel *m_model;
    QComboBox *m_instrumentsPopup;
    QPushButton *m_tuningButton;
    QPushButton *m_addChordButton;
    std::unique_ptr<ChordViewControllerWindowController> m_chordViewController;
    QMetaObject::Connection m_libraryReady;
};
