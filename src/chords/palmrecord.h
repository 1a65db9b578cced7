// One record of a Palm database (PDB) file: its data and the category the file files it under.
#pragma once

#include <QByteArray>
#include <QString>

struct PalmRecord
{
    quint32 resType = 0; // resource type (resource databases only)
    qint16 resId = 0;    // resource id (resource databases only)
    quint8 attrs = 0;    // record attributes; the low four bits index the category
    qint32 recId = 0;    // the record's unique id, 24 bits (record databases only)
    QByteArray data;
    QString category; // null when the file has no category block or no name at the record's index

    // Sets category from a standard category block (a 2-byte bit field, then 16 names of 16 bytes,
    // zero-terminated, Windows-1252). A block too short for the record's name leaves it null.
    void fillCategoryFromAppInfo(const QByteArray &appInfo);
};
