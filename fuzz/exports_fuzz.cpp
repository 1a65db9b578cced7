// Song texts exported as plain text, tab text, RTF and HTML: any text exports into files of its own, in a
// folder emptied for every input.
#include "fuzzcontext.h"
#include "fuzzsetup.h"
#include "song.h"
#include "textfile.h"

#include <QDir>
#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start<QGuiApplication>(argc, argv);
    static FuzzContext context;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QDir folder(FuzzSetup::scratchFolder() + QStringLiteral("/exports"));
    folder.removeRecursively();
    folder.mkpath(QStringLiteral("."));
    Song song;
    song.setText(TextFile::decode(FuzzSetup::bytesOf(data, size), TextFile::LastResort::Latin1).value_or(QString()));
    song.refreshTitleSubtitle();
    song.exportTXTtoURL(folder.filePath(QStringLiteral("song.txt")));
    song.exportTabtoURL(folder.filePath(QStringLiteral("song.tab")));
    song.exportRTFtoURL(folder.filePath(QStringLiteral("song.rtf")));
    song.exportHTMLtoURL(folder.path());
    return 0;
}
