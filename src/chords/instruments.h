// The instruments whose chord databases ship with the program, and which of them is current.
#pragma once

#include "instrument.h"

#include <QStringList>

#include <memory>
#include <vector>

class Instruments
{
public:
    // One instrument per chord database file ("<Title>.pdb") in the folder, sorted by title ignoring case.
    // The folder is the built-in databases' resource folder unless a test hands in its own.
    explicit Instruments(const QString &databaseFolder = defaultDatabaseFolder());
    Instruments(const Instruments &) = delete;
    Instruments &operator=(const Instruments &) = delete;

    static QString defaultDatabaseFolder();

    int count() const { return int(m_instruments.size()); }
    // The instruments keep their addresses for the list's lifetime: a chord library holds on to its own.
    Instrument &at(int index) { return *m_instruments.at(index); }
    const Instrument &at(int index) const { return *m_instruments.at(index); }
    // The titles (stored identifiers) in list order.
    QStringList titles() const;

    int currentIndex() const { return m_currentIndex; }
    // Null only for an empty list.
    Instrument *currentInstrument();
    const Instrument *currentInstrument() const;
    // An index outside the list selects the first instrument.
    void selectInstrument(int index);
    // Blanks in the title stand for "_", and case does not matter ("bass guitar" selects "Bass_Guitar").
    // An unknown title is logged and keeps the current instrument.
    bool selectInstrumentByTitle(const QString &title);

private:
    std::vector<std::unique_ptr<Instrument>> m_instruments;
    int m_currentIndex = 0;
};
