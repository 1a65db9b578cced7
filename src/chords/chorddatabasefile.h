// Reading and writing chord database files: Palm databases (PDB) whose records hold one chord each.
#pragma once

#include "palmrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class ChordDatabaseFile
{
public:
    // Record databases list (offset, attributes, id) per record; resource databases (type, id, offset).
    enum class Kind { Records, Resources };

    // The most bytes the area between the record list and the first record may hold (pad and category block).
    static constexpr qsizetype maxAppInfoArea = 131072;

    // Appends one record per record of the file and answers true. A missing, unreadable or damaged file
    // (too short, offsets inside the list, out of order or past the end, no records) appends nothing,
    // answers false and is logged. Nothing is ever read past the data. Safe on any thread.
    static bool loadPdbFromPath(const QString &path, QList<PalmRecord> &records);
    static bool loadPdbFromData(const QByteArray &data, QList<PalmRecord> &records);

    // A database holding the records in order, with appInfo as its application info block (usually
    // categoryBlock()); the name is stored in Latin-1, cut to 31 bytes. Empty for more than 65535 records.
    static QByteArray writePdb(const QString &name, const QList<PalmRecord> &records,
                               const QByteArray &appInfo = QByteArray(), Kind kind = Kind::Records);
    // The standard category block for up to 16 names (Latin-1, cut to 15 bytes).
    static QByteArray categoryBlock(const QStringList &names);
};
