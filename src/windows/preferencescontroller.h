// The preferences window: chord naming, chord diagrams, printing, sorting, tabs, the current user, the chorus
// marker, the instrument and its tuning, and the five fonts with a live preview of a short song. Most controls are
// loaded from the application's settings and written back by Done; the fonts are edited in a private settings
// object that Done hands over. The chorus marker, the instrument and the tuning act at once.
#pragma once

#include "song.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class Dialogs;
class FontPrefs;
class FontPrefsView;
class Prefs;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class SongViewWidget;

class PreferencesController : public QDialog
{
    Q_OBJECT

public:
    // A non-modal window over parent (the main window). Questions and panels go through dialogs.
    explicit PreferencesController(Dialogs &dialogs, QWidget *parent = nullptr);
    ~PreferencesController() override;

    // The private settings object whose fonts the window edits.
    Prefs &localprefs() const { return *m_localprefs; }
    const SongPtr &samplesong() const { return m_samplesong; }
    SongViewWidget &songView() const { return *m_songView; }

    // Sets every control from the application's settings.
    void loadOptions();
    // Writes the controls and the fonts into the application's settings, saves, refreshes the song list and the
    // song pane, and closes.
    void done();
    // Closes; nothing is written (what acted at once stays).
    void cancel();
    // The fonts go back to their defaults (applied by Done); the other controls are loaded again.
    void resetToDefaults();
    // Asks for the current instrument's tuning.
    void changeTuning();
    // Asks where to write the fonts as edited here, and writes them there as a font settings file.
    void exportFontPrefs();

    // Files dragged onto the window: taken when the first is a font settings file.
    static bool acceptsDrop(const QStringList &paths);
    // Imports the first font settings file into the private settings and shows the fonts. False without one.
    bool performDrop(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Building the window.
    QWidget *makeGeneralTab();
    QWidget *makeLayoutTab();
    QWidget *makePrintTab();
    QWidget *makeButtonRow();
    void makeCheckBoxes();
    QCheckBox *checkBox(const char *name) const;
    void fillUsers();
    void fillInstruments();
    void fillChorusMarkerTypes();

    // Acting on the controls.
    void printChordsChanged();
    void selectInstrument(int index);
    void selectChorusMarkerType(int index);
    void showTuning();
    void storeMargins(Prefs &prefs);
    // The font record of the chosen font tab (by its index: text, chord, tab, comment, highlight).
    const std::shared_ptr<FontPrefs> &fontPrefsOfTab(int index) const;
    // Points the font editor at the chosen font tab's record, under that tab.
    void showFontTab(int index);
    // Lays the preview out again for its scroll area, without auto-zoom, and redraws it.
    void fitPreview();

    Dialogs &m_dialogs;
    std::unique_ptr<Prefs> m_localprefs;
    SongPtr m_samplesong;
    QTabWidget *m_tabView = nullptr;
    QTabWidget *m_layoutTabView = nullptr;
    FontPrefsView *m_fontPrefsView = nullptr;
    SongViewWidget *m_songView = nullptr;
    QScrollArea *m_songScrollView = nullptr;
    QButtonGroup *m_chordsSegmentedControl = nullptr;
    QComboBox *m_numChordsButton = nullptr;
    QComboBox *m_userComboBox = nullptr;
    QComboBox *m_chorusPopupButton = nullptr;
    QComboBox *m_instrumentsPopupButton = nullptr;
    QPushButton *m_tuningButton = nullptr;
    QList<QLineEdit *> m_margins; // left, right, top, bottom
};
