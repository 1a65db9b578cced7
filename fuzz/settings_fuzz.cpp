// Settings, font settings and window layout files, hand-edited or damaged: any JSON reads into settings whose
// archive is stable, and the file readers refuse what they cannot use.
#include "fontprefs.h"
#include "fuzzcheck.h"
#include "fuzzsetup.h"
#include "prefs.h"
#include "prefsarchive.h"
#include "textfile.h"
#include "vellorinwindowlayout.h"

#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void readArchive(const QJsonObject &object)
{
    const std::unique_ptr<Prefs> prefs = PrefsArchive::decode(object);
    if (!prefs)
        return;
    const QJsonObject archive = PrefsArchive::encode(*prefs);
    const std::unique_ptr<Prefs> reread = PrefsArchive::decode(archive);
    FUZZ_CHECK(reread && PrefsArchive::encode(*reread) == archive);
}

void readFontRecord(const QJsonObject &object)
{
    FontPrefs record;
    record.fromDict(object);
    FontPrefs reread;
    reread.fromDict(record.toDict());
    FUZZ_CHECK(reread.toDict() == record.toDict());
    FontPrefs::fromCoder(object);
}

void readFiles(const QByteArray &bytes)
{
    const QString path = FuzzSetup::scratchFolder() + QStringLiteral("/input.json");
    FUZZ_CHECK(TextFile::writeBytes(path, bytes));
    static const std::unique_ptr<Prefs> prefs = PrefsArchive::decode(QJsonObject());
    prefs->importFontPrefs(path);
    if (const auto layout = VellorinWindowLayout::load(path))
        layout->isValid();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start<QGuiApplication>(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    readArchive(object);
    readFontRecord(object);
    if (const auto layout = VellorinWindowLayout::fromCoder(object))
        layout->isValid();
    readFiles(bytes);
    return 0;
}
