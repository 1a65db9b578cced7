// Every user setting, loading and saving the settings archive, and the application's folders.
#include "prefs.h"

#include "appcontext.h"
#include "chords.h"
#include "jsonfields.h"
#include "log.h"
#include "paths.h"
#include "prefsarchive.h"
#include "systemlook.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace {

const QString kPrefsFileName = QStringLiteral("prefs.json");
const QString kTemplateFileName = QStringLiteral("Template.pro");
const QString kTemplateResource = QStringLiteral(":/Template.pro");

// The font settings file's keys, in the order an import applies them.
const QString kFontKeys[] = {QStringLiteral("text"), QStringLiteral("chord"), QStringLiteral("tab"),
                             QStringLiteral("comment"), QStringLiteral("highlight")};

QString prefsPath()
{
    return QDir(Prefs::appDirectory()).filePath(kPrefsFileName);
}

void logWriteError(const QString &path, const QString &error)
{
    Log::write(QStringLiteral("Error writing %1: %2").arg(path, error));
}

// The archive as a JSON object, or nothing with the reason in *error.
std::optional<QJsonObject> readArchive(const QString &path, QString *error)
{
    const auto document = JsonFields::readFile(path, error);
    if (!document)
        return std::nullopt;
    if (!document->isObject()) {
        *error = QStringLiteral("not a settings archive");
        return std::nullopt;
    }
    return document->object();
}

// Keeps an archive that could not be read out of the way of the next save, so the user's settings in it
// are not overwritten by defaults.
void setAside(const QString &path)
{
    const QString aside = path + QStringLiteral(".bad");
    QFile::remove(aside);
    if (!QFile::rename(path, aside))
        Log::write(QStringLiteral("Could not move %1 aside to %2").arg(path, aside));
}

// Puts the new-song template into the support folder unless the user already has one there.
void installSongTemplate()
{
    const QString path = Prefs::songTemplatePath();
    if (QFileInfo::exists(path))
        return;
    QString error;
    const auto text = TextFile::read(kTemplateResource, TextFile::LastResort::None, &error);
    if (!text) {
        Log::write(QStringLiteral("Error reading %1: %2").arg(kTemplateResource, error));
        return;
    }
    if (!TextFile::write(path, *text, &error))
        logWriteError(path, error);
}

} // namespace

Prefs::Prefs()
    : m_songDirectoryPath(defaultSongDirectory())
    , m_textfontprefs(std::make_shared<FontPrefs>())
    , m_chordfontprefs(std::make_shared<FontPrefs>())
    , m_tabfontprefs(std::make_shared<FontPrefs>())
    , m_commentfontprefs(std::make_shared<FontPrefs>())
    , m_highlightfontprefs(std::make_shared<FontPrefs>())
{
    m_chordfontprefs->setName(SystemLook::chordFontFamily());
    m_chordfontprefs->setBold(true);
    m_chordfontprefs->setSize(0.8 * SystemLook::systemFontSize());
    m_chordfontprefs->setColor(SystemLook::indigoColor());
    m_tabfontprefs->setFixed(true);
    m_commentfontprefs->setColor(SystemLook::textBackgroundColor());
    m_commentfontprefs->setBackgroundColor(SystemLook::textColor());
    QColor highlight = SystemLook::yellowColor();
    highlight.setAlphaF(0.6f);
    m_highlightfontprefs->setBackgroundColor(highlight);
}

Prefs::~Prefs() = default;

std::unique_ptr<Prefs> Prefs::initFromFileSystem(const QString &chordDatabaseFolder)
{
    const QString path = prefsPath();
    std::unique_ptr<Prefs> prefs;
    if (QFileInfo::exists(path)) {
        QString error;
        if (const auto archive = readArchive(path, &error)) {
            prefs = PrefsArchive::decode(*archive);
        } else {
            Log::write(QStringLiteral("Error reading %1: %2").arg(path, error));
            setAside(path);
        }
    }
    if (!prefs)
        prefs = std::make_unique<Prefs>();
    prefs->m_instruments = std::make_unique<Instruments>(chordDatabaseFolder);
    // Without any chord database there is nothing to choose from, and nothing worth a "not found".
    if (prefs->m_instruments->count() > 0)
        prefs->m_instruments->selectInstrumentByTitle(prefs->m_currentInstrumentTitle);
    installSongTemplate();
    return prefs;
}

std::unique_ptr<Prefs> Prefs::copy() const
{
    std::unique_ptr<Prefs> copy = PrefsArchive::decode(PrefsArchive::encode(*this));
    // The archive leaves out the italic trait and keeps sizes at single precision: the records are copied whole.
    copy->m_textfontprefs = std::make_shared<FontPrefs>(*m_textfontprefs);
    copy->m_chordfontprefs = std::make_shared<FontPrefs>(*m_chordfontprefs);
    copy->m_tabfontprefs = std::make_shared<FontPrefs>(*m_tabfontprefs);
    copy->m_commentfontprefs = std::make_shared<FontPrefs>(*m_commentfontprefs);
    copy->m_highlightfontprefs = std::make_shared<FontPrefs>(*m_highlightfontprefs);
    copy->m_showlyricsonly = m_showlyricsonly;
    copy->m_showlyricsonlyOnSecondaryDisplay = m_showlyricsonlyOnSecondaryDisplay;
    copy->m_showchordsonly = m_showchordsonly;
    copy->m_showPlaylists = m_showPlaylists;
    copy->m_showTags = m_showTags;
    copy->m_audioSpeedPercent = m_audioSpeedPercent;
    return copy;
}

ChordDisplayOptions Prefs::chordDisplayOptions() const
{
    ChordDisplayOptions options;
    options.latinChords = m_latinChords;
    options.germanChords = m_germanChords;
    options.leftHandedChordDisplay = m_leftHandedChordDisplay;
    return options;
}

Instrument *Prefs::currentInstrument() const
{
    return m_instruments ? m_instruments->currentInstrument() : nullptr;
}

void Prefs::selectInstrument(int index)
{
    if (!m_instruments)
        return;
    m_instruments->selectInstrument(index);
    instrumentSelected();
}

bool Prefs::selectInstrumentByTitle(const QString &title)
{
    if (!m_instruments || !m_instruments->selectInstrumentByTitle(title))
        return false;
    instrumentSelected();
    return true;
}

void Prefs::instrumentSelected()
{
    if (const Instrument *instrument = currentInstrument())
        m_currentInstrumentTitle = instrument->title();
    initChordsForCurrentInstrument();
}

void Prefs::initChordsForCurrentInstrument()
{
    m_chords.reset();
    if (Instrument *instrument = currentInstrument())
        m_chords = std::make_unique<Chords>(*instrument, instrument->definedChordsPath(m_songDirectoryPath));
}

bool Prefs::save() const
{
    const QString path = prefsPath();
    QString error;
    if (TextFile::writeBytes(path, QJsonDocument(PrefsArchive::encode(*this)).toJson(), &error)) {
        m_saveFailureTold = false;
        return true;
    }
    logWriteError(path, error);
    if (!std::exchange(m_saveFailureTold, true))
        AppContext::instance()->reportFailedWrite(QCoreApplication::translate("Prefs", "The preferences"), error);
    return false;
}

QString Prefs::appDirectory()
{
    return Paths::supportDirectory();
}

QString Prefs::docDirectory()
{
    return Paths::documentsDirectory();
}

QString Prefs::songDirectory()
{
    const Prefs *shared = AppContext::instance()->prefs();
    return shared ? shared->songDirectoryPath() : QString();
}

QString Prefs::songTemplatePath()
{
    return QDir(appDirectory()).filePath(kTemplateFileName);
}

QString Prefs::defaultSongDirectory()
{
    const QString dropbox = QDir(Paths::homeDirectory()).filePath(QStringLiteral("Dropbox/Vellorin"));
    if (QFileInfo(dropbox).isDir())
        return dropbox;
    return QDir(docDirectory()).filePath(QStringLiteral("Vellorin"));
}

bool Prefs::isColorWhiteOrTransparent(const QColor &color)
{
    if (!color.isValid() || color.alphaF() <= 0.01f)
        return true;
    const QColor rgb = color.toRgb();
    return rgb.redF() >= 0.99f && rgb.greenF() >= 0.99f && rgb.blueF() >= 0.99f;
}

void Prefs::adjustColorsForPrinting()
{
    const QColor black(Qt::black);
    if (isColorWhiteOrTransparent(m_textfontprefs->color()))
        m_textfontprefs->setColor(black);
    // White chord, tab or comment text on a dark background still shows on white paper.
    for (FontPrefs *record : {m_chordfontprefs.get(), m_tabfontprefs.get(), m_commentfontprefs.get()})
        if (isColorWhiteOrTransparent(record->color()) && isColorWhiteOrTransparent(record->backgroundColor()))
            record->setColor(black);
}

void Prefs::copyLayoutFromPrefs(const Prefs &other)
{
    m_textfontprefs = other.m_textfontprefs;
    m_chordfontprefs = other.m_chordfontprefs;
    m_tabfontprefs = other.m_tabfontprefs;
    m_commentfontprefs = other.m_commentfontprefs;
    m_highlightfontprefs = other.m_highlightfontprefs;
}

std::array<FontPrefs *, 5> Prefs::fontRecords() const
{
    return {m_textfontprefs.get(), m_chordfontprefs.get(), m_tabfontprefs.get(), m_commentfontprefs.get(),
            m_highlightfontprefs.get()};
}

bool Prefs::exportFontPrefs(const QString &path) const
{
    QJsonObject file;
    const auto records = fontRecords();
    for (size_t i = 0; i < records.size(); ++i)
        file.insert(kFontKeys[i], records[i]->toDict());
    QString error;
    if (TextFile::writeBytes(path, QJsonDocument(file).toJson(QJsonDocument::Compact), &error))
        return true;
    Log::write(QStringLiteral("Error writing font prefs JSON: %1").arg(error));
    return false;
}

bool Prefs::importFontPrefs(const QString &path)
{
    QString error;
    bool notJson = false;
    const auto document = JsonFields::readFile(path, &error, &notJson);
    if (!document || !document->isObject()) {
        if (notJson)
            Log::write(QStringLiteral("Error reading font prefs json: %1").arg(error));
        else
            Log::write(QStringLiteral("Error loading fonts prefs: %1")
                           .arg(document ? QStringLiteral("not an object") : error));
        return false;
    }
    const QJsonObject object = document->object();
    const auto records = fontRecords();
    for (size_t i = 0; i < records.size(); ++i) {
        const QJsonValue entry = object.value(kFontKeys[i]);
        if (entry.isObject())
            records[i]->fromDict(entry.toObject());
        else if (!entry.isUndefined())
            Log::write(QStringLiteral("Error converting font prefs:\"%1\" is not an object").arg(kFontKeys[i]));
    }
    return true;
}
