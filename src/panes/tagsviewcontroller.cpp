#include "tagsviewcontroller.h"

#include "appcontext.h"
#include "dialogs.h"
#include "panecontext.h"
#include "prefs.h"
#include "songcolumns.h"
#include "songcontextmenus.h"
#include "songs.h"
#include "songstablemodel.h"
#include "songtableview.h"
#include "songtrash.h"
#include "util.h"
#include "vellorinappdelegate.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QVBoxLayout>

namespace {

Songs *library()
{
    return AppContext::instance()->songs();
}

} // namespace

TagsViewController::TagsViewController(Dialogs &dialogs, Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_veto(clock)
{
    setObjectName(QStringLiteral("tagsViewController"));
    buildPane();
    buildContextMenu();
}

TagsViewController::~TagsViewController() = default;

void TagsViewController::buildPane()
{
    m_tagsPopup = new QComboBox;
    m_tagsPopup->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_tagsPopup->setToolTip(tr("Tag"));
    connect(m_tagsPopup, &QComboBox::activated, this, &TagsViewController::selectTag);

    m_songsTable = new SongTableView;
    m_model = new SongsTableModel([this]() -> const QList<SongPtr> & { return m_songsForTag; }, this);
    m_songsTable->setModel(m_model);
    m_songsTable->setRowRules({&m_veto, [this](int row) { return m_model->songForRow(row); },
                               [this](int row) { return shouldSelectRow(row); }, [this] { selectCurrentSong(); }});
    connect(m_songsTable->horizontalHeader(), &QHeaderView::sectionClicked, this, &TagsViewController::sortByColumn);

    auto *controls = new QHBoxLayout;
    controls->setContentsMargins(4, 4, 4, 0);
    controls->addWidget(m_tagsPopup, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addWidget(m_songsTable, 1);
}

void TagsViewController::buildContextMenu()
{
    m_menus = new SongContextMenus(
        m_dialogs,
        {[this] { return selectedSongs(); }, [this](const QString &, bool, const QList<SongPtr> &) { tagsChanged(); }},
        this);
    QMenu *menu = m_menus->contextMenu();
    menu->addSeparator();
    m_removeTagMenuItem = menu->addAction(tr("Remove Tag"), this, &TagsViewController::removeTag);
    m_removeTagMenuItem->setEnabled(false);
    menu->addAction(tr("Delete…"), this, &TagsViewController::deleteSelectedSong);
    m_songsTable->setContextMenu(menu);
}

void TagsViewController::refresh()
{
    Songs *songs = library();
    Prefs *prefs = PaneContext::settings();
    if (!songs || !prefs)
        return;
    if (VellorinAppDelegate *delegate = VellorinAppDelegate::instance())
        delegate->saveCurrentSongInteractive(false);
    songs->refreshTags();
    m_songsTable->setTimeColumnShown(prefs->showTimeColumn());
    fillPopupMenu();
    m_currentTag = m_tagsPopup->currentData().toString();
    fillSongs();
    reloadRows();
    if (prefs->showTags())
        selectCurrentSong();
    m_removeTagMenuItem->setEnabled(!m_currentTag.isEmpty());
}

void TagsViewController::fillPopupMenu()
{
    // Each item holds its tag; the first, the songs without tags, holds the empty tag.
    const QSignalBlocker quiet(m_tagsPopup);
    const Songs &songs = *library();
    const QString stored = PaneContext::settings()->currentTag().value_or(QString());
    m_tagsPopup->clear();
    m_tagsPopup->addItem(tr("Songs w/o tags"), QString());
    for (const QString &tag : SongContextMenus::sortedTagNames(songs.songsByTag())) {
        m_tagsPopup->addItem(Util::addCount(int(songs.songsByTag().value(tag).size()), tag), tag);
        if (tag == stored)
            m_tagsPopup->setCurrentIndex(m_tagsPopup->count() - 1);
    }
}

void TagsViewController::fillSongs()
{
    const Songs &songs = *library();
    m_songsForTag = m_currentTag.isEmpty() ? songs.songsWithoutTag() : songs.songsByTag().value(m_currentTag);
}

void TagsViewController::reloadRows()
{
    m_songsTable->reloadRows([this] { m_model->reload(); });
}

void TagsViewController::selectTag(int index)
{
    if (index < 0 || !library())
        return;
    m_currentTag = m_tagsPopup->itemData(index).toString();
    PaneContext::settings()->setCurrentTag(m_currentTag);
    PaneContext::settings()->save();
    fillSongs();
    reloadRows();
    selectCurrentSong();
    m_removeTagMenuItem->setEnabled(!m_currentTag.isEmpty());
    m_menus->fillTagsPopupMenuForSong(PaneContext::currentSong().get());
}

void TagsViewController::selectCurrentSong()
{
    if (const SongPtr song = m_songsTable->selectRowOfCurrentSong())
        fillMenusForSong(*song);
}

bool TagsViewController::shouldSelectRow(int row)
{
    const SongPtr song = m_model->songForRow(row);
    if (!song)
        return false;
    if (VellorinAppDelegate *delegate = VellorinAppDelegate::instance())
        delegate->setCurrentSong(song);
    fillMenusForSong(*song);
    return true;
}

void TagsViewController::fillMenusForSong(const Song &song)
{
    m_menus->fillForSong(&song);
    m_menus->tagsMenuItem()->setEnabled(SongContextMenus::canCarryTags(song));
}

QList<SongPtr> TagsViewController::selectedSongs() const
{
    return m_songsTable->selectedSongs();
}

SongPtr TagsViewController::nextSong() const
{
    return m_songsTable->songNextToSelection(1);
}

SongPtr TagsViewController::prevSong() const
{
    return m_songsTable->songNextToSelection(-1);
}

void TagsViewController::sortByColumn(int column)
{
    Prefs *prefs = PaneContext::settings();
    Songs *songs = library();
    if (!prefs || !songs)
        return;
    SongColumns::sortBy(*prefs, *songs, column);
    fillSongs();
    reloadRows();
    selectCurrentSong();
}

void TagsViewController::removeTag()
{
    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (m_currentTag.isEmpty() || !delegate)
        return;
    delegate->saveOrUpdateCurrentSong();
    const bool couldSave = delegate->canSave();
    SongContextMenus::setTag(selectedSongs(), m_currentTag, false);
    tagsChanged();
    // The editor takes the text without the tag; else its next save would bring the tag back.
    delegate->updateEditorAfterModelChange(couldSave);
}

void TagsViewController::tagsChanged()
{
    // The library reads the changed files again, so the rows hold songs as they are on disk.
    if (Songs *songs = library())
        songs->refresh();
    refresh();
}

void TagsViewController::deleteSelectedSong()
{
    const SongPtr song = PaneContext::currentSong();
    if (!song || song->path().isEmpty())
        return;
    Dialogs::Alert alert;
    alert.title = tr("Delete song?");
    alert.informativeText = song->description();
    alert.defaultButton = tr("Delete");
    alert.alternateButton = tr("Cancel");
    if (m_dialogs.runAlert(alert) != Dialogs::Answer::Default)
        return;
    SongTrash::moveToTrash({song});
    Songs *songs = library();
    if (!songs)
        return refresh();
    // A load under way may have listed the file before it went: the library is read again once it is taken.
    songs->whenLoaded(this, [this, songs] {
        songs->refresh();
        refresh();
    });
}

void TagsViewController::saveLayout(VellorinWindowLayout &layout) const
{
    m_songsTable->saveColumnShares(layout);
}

void TagsViewController::loadLayout(const VellorinWindowLayout &layout)
{
    m_songsTable->loadColumnShares(layout);
}
