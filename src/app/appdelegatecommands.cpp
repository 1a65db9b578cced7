// The delegate's menus and toolbar: which command each action runs, when the actions may run, and the commands
// that forward to the panes, sort the list, insert templates and open the help pages.
#include "vellorinappdelegate.h"

#include "instrument.h"
#include "log.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "panesplitview.h"
#include "paths.h"
#include "prefs.h"
#include "songdisplay.h"
#include "songviewviewcontroller.h"
#include "textfile.h"
#include "urlopener.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSysInfo>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <utility>

const QString VellorinAppDelegate::supportAddress = QStringLiteral("support@vellorin.example");

namespace {

// The insert templates by number (the item's data); "X" stands for the text the editor selects.
const char *const insertTemplates[] = {
    "[X]",        "{c:X}\n",      "{soc}\nX\n{eoc}\n", "{sot}\nX\n{eot}\n", "{soh}X{eoh}",           "{define: X}\n",
    "{key: X}\n", "{pause: X}\n", "{new_page}\n",      "{sog}\nX\n{eog}\n", "{image src=\"...\"}\n",
};

// Runs a text command (undo, copy, …) on the widget that has the keyboard, when it has one of that name.
void forwardToFocusWidget(const char *command)
{
    QWidget *widget = QApplication::focusWidget();
    const QByteArray signature = QByteArray(command) + "()";
    if (widget && widget->metaObject()->indexOfMethod(signature.constData()) >= 0)
        QMetaObject::invokeMethod(widget, command);
}

} // namespace

void VellorinAppDelegate::connectCommands()
{
    // Every command of the menus, by action name. An action without a command here stays disabled.
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"actNewDocument", [this] { newDocument(); }},
        {"actOpenDocument", [this] { openDocument(); }},
        {"actSaveDocument", [this] { saveDocument(); }},
        {"actDuplicate", [this] { duplicate(); }},
        {"actPrintDocument", [this] { printDocument(); }},
        {"actRunPageLayout", [this] { runPageLayout(); }},
        {"actSelectSongDir", [this] { selectSongDir(); }},
        {"actSaveLayoutToFile", [this] { m_splitView->saveLayoutToFile(); }},
        {"actExportRTF", [this] { exportRTF(); }},
        {"actExportTab", [this] { exportTab(); }},
        {"actExportHTML", [this] { exportHTML(); }},
        {"actExportTXT", [this] { exportTXT(); }},
        {"actQuit", [this] { m_window->close(); }},

        {"actUndo", [] { forwardToFocusWidget("undo"); }},
        {"actRedo", [] { forwardToFocusWidget("redo"); }},
        {"actCut", [] { forwardToFocusWidget("cut"); }},
        {"actCopy", [] { forwardToFocusWidget("copy"); }},
        {"actPaste", [] { forwardToFocusWidget("paste"); }},
        {"actSelectAll", [] { forwardToFocusWidget("selectAll"); }},
        {"actFind", [this] { performTextFinderAction(); }},
        {"actConvertTabToChordpro", [this] { convertTabToChordpro(); }},

        {"actShowSongList", [this] { m_splitView->showList(PaneSplitView::SongListType); }},
        {"actShowTags", [this] { m_splitView->showList(PaneSplitView::TagsType); }},
        {"actShowPlaylists", [this] { m_splitView->showList(PaneSplitView::PlaylistsType); }},
        {"actShowSongView", [this] { m_splitView->toggleSongView(); }},
        {"actShowSongEdit", [this] { m_splitView->toggleSongEdit(); }},
        {"actSaveLayout", [this] { m_splitView->saveLayout(); }},
        {"actRestoreLayout", [this] { m_splitView->restoreLayout(); }},

        {"actZoomIn", [this] { zoom(ZoomStep::In); }},
        {"actZoomOut", [this] { zoom(ZoomStep::Out); }},
        {"actResetZoom", [this] { zoom(ZoomStep::Reset); }},
        {"actAutoZoom", [this] { toggleAutoZoom(); }},
        {"actInlineChords", [this] { toggleInlineChords(); }},
        {"actChordDiagrams", [this] { showChordDiagrams(); }},
        {"actNoChords", [this] { noChordsOnSongView(); }},
        {"actShowTitle", [this] { toggleShowSongTitle(); }},
        {"actTitleCentered", [this] { toggleTitleCentered(); }},
        {"actCenterNarrowSongs", [this] { toggleCenterNarrowSongs(); }},
        {"actShowTimeColumn", [this] { toggleShowTimeColumn(); }},
        {"actEditWithFixedFont", [this] { setEditWithFixedFont(!m_prefs->editWithFixedFont()); }},
        {"actShowSongChords", [this] { showHideSongChords(); }},
        {"actSongChordsAtRight", [this] { toggleSongChordsAtRight(); }},
        {"actShowSecondarySongView", [this] { showSecondarySongView(); }},
        {"actSecondaryAutoZoom", [this] { toggleSecondaryAutoZoom(); }},
        {"actSecondaryNoChords", [this] { noChordsOnSecondarySongView(); }},

        {"actToggleTransposeToolbar", [this] { onSongViewShown(&SongViewViewController::toggleTransposeToolbar); }},
        {"actToggleAutoScrollToolbar", [this] { onSongViewShown(&SongViewViewController::toggleAutoScrollToolbar); }},
        {"actToggleMetronome", [this] { onSongViewShown(&SongViewViewController::toggleMetronomeToolbar); }},
        {"actStartStopMetronome", [this] { onSongViewShown(&SongViewViewController::startStopMetronome); }},
        {"actStartMusicWithAutoScroll", [this] { toggleStartMusicWithAutoScroll(); }},
        {"actLinkWithMusic", [this] { linkWithMusic(); }},
        {"actPlayMusic", [this] { playMusic(); }},
        {"actSkipMusicForward", [this] { skipMusicForward(); }},
        {"actSkipMusicBackward", [this] { skipMusicBackward(); }},
        {"actTransposeUp", [this] { m_songViewViewController->transposeUp(); }},
        {"actTransposeDown", [this] { m_songViewViewController->transposeDown(); }},
        {"actTransposeAllSharp", [this] { m_songViewViewController->transposeAllsharp(); }},
        {"actTransposeAllB", [this] { m_songViewViewController->transposeAllb(); }},
        // As the toolbar's Save: the playlist entry's key follows the saved song.
        {"actTransposeSave", [this] { m_songViewViewController->transposeSave(); }},
        {"actTransposeReset", [this] { transposeReset(); }},
        {"actNextSong", [this] { nextSong(); }},
        {"actPrevSong", [this] { prevSong(); }},
        {"actSetKey", [this] { setKey(); }},
        {"actConvertToNNS", [this] { convertToNNS(); }},
        {"actConvertFromNNS", [this] { convertFromNNS(); }},
        {"actStartStopAutoScroll", [this] { m_songViewViewController->startStopAutoScroll(); }},
        {"actAutoScrollFaster", [this] { m_songViewViewController->autoScrollFaster(); }},
        {"actAutoScrollSlower", [this] { m_songViewViewController->autoScrollSlower(); }},
        {"actAutoScrollSave", [this] { autoScrollSave(); }},
        {"actDeleteSongs", [this] { onSongList(&SongListPane::deleteSelectedSongs); }},
        {"actChangeCategory", [this] { onSongList(&SongListPane::changeCategoryOfSelectedSongs); }},
        {"actSortByTitle", [this] { sortBy(nullptr); }},
        {"actSortBySubtitle", [this] { sortBy(&Prefs::setSortbysubtitle); }},
        {"actSortByKey", [this] { sortBy(&Prefs::setSortbykey); }},
        {"actSortByDate", [this] { sortBy(&Prefs::setSortbydate); }},

        {"actToggleMIDI", [this] { toggleMIDI(); }},
        {"actTogglePlayTogether", [this] { togglePlayTogether(); }},
        {"actShowChords", [this] { showChords(); }},
        {"actShowPreferences", [this] { showPreferences(); }},

        {"actShowHelp", [] { openHelpPage(QStringLiteral("help.html")); }},
        {"actChordproFormatHelp", [] { openHelpPage(QStringLiteral("chordpro.html")); }},
        {"actSampleSong", [this] { sampleSong(); }},
        {"actContact", [] { contact(); }},
    };
    for (const auto &[name, command] : commands)
        m_menus->setCommand(QString::fromLatin1(name), command);
    for (QAction *item : m_menus->menu(QStringLiteral("menuChordpro"))->actions()) {
        // The insert items carry their template's number; the submenu's other items have commands above.
        if (const int tag = item->data().toInt())
            m_menus->setCommand(item->objectName(), [this, tag] { insertChordproControl(tag); });
    }
}

void VellorinAppDelegate::startUpdatingCommandStates()
{
    m_commandState = std::make_unique<CommandState>(*m_menus, [this] { return commandInputs(); });
    connect(m_menus, &MainMenus::aboutToShowMenu, this, &VellorinAppDelegate::updateCommandStates);
    connect(m_songViewViewController, &SongViewViewController::transposeCanSaveChanged, this,
            &VellorinAppDelegate::updateCommandStates);
    connect(m_songViewViewController, &SongViewViewController::autoScrollCanSaveChanged, this,
            &VellorinAppDelegate::updateCommandStates);
    connect(qApp, &QApplication::focusChanged, this, &VellorinAppDelegate::updateCommandStates);
    connect(m_splitView, &PaneSplitView::panesChanged, this, &VellorinAppDelegate::updateCommandStates);
    updateCommandStates();
}

void VellorinAppDelegate::updateCommandStates()
{
    if (m_commandState)
        m_commandState->update();
    // The transposition bar's own controls follow the same rule as the menu's transposition items.
    if (m_songViewViewController)
        m_songViewViewController->setTranspositionEnabled(m_currentSong && transposeEnabled());
}

CommandState::Inputs VellorinAppDelegate::commandInputs() const
{
    CommandState::Inputs in;
    in.hasSong = canLinkMusic();
    in.hasMusic = canPlayMusic();
    in.isNormalSong = m_currentSong && transposeEnabled();
    in.isNNS = m_currentSong && m_currentSong->isNNS();
    if (m_songViewViewController) {
        const SongPtr &shown = m_songViewViewController->song();
        in.hasKey = shown && shown->hasKey();
        in.transpose = m_songViewViewController->songView().transpose();
        in.hasSongChords = m_songViewViewController->hasSongChords();
        in.canAutoScroll = m_songViewViewController->canAutoScroll();
        in.autoScrollCanSave = m_songViewViewController->autoScrollCanSave();
        in.transposeToolbarShown = m_songViewViewController->transposeToolbarVisible();
    }
    in.songViewVisible = isSongViewVisible();
    in.songEditVisible = isSongEditVisible();
    in.editorHasFocus = m_panes.songEdit && m_panes.songEdit->textHasFocus();
    const Instrument *instrument = m_prefs->currentInstrument();
    in.keyboardInstrument = instrument && instrument->isKeyboard();
    in.hasNextSong = canStepSong(1);
    in.hasPrevSong = canStepSong(-1);
    if (m_splitView) {
        const bool songListShown =
            m_splitView->isSongListVisible() && m_splitView->selectedListType() == PaneSplitView::SongListType;
        in.songListShown = songListShown;
        // The tags list sorts through the same settings as the song list.
        ListPane *shown = steppedList();
        in.canViewSort =
            m_splitView->isSongListVisible() && shown && shown != m_panes.playlists && shown->widget()->width() > 0;
        in.canRestoreLayout = m_splitView->canRestoreLayout();
    }
    in.midiOn = m_prefs->midi();
    in.midiConnections = midiConnectionsAsString();
    return in;
}

void VellorinAppDelegate::setChecked(const QString &actionName, bool on)
{
    if (QAction *item = m_menus->action(actionName))
        item->setChecked(on);
}

void VellorinAppDelegate::setMenuStatesFromSettings()
{
    const Prefs &prefs = *m_prefs;
    const std::pair<const char *, bool> states[] = {
        {"actInlineChords", prefs.inlinechords()},
        {"actTitleCentered", !prefs.leftAlignTitle()},
        {"actCenterNarrowSongs", prefs.centerNarrowSongs()},
        {"actShowTimeColumn", prefs.showTimeColumn()},
        {"actShowTitle", prefs.showTitleSubtitle()},
        {"actSecondaryAutoZoom", prefs.autozoomSecondary()},
        {"actAutoZoom", prefs.autozoom()},
        {"actSecondaryNoChords", prefs.showlyricsonlyOnSecondaryDisplay()},
        {"actNoChords", prefs.showlyricsonly()},
        {"actChordDiagrams", prefs.showChordDiagrams()},
        {"actToggleMIDI", prefs.midi()},
        {"actStartMusicWithAutoScroll", prefs.startMusicWithAutoScroll()},
        {"actShowSongChords", prefs.showSongChords()},
        {"actSongChordsAtRight", prefs.songChordsAtRight()},
        {"actEditWithFixedFont", prefs.editWithFixedFont()},
    };
    for (const auto &[name, on] : states)
        setChecked(QString::fromLatin1(name), on);
}

void VellorinAppDelegate::setSongStepKeysEnabled(bool enabled)
{
    if (m_menus)
        m_menus->setSongStepKeysEnabled(enabled);
}

void VellorinAppDelegate::addToolbarItems()
{
    QToolBar *toolbar = m_window->mainToolbar();
    const std::pair<const char *, QString> items[] = {
        {"actNewDocument", tr("New Song")},
        {"actToggleTransposeToolbar", tr("Transpose")},
        {"actToggleAutoScrollToolbar", tr("Auto-Scroll")},
    };
    toolbar->addSeparator();
    for (const auto &[name, label] : items) {
        QAction *command = m_menus->action(QString::fromLatin1(name));
        auto *button = new QToolButton;
        button->setObjectName(QString::fromLatin1(name).replace(0, 3, QStringLiteral("toolbar")));
        button->setText(label);
        button->setToolTip(command->text());
        button->setEnabled(command->isEnabled());
        connect(button, &QToolButton::clicked, command, &QAction::trigger);
        connect(command, &QAction::enabledChanged, button, &QToolButton::setEnabled);
        toolbar->addWidget(button);
    }
    // The sharing switch is the menu's own action, so both show the same state.
    toolbar->addAction(m_menus->action(QStringLiteral("actTogglePlayTogether")));
}

void VellorinAppDelegate::selectSongDir()
{
    if (m_panes.songList)
        m_panes.songList->selectSongDir();
}

void VellorinAppDelegate::onSongViewShown(void (SongViewViewController::*command)())
{
    if (!isSongViewVisible())
        m_splitView->toggleSongView();
    (m_songViewViewController->*command)();
    // The transposition bar's item stays enabled while its bar is shown.
    updateCommandStates();
}

void VellorinAppDelegate::onSongList(void (SongListPane::*command)())
{
    // The selection it acts on is the one the user sees.
    if (m_panes.songList && commandInputs().songListShown)
        (m_panes.songList->*command)();
}

void VellorinAppDelegate::insertChordproControl(int tag)
{
    if (tag < 1 || tag > int(std::size(insertTemplates))) {
        Log::write(QStringLiteral("Invalid chordpro insert menu item"));
        return;
    }
    if (!isSongEditVisible() || !m_panes.songEdit->textHasFocus())
        return;
    m_panes.songEdit->insertChordproControl(QString::fromUtf8(insertTemplates[tag - 1]));
    m_songViewViewController->refreshScrollToTop(false);
}

void VellorinAppDelegate::convertTabToChordpro()
{
    // As the insert commands: the text converted is the one the user is typing in.
    if (!isSongEditVisible() || !m_panes.songEdit->textHasFocus())
        return;
    m_panes.songEdit->convertTabToChordpro();
    m_songViewViewController->refreshScrollToTop(false);
}

void VellorinAppDelegate::sortBy(void (Prefs::*flag)(bool))
{
    m_prefs->setSortbysubtitle(false);
    m_prefs->setSortbykey(false);
    m_prefs->setSortbydate(false);
    m_prefs->setSortbytime(false);
    // Title order is the order without a flag.
    if (flag)
        (m_prefs.get()->*flag)(true);
    // Saved here: the settings are not written at quit, and a chosen order must not be lost.
    m_prefs->save();
    if (m_panes.songList)
        m_panes.songList->refresh();
    if (m_panes.tags)
        m_panes.tags->refresh();
}

void VellorinAppDelegate::openHelpPage(const QString &name)
{
    // The pages are ours, compiled in; the browser gets a copy in the support folder, where it can read them.
    const QString path = QDir(Paths::supportDirectory()).filePath(QStringLiteral("help/") + name);
    QFile resource(QStringLiteral(":/help/") + name);
    if (!resource.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(path).path()) ||
        !TextFile::write(path, QString::fromUtf8(resource.readAll()))) {
        Log::write(QStringLiteral("Could not write the help page %1").arg(path));
        return;
    }
    UrlOpener::open(QUrl::fromLocalFile(path));
}

QString VellorinAppDelegate::contactSubject()
{
    return QStringLiteral("Vellorin Linux %1 %2")
        .arg(QCoreApplication::applicationVersion(), QSysInfo::prettyProductName());
}

void VellorinAppDelegate::contact()
{
    QUrl mail(QStringLiteral("mailto:") + supportAddress);
    mail.setQuery(QStringLiteral("subject=") + QString::fromLatin1(QUrl::toPercentEncoding(contactSubject())),
                  QUrl::StrictMode);
    UrlOpener::open(mail);
}
