#include "songlistviewcontroller.h"

#include "appcontext.h"
#include "categories.h"
#include "clock.h"
#include "filename.h"
#include "log.h"
#include "panecontext.h"
#include "prefs.h"
#include "songcolumns.h"
#include "songcontextmenus.h"
#include "songs.h"
#include "songstablemodel.h"
#include "songtableview.h"
#include "util.h"
#include "vellorinappdelegate.h"
#include "vellorinwindowlayout.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

// The role of a category item's folder name, which its title (readable, with a count) need not spell.
constexpr int kCategoryNameRole = Qt::UserRole + 1;

// The file date as the menu shows it: the locale's medium date (its long form without the weekday, the month
// abbreviated) and its short time.
QString fileDateTitle(const QDateTime &date)
{
    const QLocale locale;
    QString dateFormat = locale.dateFormat(QLocale::LongFormat);
    dateFormat.remove(QRegularExpression(QStringLiteral("d{4}[^dMy]*")));
    dateFormat.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return locale.toString(date.date(), dateFormat.trimmed()) + u' ' +
           locale.toString(date.time(), QLocale::ShortFormat);
}

} // namespace

SongListViewController::SongListViewController(Dialogs &dialogs, Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_veto(clock)
    , m_quitWithoutSongFolder([] { std::exit(0); })
{
    setObjectName(QStringLiteral("songListViewController"));
    buildPane();
}

SongListViewController::~SongListViewController() = default;

Prefs *SongListViewController::settings()
{
    return AppContext::instance()->prefs();
}

Songs *SongListViewController::library()
{
    return AppContext::instance()->songs();
}

void SongListViewController::buildPane()
{
    m_dirButton = new QToolButton;
    m_dirButton->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
    m_dirButton->setAccessibleName(tr("Song Folder"));
    connect(m_dirButton, &QToolButton::clicked, this, &SongListViewController::selectSongDir);

    m_categoryPopupButton = new QComboBox;
    m_categoryPopupButton->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_categoryPopupButton->setToolTip(tr("Category"));
    connect(m_categoryPopupButton, &QComboBox::activated, this, &SongListViewController::selectCategory);

    m_searchField = new QLineEdit;
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);
    connect(m_searchField, &QLineEdit::textChanged, this, &SongListViewController::search);
    auto *searchMenu = new QMenu(this);
    m_searchMenuIncludePDFs = searchMenu->addAction(tr("Search in PDF Songs"));
    m_searchMenuIncludePDFs->setCheckable(true);
    connect(m_searchMenuIncludePDFs, &QAction::triggered, this, &SongListViewController::toggleIncludePDFSearch);
    connect(searchMenu, &QMenu::aboutToShow, this, [this] {
        const Prefs *prefs = settings();
        m_searchMenuIncludePDFs->setChecked(prefs && prefs->searchPDFs());
    });
    auto *searchOptions = new QToolButton;
    searchOptions->setText(tr("Options"));
    searchOptions->setToolTip(tr("Search Options"));
    searchOptions->setMenu(searchMenu);
    searchOptions->setPopupMode(QToolButton::InstantPopup);

    m_songsTable = new SongTableView;
    m_songsTable->setTypeSelect(
        [this](int startRow, int endRow, const QString &typed) { return typeSelect(startRow, endRow, typed); });
    connect(m_songsTable->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &SongListViewController::sortByColumn);
    m_songsTable->setRowRules({&m_veto, [](int row) { return library()->songForRow(row); },
                               [this](int row) { return shouldSelectRow(row); }, [this] { selectCurrentSong(); }});
    connect(m_songsTable, &SongTableView::selectionDidChange, this, &SongListViewController::enableTagsChanged);
    buildContextMenu();

    auto *controls = new QHBoxLayout;
    controls->setContentsMargins(4, 4, 4, 0);
    controls->addWidget(m_dirButton);
    controls->addWidget(m_categoryPopupButton, 1);
    auto *searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(4, 0, 4, 0);
    searchRow->addWidget(m_searchField, 1);
    searchRow->addWidget(searchOptions);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addLayout(searchRow);
    layout->addWidget(m_songsTable, 1);
}

bool SongListViewController::hasSongFolder()
{
    const Prefs *prefs = settings();
    if (prefs && library() && !prefs->songDirectoryPath().isEmpty())
        return true;
    Log::write(QStringLiteral("No song dir set"));
    return false;
}

void SongListViewController::refresh()
{
    if (!hasSongFolder())
        return;
    if (VellorinAppDelegate *delegate = VellorinAppDelegate::instance())
        delegate->saveCurrentSongInteractive(false);
    library()->refresh();
    showLibrary();
}

void SongListViewController::showLibrary()
{
    if (!hasSongFolder())
        return;
    Prefs *prefs = settings();
    Songs *songs = library();
    m_dirButton->setToolTip(tr("Song Folder %1").arg(prefs->songDirectoryPath()));
    if (!m_model) {
        m_model = new SongsTableModel(*songs, this);
        m_songsTable->setModel(m_model);
    }
    setupColumns();
    fillCategoryPopup();
    dropVanishedCategory();
    setCategoryPopupTitle();
    songs->setFilter(m_searchField->text());
    reloadRows();
    if (prefs->showSongList())
        selectCurrentSong();
}

void SongListViewController::setupColumns()
{
    const Prefs *prefs = settings();
    m_songsTable->setTimeColumnShown(prefs && prefs->showTimeColumn());
}

void SongListViewController::fillCategoryPopup()
{
    const QSignalBlocker quiet(m_categoryPopupButton);
    m_categoryPopupButton->clear();
    // The counts are those the library's last read took: none while a load runs, when they may be stale (or unknown,
    // at the start).
    const bool withCount = !library()->isLoading();
    for (const PopupMenuItem &item : library()->categories().popupMenuItems(withCount)) {
        m_categoryPopupButton->addItem(item.title, item.tag);
        m_categoryPopupButton->setItemData(m_categoryPopupButton->count() - 1, item.name, kCategoryNameRole);
    }
}

void SongListViewController::dropVanishedCategory()
{
    // A category folder removed from disk, or unfiled songs that are no more, fall back to all songs.
    Songs *songs = library();
    const std::optional<QString> &category = songs->currentCategory();
    if (!category)
        return;
    const Categories &categories = songs->categories();
    const bool vanished = category->isEmpty() ? !categories.hasUnfiled() : !categories.existsCategory(*category);
    if (!vanished)
        return;
    songs->setCurrentCategory(std::nullopt);
    songs->refresh();
}

void SongListViewController::setCategoryPopupTitle()
{
    const QSignalBlocker quiet(m_categoryPopupButton);
    const std::optional<QString> &category = library()->currentCategory();
    if (!category) {
        m_categoryPopupButton->setCurrentIndex(m_categoryPopupButton->findData(Categories::AllSongsTag));
        return;
    }
    if (category->isEmpty()) {
        m_categoryPopupButton->setCurrentIndex(m_categoryPopupButton->findData(Categories::UnfiledTag));
        return;
    }
    for (int index = 0; index < m_categoryPopupButton->count(); ++index) {
        if (m_categoryPopupButton->itemData(index).toInt() == Categories::CategoryTag &&
            m_categoryPopupButton->itemData(index, kCategoryNameRole).toString() == *category) {
            m_categoryPopupButton->setItemText(
                index, Util::addCount(library()->numberOfRows(), FileName::displayName(*category)));
            m_categoryPopupButton->setCurrentIndex(index);
            return;
        }
    }
}

void SongListViewController::reloadRows()
{
    m_songsTable->reloadRows([this] { m_model->reload(); });
}

void SongListViewController::selectCurrentSong()
{
    if (const SongPtr song = m_songsTable->selectRowOfCurrentSong())
        fillMenusForSong(*song);
}

QList<SongPtr> SongListViewController::selectedSongs() const
{
    return m_songsTable->selectedSongs();
}

SongPtr SongListViewController::nextSong() const
{
    return m_songsTable->songNextToSelection(1);
}

SongPtr SongListViewController::prevSong() const
{
    return m_songsTable->songNextToSelection(-1);
}

void SongListViewController::focusSearchField()
{
    m_searchField->setFocus(Qt::ShortcutFocusReason);
    m_searchField->selectAll();
}

bool SongListViewController::enableTags() const
{
    Log::write(QStringLiteral("enableTags"));
    const QList<SongPtr> songs = selectedSongs();
    return std::any_of(songs.cbegin(), songs.cend(),
                       [](const SongPtr &song) { return SongContextMenus::canCarryTags(*song); });
}

bool SongListViewController::shouldSelectRow(int row)
{
    const SongPtr song = row >= 0 ? library()->songForRow(row) : nullptr;
    if (!song)
        return false;
    fillMenusForSong(*song);
    if (VellorinAppDelegate *delegate = VellorinAppDelegate::instance())
        delegate->setCurrentSong(song);
    return true;
}

void SongListViewController::search()
{
    Songs *songs = library();
    if (!songs || !m_model)
        return;
    songs->setFilter(m_searchField->text());
    reloadRows();
    const SongPtr shown = PaneContext::currentSong();
    int target = shown ? m_songsTable->rowOfPath(shown->path()) : -1;
    if (target < 0) {
        // The current song is filtered out. Switching to the first row while the editor holds unsaved changes
        // would ask about them at every keystroke: the current song stays until the user picks a row.
        VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
        if (delegate && delegate->canSave())
            return;
        target = 0;
    }
    if (songs->numberOfRows() == 0)
        return;
    m_songsTable->selectRowAlone(target);
    if (!shown || songs->songForRow(target)->path() != shown->path())
        shouldSelectRow(target);
}

void SongListViewController::toggleIncludePDFSearch()
{
    Prefs *prefs = settings();
    if (!prefs)
        return;
    prefs->setSearchPDFs(!prefs->searchPDFs());
    prefs->save();
    search();
}

void SongListViewController::selectCategory(int index)
{
    Songs *songs = library();
    if (!songs || index < 0)
        return;
    switch (m_categoryPopupButton->itemData(index).toInt()) {
    case Categories::AllSongsTag:
        songs->setCurrentCategory(std::nullopt);
        break;
    case Categories::UnfiledTag:
        songs->setCurrentCategory(QString());
        break;
    default:
        songs->setCurrentCategory(m_categoryPopupButton->itemData(index, kCategoryNameRole).toString());
    }
    songs->refresh();
    songs->setFilter(m_searchField->text());
    reloadRows();
    selectCurrentSong();
}

void SongListViewController::sortByColumn(int column)
{
    Prefs *prefs = settings();
    Songs *songs = library();
    if (!prefs || !songs)
        return;
    SongColumns::sortBy(*prefs, *songs, column);
    songs->setFilter(m_searchField->text());
    reloadRows();
    selectCurrentSong();
}

int SongListViewController::typeSelect(int startRow, int endRow, const QString &typed)
{
    const Prefs *prefs = settings();
    Songs *songs = library();
    if (!prefs || !songs || prefs->sortbydate())
        return -1;
    // Typing searches the column the list is sorted by.
    const auto sortedText = [prefs, songs](int row) {
        const SongPtr song = songs->songForRow(row);
        return prefs->sortbysubtitle() ? song->subtitle() : prefs->sortbykey() ? song->key() : song->title();
    };
    return m_songsTable->chooseTypedRow(
        SongTableView::rowStartingWith(startRow, endRow, songs->numberOfRows(), typed, sortedText));
}

void SongListViewController::saveLayout(VellorinWindowLayout &layout) const
{
    m_songsTable->saveColumnShares(layout);
}

void SongListViewController::loadLayout(const VellorinWindowLayout &layout)
{
    m_songsTable->loadColumnShares(layout);
}

void SongListViewController::buildContextMenu()
{
    m_menus = new SongContextMenus(m_dialogs,
                                   {[this] { return selectedSongs(); },
                                    [this](const QString &tag, bool switchedOn, const QList<SongPtr> &songs) {
                                        tagSwitched(tag, switchedOn, songs);
                                    }},
                                   this);
    QMenu *menu = m_menus->contextMenu();
    connect(this, &SongListViewController::enableTagsChanged, this,
            [this] { m_menus->tagsMenuItem()->setEnabled(enableTags()); });
    m_menus->tagsMenuItem()->setEnabled(false);
    menu->addSeparator();
    m_dateMenuItem = menu->addAction(QString());
    m_dateMenuItem->setEnabled(false);
    m_dateMenuItem->setVisible(false);
    menu->addSeparator();
    menu->addAction(tr("Delete…"), this, &SongListViewController::deleteSelectedSongs);
    menu->addAction(tr("Change Category…"), this, &SongListViewController::changeCategoryOfSelectedSongs);
    m_songsTable->setContextMenu(menu);
}

void SongListViewController::fillMenusForSong(const Song &song)
{
    m_menus->fillForSong(&song);
    m_dateMenuItem->setText(song.date().isValid() ? fileDateTitle(song.date()) : QString());
    m_dateMenuItem->setVisible(song.date().isValid());
}

void SongListViewController::tagSwitched(const QString &tag, bool switchedOn, const QList<SongPtr> &songs)
{
    if (switchedOn) {
        settings()->setCurrentTag(tag);
        settings()->save();
    }
    // The library reads the tagged files again: the rows take its new songs, and the songs tagged stay selected.
    QStringList selectedPaths;
    for (const SongPtr &song : songs)
        selectedPaths.append(song->path());
    library()->refresh();
    library()->setFilter(m_searchField->text());
    reloadRows();
    m_songsTable->selectRowsOfPaths(selectedPaths);
}
