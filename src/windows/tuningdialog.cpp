#include "tuningdialog.h"

#include "chords.h"
#include "dialogs.h"
#include "instrument.h"
#include "prefs.h"

TuningDialog::TuningDialog(Dialogs &dialogs)
    : m_dialogs(dialogs)
{}

bool TuningDialog::run(Prefs &prefs)
{
    Instrument *instrument = prefs.currentInstrument();
    Chords *chords = prefs.chords();
    if (!instrument || !chords)
        return false;
    Dialogs::TextPrompt prompt;
    prompt.title = tr("Tuning");
    // The field holds the plain note names in storage order, the form the instrument reads back; the names as
    // the user sees them elsewhere (Latin, German, left-handed order) would retune or be refused on OK.
    prompt.text = instrument->tuningDescription();
    prompt.placeholder = description(prefs);
    prompt.defaultButton = QStringLiteral("OK");
    prompt.alternateButton = tr("Cancel");
    prompt.otherButton = tr("Reset");
    const Dialogs::TextAnswer answer = m_dialogs.runTextAlert(prompt);
    const std::optional<Instrument::Tuning> typed = answer.button == Dialogs::Answer::Default
                                                        ? instrument->parseTuning(QStringLiteral("# ") + answer.text)
                                                        : std::nullopt;
    if (!typed && answer.button != Dialogs::Answer::Other)
        return false;
    // The tuning set here is the user's own, even while the shown song's tuning is in force: the user chord
    // file keeps only the user's own.
    instrument->setSongTuning(false);
    if (typed)
        instrument->setDeltaTuning(*typed);
    else
        instrument->resetTuning();
    // A file that cannot be written is logged; the tuning is in force all the same.
    chords->saveDefines();
    return true;
}

QString TuningDialog::description(const Prefs &prefs)
{
    const Instrument *instrument = prefs.currentInstrument();
    return instrument ? instrument->tuningDescription(prefs.chordDisplayOptions()) : QString();
}
