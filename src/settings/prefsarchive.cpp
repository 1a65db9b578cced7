// The settings archive: every persisted setting of Prefs under its key.
#include "prefsarchive.h"

#include "jsonfields.h"
#include "prefs.h"
#include "util.h"

#include <QJsonArray>

struct PrefsArchive::Writer
{
    QJsonObject archive;

    template <class Value> void field(const QString &key, const Value &value) { archive.insert(key, value); }
    void field(const QString &key, float value) { archive.insert(key, JsonFields::single(value)); }
    void field(const QString &key, double value) { archive.insert(key, JsonFields::single(value)); }
    void field(const QString &key, const QColor &value) { archive.insert(key, Util::jsonFromColor(value)); }
    void field(const QString &key, const QStringList &value) { archive.insert(key, QJsonArray::fromStringList(value)); }
    void field(const QString &key, const std::shared_ptr<FontPrefs> &value) { archive.insert(key, value->encode()); }
    void field(const QString &key, const std::shared_ptr<VellorinWindowLayout> &value)
    {
        archive.insert(key, value ? QJsonValue(value->encode()) : QJsonValue(QJsonValue::Null));
    }
    void field(const QString &key, const std::optional<QString> &value, Nil nil)
    {
        if (value || nil == Nil::Written)
            archive.insert(key, JsonFields::optionalString(value));
    }
};

struct PrefsArchive::Reader
{
    const QJsonObject &archive;

    template <class Value> void field(const QString &key, Value &value) { JsonFields::read(archive, key, value); }
    void field(const QString &key, std::optional<QString> &value, Nil) { JsonFields::read(archive, key, value); }
    void field(const QString &key, std::shared_ptr<FontPrefs> &value)
    {
        const QJsonValue coder = archive.value(key);
        if (coder.isObject())
            value = std::make_shared<FontPrefs>(FontPrefs::fromCoder(coder.toObject()));
    }
    void field(const QString &key, std::shared_ptr<VellorinWindowLayout> &value)
    {
        const QJsonValue coder = archive.value(key);
        if (coder.isNull())
            value.reset();
        else if (coder.isObject())
            value = VellorinWindowLayout::fromCoder(coder.toObject());
    }
};

template <class PrefsType, class Visitor> void PrefsArchive::visit(PrefsType &prefs, Visitor &visitor)
{
    visitor.field(QStringLiteral("songDirectoryURL"), prefs.m_songDirectoryPath);
    visitor.field(QStringLiteral("textfontprefs"), prefs.m_textfontprefs);
    visitor.field(QStringLiteral("chordfontprefs"), prefs.m_chordfontprefs);
    visitor.field(QStringLiteral("tabfontprefs"), prefs.m_tabfontprefs);
    visitor.field(QStringLiteral("commentfontprefs"), prefs.m_commentfontprefs);
    visitor.field(QStringLiteral("highlightfontprefs"), prefs.m_highlightfontprefs);
    visitor.field(QStringLiteral("zoomScale"), prefs.m_zoomScale);
    visitor.field(QStringLiteral("currentInstrumentTitle"), prefs.m_currentInstrumentTitle);
    visitor.field(QStringLiteral("lastInternetSearch"), prefs.m_lastInternetSearch);
    visitor.field(QStringLiteral("autozoom"), prefs.m_autozoom);
    visitor.field(QStringLiteral("clickableChords"), prefs.m_clickableChords);
    visitor.field(QStringLiteral("showTitleSubtitle"), prefs.m_showTitleSubtitle);
    visitor.field(QStringLiteral("invertSongChords"), prefs.m_invertSongChords);
    visitor.field(QStringLiteral("leftHandedChordDisplay"), prefs.m_leftHandedChordDisplay);
    visitor.field(QStringLiteral("latinChords"), prefs.m_latinChords);
    visitor.field(QStringLiteral("germanChords"), prefs.m_germanChords);
    visitor.field(QStringLiteral("markBaseInChord"), prefs.m_markBaseInChord);
    visitor.field(QStringLiteral("showChordDiagrams"), prefs.m_showChordDiagrams);
    visitor.field(QStringLiteral("largeChordDiagrams"), prefs.m_largeChordDiagrams);
    visitor.field(QStringLiteral("hideSongListTabbar"), prefs.m_hideSongListTabbar);
    visitor.field(QStringLiteral("tempo"), prefs.m_tempo);
    visitor.field(QStringLiteral("searchProvider"), prefs.m_searchProvider);
    visitor.field(QStringLiteral("metronomeTempo"), prefs.m_metronomeTempo);
    visitor.field(QStringLiteral("metronomeTick"), prefs.m_metronomeTick);
    visitor.field(QStringLiteral("metronomeFlash"), prefs.m_metronomeFlash);
    visitor.field(QStringLiteral("metronomeCountIn"), prefs.m_metronomeCountIn);
    visitor.field(QStringLiteral("metronomeColor"), prefs.m_metronomeColor);
    visitor.field(QStringLiteral("searchURLHistory"), prefs.m_searchURLHistory);
    visitor.field(QStringLiteral("sortIgnoreAThe"), prefs.m_sortIPodStyle);
    visitor.field(QStringLiteral("sortPlaylistsByDate"), prefs.m_sortPlaylistsByDate);
    visitor.field(QStringLiteral("sortbysubtitle"), prefs.m_sortbysubtitle);
    visitor.field(QStringLiteral("sortbykey"), prefs.m_sortbykey);
    visitor.field(QStringLiteral("editWithFixedFont"), prefs.m_editWithFixedFont);
    visitor.field(QStringLiteral("allowAutoCorrectInEditor"), prefs.m_allowAutoCorrectInEditor);
    visitor.field(QStringLiteral("showSongList"), prefs.m_showSongList);
    visitor.field(QStringLiteral("showSongView"), prefs.m_showSongView);
    visitor.field(QStringLiteral("showTimeColumn"), prefs.m_showTimeColumn);
    visitor.field(QStringLiteral("showSongEdit"), prefs.m_showSongEdit);
    visitor.field(QStringLiteral("currentCategory"), prefs.m_currentCategory, Nil::Omitted);
    visitor.field(QStringLiteral("currentTag"), prefs.m_currentTag, Nil::Omitted);
    visitor.field(QStringLiteral("currentSong"), prefs.m_currentSong, Nil::Written);
    visitor.field(QStringLiteral("currentPlaylist"), prefs.m_currentPlaylist, Nil::Written);
    visitor.field(QStringLiteral("printChords"), prefs.m_printChords);
    visitor.field(QStringLiteral("printMultiColumns"), prefs.m_printMultiColumns);
    visitor.field(QStringLiteral("printAutoZoom"), prefs.m_printAutoZoom);
    visitor.field(QStringLiteral("printOnlyDefinedChords"), prefs.m_printOnlyDefinedChords);
    visitor.field(QStringLiteral("inlinechords"), prefs.m_inlinechords);
    visitor.field(QStringLiteral("zoomScaleSecondary"), prefs.m_zoomScaleSecondary);
    visitor.field(QStringLiteral("autozoomSecondary"), prefs.m_autozoomSecondary);
    visitor.field(QStringLiteral("chorusMarker"), prefs.m_chorusMarker);
    visitor.field(QStringLiteral("leftPrintMargin"), prefs.m_leftPrintMargin);
    visitor.field(QStringLiteral("rightPrintMargin"), prefs.m_rightPrintMargin);
    visitor.field(QStringLiteral("topPrintMargin"), prefs.m_topPrintMargin);
    visitor.field(QStringLiteral("bottomPrintMargin"), prefs.m_bottomPrintMargin);
    visitor.field(QStringLiteral("showSongChords"), prefs.m_showSongChords);
    visitor.field(QStringLiteral("songChordsAtRight"), prefs.m_songChordsAtRight);
    visitor.field(QStringLiteral("ignoreUpdates"), prefs.m_ignoreUpdates);
    visitor.field(QStringLiteral("sortbydate"), prefs.m_sortbydate);
    visitor.field(QStringLiteral("sortbytime"), prefs.m_sortbytime);
    visitor.field(QStringLiteral("leftAlignTitle"), prefs.m_leftAlignTitle);
    visitor.field(QStringLiteral("numPrintChordsPerRow"), prefs.m_numPrintChordsPerRow);
    visitor.field(QStringLiteral("printChordsAtTop"), prefs.m_printChordsAtTop);
    visitor.field(QStringLiteral("supportTabs"), prefs.m_supportTabs);
    visitor.field(QStringLiteral("supportPDF"), prefs.m_supportPDF);
    visitor.field(QStringLiteral("searchPDFs"), prefs.m_searchPDFs);
    visitor.field(QStringLiteral("currentUser"), prefs.m_currentUser, Nil::Omitted);
    visitor.field(QStringLiteral("centerNarrowSongs"), prefs.m_centerNarrowSongs);
    visitor.field(QStringLiteral("startMusicWithAutoScroll"), prefs.m_startMusicWithAutoScroll);
    visitor.field(QStringLiteral("layout"), prefs.m_layout);
    visitor.field(QStringLiteral("syncViewWithEditor"), prefs.m_syncViewWithEditor);
    visitor.field(QStringLiteral("midi"), prefs.m_midi);
}

QJsonObject PrefsArchive::encode(const Prefs &prefs)
{
    Writer writer;
    visit(prefs, writer);
    return writer.archive;
}

std::unique_ptr<Prefs> PrefsArchive::decode(const QJsonObject &archive)
{
    auto prefs = std::make_unique<Prefs>();
    Reader reader{archive};
    visit(*prefs, reader);
    if (!archive.contains(QStringLiteral("songDirectoryURL")))
        JsonFields::read(archive, QStringLiteral("songDirectory"), prefs->m_songDirectoryPath);
    if (prefs->m_numPrintChordsPerRow < 4 || prefs->m_numPrintChordsPerRow > 12)
        prefs->m_numPrintChordsPerRow = 8;
    return prefs;
}
