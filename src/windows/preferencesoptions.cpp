// The preferences window's controls: loaded from the application's settings, written back by Done, and the three
// that act at once (chorus marker, instrument, tuning).
#include "preferencescontroller.h"

#include "appcontext.h"
#include "instrument.h"
#include "instruments.h"
#include "instrumentspopup.h"
#include "prefs.h"
#include "songviewviewcontroller.h"
#include "tuningdialog.h"
#include "vellorinappdelegate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

// The check boxes: each shows one setting and writes it back on Done.
struct CheckOption
{
    const char *name;
    const char *label;
    bool (Prefs::*get)() const;
    void (Prefs::*set)(bool);
};

const CheckOption checkOptions[] = {
    {"printChordsButton", QT_TRANSLATE_NOOP("PreferencesController", "Include song chords in printout"),
     &Prefs::printChords, &Prefs::setPrintChords},
    {"printOnlyDefinedChordsButton", QT_TRANSLATE_NOOP("PreferencesController", "Only defined chords"),
     &Prefs::printOnlyDefinedChords, &Prefs::setPrintOnlyDefinedChords},
    {"printChordsAtTopButton", QT_TRANSLATE_NOOP("PreferencesController", "Chords at top"), &Prefs::printChordsAtTop,
     &Prefs::setPrintChordsAtTop},
    {"printMultipleColumnsButton", QT_TRANSLATE_NOOP("PreferencesController", "Multiple columns"),
     &Prefs::printMultiColumns, &Prefs::setPrintMultiColumns},
    {"printAutoZoom", QT_TRANSLATE_NOOP("PreferencesController", "Auto-Zoom"), &Prefs::printAutoZoom,
     &Prefs::setPrintAutoZoom},
    {"leftHandedChordsButton", QT_TRANSLATE_NOOP("PreferencesController", "Left-handed chords"),
     &Prefs::leftHandedChordDisplay, &Prefs::setLeftHandedChordDisplay},
    {"markBaseInChordsButton", QT_TRANSLATE_NOOP("PreferencesController", "Mark base tone in chords"),
     &Prefs::markBaseInChord, &Prefs::setMarkBaseInChord},
    {"largeChordDiagrams", QT_TRANSLATE_NOOP("PreferencesController", "Large chord diagrams"),
     &Prefs::largeChordDiagrams, &Prefs::setLargeChordDiagrams},
    {"tabSupportButton", QT_TRANSLATE_NOOP("PreferencesController", "Tab Support"), &Prefs::supportTabs,
     &Prefs::setSupportTabs},
    {"sortIpodStyleButton", QT_TRANSLATE_NOOP("PreferencesController", "Ignore A/The when sorting"),
     &Prefs::sortIPodStyle, &Prefs::setSortIPodStyle},
};

// The margin fields in their order: left, right, top, bottom (percent of the paper's width or height).
struct MarginOption
{
    double (Prefs::*get)() const;
    void (Prefs::*set)(double);
};

const MarginOption marginOptions[] = {
    {&Prefs::leftPrintMargin, &Prefs::setLeftPrintMargin},
    {&Prefs::rightPrintMargin, &Prefs::setRightPrintMargin},
    {&Prefs::topPrintMargin, &Prefs::setTopPrintMargin},
    {&Prefs::bottomPrintMargin, &Prefs::setBottomPrintMargin},
};

enum ChordNaming { Standard, Latin, German };

// A margin as typed: at least 0, and 0 for anything that is not a finite number ("inf" and "nan" read as numbers).
double marginOf(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::max(value, 0.0) : 0.0;
}

Prefs &appPrefs()
{
    return *AppContext::instance()->prefs();
}

} // namespace

void PreferencesController::makeCheckBoxes()
{
    for (const CheckOption &option : checkOptions)
        (new QCheckBox(tr(option.label), this))->setObjectName(QLatin1String(option.name));
}

QCheckBox *PreferencesController::checkBox(const char *name) const
{
    return findChild<QCheckBox *>(QLatin1String(name));
}

void PreferencesController::fillUsers()
{
    m_userComboBox->clear();
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (delegate && delegate->currentSong())
        m_userComboBox->addItems(delegate->currentSong()->users());
}

void PreferencesController::loadOptions()
{
    const Prefs &prefs = appPrefs();
    fillInstruments();
    // Latin wins when both flags are on, as chord names are drawn.
    const int naming = prefs.latinChords() ? Latin : prefs.germanChords() ? German : Standard;
    m_chordsSegmentedControl->button(naming)->setChecked(true);
    for (const CheckOption &option : checkOptions)
        checkBox(option.name)->setChecked((prefs.*option.get)());
    printChordsChanged();
    for (int index = 0; index < m_margins.size(); ++index)
        m_margins[index]->setText(QString::number((prefs.*marginOptions[index].get)()));
    m_numChordsButton->setCurrentText(QString::number(prefs.numPrintChordsPerRow()));
    m_userComboBox->setEditText(prefs.currentUser().value_or(QString()));
    fillChorusMarkerTypes();
    showTuning();
}

void PreferencesController::done()
{
    Prefs &prefs = appPrefs();
    const int naming = m_chordsSegmentedControl->checkedId();
    prefs.setLatinChords(naming == Latin);
    prefs.setGermanChords(naming == German);
    for (const CheckOption &option : checkOptions)
        (prefs.*option.set)(checkBox(option.name)->isChecked());
    storeMargins(prefs);
    prefs.setNumPrintChordsPerRow(m_numChordsButton->currentText().toLongLong());
    prefs.setCurrentUser(m_userComboBox->currentText());
    prefs.copyLayoutFromPrefs(*m_localprefs);
    prefs.save();
    if (VellorinAppDelegate *delegate = VellorinAppDelegate::instance()) {
        if (SongListPane *songList = delegate->panes().songList)
            songList->refresh();
        if (SongViewViewController *songPane = delegate->songViewViewController())
            songPane->refresh();
    }
    cancel();
}

void PreferencesController::storeMargins(Prefs &prefs)
{
    // Left with right and top with bottom: a pair adding up to more than 80 percent becomes 40 and 40.
    for (int first = 0; first < m_margins.size(); first += 2) {
        double margins[] = {marginOf(m_margins[first]->text()), marginOf(m_margins[first + 1]->text())};
        if (margins[0] + margins[1] > 80) {
            margins[0] = margins[1] = 40;
            m_margins[first]->setText(QStringLiteral("40"));
            m_margins[first + 1]->setText(QStringLiteral("40"));
        }
        for (int side = 0; side < 2; ++side)
            (prefs.*marginOptions[first + side].set)(margins[side]);
    }
}

void PreferencesController::cancel()
{
    close();
}

void PreferencesController::printChordsChanged()
{
    const bool printChords = checkBox("printChordsButton")->isChecked();
    checkBox("printOnlyDefinedChordsButton")->setEnabled(printChords);
    m_numChordsButton->setEnabled(printChords);
}

void PreferencesController::fillInstruments()
{
    const Instruments *instruments = appPrefs().instruments();
    if (!instruments) {
        m_instrumentsPopupButton->clear();
        return;
    }
    InstrumentsPopup::fill(*m_instrumentsPopupButton, *instruments);
}

void PreferencesController::selectInstrument(int index)
{
    Prefs &prefs = appPrefs();
    prefs.selectInstrumentByTitle(InstrumentsPopup::titleAt(*m_instrumentsPopupButton, index));
    prefs.save();
    showTuning();
}

void PreferencesController::fillChorusMarkerTypes()
{
    m_chorusPopupButton->clear();
    m_chorusPopupButton->addItems({tr("Bars"), tr("Indent"), tr("Shade")});
    m_chorusPopupButton->setCurrentIndex(appPrefs().chorusMarker());
}

void PreferencesController::selectChorusMarkerType(int index)
{
    Prefs &prefs = appPrefs();
    prefs.setChorusMarker(index);
    prefs.save();
}

void PreferencesController::changeTuning()
{
    if (TuningDialog(m_dialogs).run(appPrefs()))
        showTuning();
}

void PreferencesController::showTuning()
{
    const Instrument *instrument = appPrefs().currentInstrument();
    m_tuningButton->setText(TuningDialog::description(appPrefs()));
    m_tuningButton->setVisible(instrument && !instrument->isKeyboard());
}
