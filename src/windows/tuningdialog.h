// The question for the current instrument's tuning, shared by the preferences and chord library windows: OK
// takes the typed tuning, Reset the standard one; either writes the user chord file. Each window then brings its
// own controls up to date.
#pragma once

#include <QCoreApplication>
#include <QString>

class Dialogs;
class Prefs;

class TuningDialog
{
    Q_DECLARE_TR_FUNCTIONS(TuningDialog)

public:
    explicit TuningDialog(Dialogs &dialogs);

    // Asks for the tuning of the settings' current instrument. True when the tuning was taken or reset, and the
    // user chord file written (a failure is logged); a tuning the instrument refuses changes nothing and says
    // nothing.
    bool run(Prefs &prefs);
    // The tuning as the settings name notes and order strings, for the button that opens the dialog.
    static QString description(const Prefs &prefs);

private:
    Dialogs &m_dialogs;
};
