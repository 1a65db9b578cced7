// Where the benchmarks find their generated song folder (bench/run.sh makes it).
#pragma once

#include <QString>
#include <QStringList>

class Corpus
{
public:
    // The song folder named by VELLORIN_BENCH_CORPUS (default /tmp/vellorin-corpus/n1000).
    static QString folder();
    // The paths of one of the generator's lists ("songs.list", "long.list", ...), absolute.
    static QStringList list(const QString &name);
};
