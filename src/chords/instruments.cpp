// The instruments whose chord databases ship with the program, and which of them is current.
#include "instruments.h"

#include "log.h"

#include <QDir>

#include <algorithm>

Instruments::Instruments(const QString &databaseFolder)
{
    const QDir folder(databaseFolder);
    const QStringList files = folder.entryList({QStringLiteral("*.pdb")}, QDir::Files);
    for (const QString &file : files)
        m_instruments.push_back(std::make_unique<Instrument>(Instrument::fromPath(folder.filePath(file))));
    std::stable_sort(m_instruments.begin(), m_instruments.end(),
                     [](const auto &a, const auto &b) { return a->compareTitle(*b) < 0; });
}

QString Instruments::defaultDatabaseFolder()
{
    return QStringLiteral(":/chords");
}

QStringList Instruments::titles() const
{
    QStringList titles;
    for (const auto &instrument : m_instruments)
        titles.append(instrument->title());
    return titles;
}

Instrument *Instruments::currentInstrument()
{
    return m_instruments.empty() ? nullptr : m_instruments[m_currentIndex].get();
}

const Instrument *Instruments::currentInstrument() const
{
    return m_instruments.empty() ? nullptr : m_instruments[m_currentIndex].get();
}

void Instruments::selectInstrument(int index)
{
    m_currentIndex = index >= 0 && index < count() ? index : 0;
}

bool Instruments::selectInstrumentByTitle(const QString &title)
{
    const QString wanted = QString(title).replace(u' ', u'_');
    for (int i = 0; i < count(); ++i) {
        if (at(i).title().compare(wanted, Qt::CaseInsensitive) == 0) {
            m_currentIndex = i;
            return true;
        }
    }
    Log::write(QStringLiteral("Instrument %1 not found").arg(wanted));
    return false;
}
