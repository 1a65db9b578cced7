// chorddb: writes the built-in chord databases and a readable dump of each.
// Usage: chorddb <chord database folder> <dump folder>
#include "chorddatabasebuilder.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

bool writeDatabase(const Instrument &instrument, const QDir &databases, const QDir &dumps)
{
    const ChordDatabaseBuilder builder(instrument);
    QString error;
    const QString pdbPath = databases.filePath(instrument.title() + QStringLiteral(".pdb"));
    const QString dumpPath = dumps.filePath(instrument.title() + QStringLiteral(".txt"));
    if (!TextFile::writeBytes(pdbPath, builder.pdb(), &error) || !TextFile::write(dumpPath, builder.dump(), &error)) {
        std::fprintf(stderr, "chorddb: %s\n", qPrintable(error));
        return false;
    }
    std::printf("%s: %lld records, %lld chords not playable\n", qPrintable(instrument.title()),
                static_cast<long long>(builder.chords().size()), static_cast<long long>(builder.gaps().size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: chorddb <chord database folder> <dump folder>\n");
        return 2;
    }
    const QDir databases(arguments[1]);
    const QDir dumps(arguments[2]);
    if (!databases.mkpath(QStringLiteral(".")) || !dumps.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "chorddb: cannot create the output folders\n");
        return 1;
    }
    for (const Instrument &instrument : ChordDatabaseBuilder::instruments())
        if (!writeDatabase(instrument, databases, dumps))
            return 1;
    return 0;
}
