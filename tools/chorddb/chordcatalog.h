// Every chord the built-in databases hold, by the name the chord library files it under.
#pragma once

#include "chordtarget.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct CatalogChord
{
    QString name; // default-spelled root, the vocabulary's suffix, a default-spelled slash bass
    ChordTarget target;
    QStringList aliases; // the same chord as songs also write it, where the name rules do not map it
};

class ChordCatalog
{
public:
    // Root by root from C: each quality of the vocabulary, then the slash chords.
    static const QList<CatalogChord> &chords();
    // The chord that a catalog name or alias stands for.
    static std::optional<ChordTarget> targetForName(const QString &name);
};
