#include "songlistviewcontroller.h"

#include "appcontext.h"
#include "categories.h"
#include "clock.h"
#include "log.h"
#include "prefs.h"
#include "songcolumns.h"
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
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

// The library's rows under the pane's column headers.
class SongListModel : public SongsTableModel
{
public:
    using SongsTableModel::SongsTableModel;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return SongsTableModel::headerData(section, orientation, role);
        const QStringList headers = {SongListViewController::tr("Title"), SongListViewController::tr("Subtitle"),
                                     SongListViewController::tr("Key"), SongListViewController::tr("Time")};
        return headers.value(section);
    }
};

SongPtr currentSong()
{
    const VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    return delegate ? delegate->currentSong() : nullptr;
}

} // namespace

SongListViewController::SongListViewController(Dialogs &dialogs, Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_clock(clock)
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

void SongListViewController::refresh()
{
    Prefs *prefs = settings();
    Songs *songs = library();
    if (!prefs || !songs || prefs->songDirectoryPath().isEmpty()) {
        Log::write(QStringLiteral("No song dir set"));
        return;
    }
    if (VellorinAppDelegate *delegate = VellorinAppDelegate::instance())
        delegate->saveCurrentSongInteractive(false);
    songs->refresh();
    m_dirButton->setToolTip(tr("Song Folder %1").arg(prefs->songDirectoryPath()));
    if (!m_model) {
        m_model = new SongListModel(*songs, this);
        m_songsTable->setModel(m_model);
        connect(m_songsTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &SongListViewController::userSelectionChanged);
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
    m_songsTable->setColumnHidden(SongColumns::Time, !(prefs && prefs->showTimeColumn()));
}

void SongListViewController::fillCategoryPopup()
{
    const QSignalBlocker quiet(m_categoryPopupButton);
    m_categoryPopupButton->clear();
    for (const PopupMenuItem &item : library()->categories().popupMenuItems(true))
        m_categoryPopupButton->addItem(item.title, item.tag);
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
            Util::stripCount(m_categoryPopupButton->itemText(index)) == *category) {
            m_categoryPopupButton->setItemText(index, Util::addCount(library()->numberOfRows(), *category));
            m_categoryPopupButton->setCurrentIndex(index);
            return;
        }
    }
}

void SongListViewController::reloadRows()
{
    // A reset of the model resets the header too: the columns keep their widths and visibility.
    QList<int> widths;
    QList<bool> hidden;
    for (int column = 0; column < SongColumns::ColumnCount; ++column) {
        widths.append(m_songsTable->columnWidth(column));
        hidden.append(m_songsTable->isColumnHidden(column));
    }
    m_selecting = true;
    m_model->reload();
    m_selecting = false;
    for (int column = 0; column < SongColumns::ColumnCount; ++column) {
        m_songsTable->setColumnHidden(column, hidden.at(column));
        if (widths.at(column) > 0)
            m_songsTable->setColumnWidth(column, widths.at(column));
    }
}

void SongListViewController::selectCurrentSong()
{
    const SongPtr song = currentSong();
    const int row = song ? rowOfPath(song->path()) : -1;
    if (row < 0) {
        m_selecting = true;
        m_songsTable->clearSelection();
        m_selecting = false;
        return;
    }
    selectRowAlone(row);
    rebuildSongMenus(*song);
}

int SongListViewController::rowOfPath(const QString &path) const
{
    if (path.isEmpty() || !library())
        return -1;
    for (int row = 0; row < library()->numberOfRows(); ++row) {
        if (library()->songForRow(row)->path() == path)
            return row;
    }
    return -1;
}

void SongListViewController::selectRowAlone(int row)
{
    m_selecting = true;
    const QModelIndex index = m_model->index(row, 0);
    m_songsTable->selectionModel()->setCurrentIndex(index,
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_songsTable->scrollTo(index);
    m_selecting = false;
}

QList<int> SongListViewController::selectedRows() const
{
    QList<int> rows;
    if (!m_model)
        return rows;
    for (const QModelIndex &index : m_songsTable->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<SongPtr> SongListViewController::selectedSongs() const
{
    QList<SongPtr> songs;
    for (const int row : selectedRows()) {
        if (const SongPtr song = library()->songForRow(row))
            songs.append(song);
    }
    return songs;
}

SongPtr SongListViewController::nextSong() const
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || !library())
        return nullptr;
    return library()->songForRow(rows.last() + 1);
}

SongPtr SongListViewController::prevSong() const
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || rows.first() == 0 || !library())
        return nullptr;
    return library()->songForRow(rows.first() - 1);
}

void SongListViewController::focusSearchField()
{
    m_searchField->setFocus(Qt::ShortcutFocusReason);
    m_searchField->selectAll();
}

void SongListViewController::userSelectionChanged()
{
    if (m_selecting)
        return;
    const QItemSelectionModel &selection = *m_songsTable->selectionModel();
    const QModelIndexList selected = selection.selectedRows();
    if (selected.isEmpty())
        return;
    const QModelIndex current = selection.currentIndex();
    const int row =
        current.isValid() && selection.isRowSelected(current.row()) ? current.row() : selected.first().row();
    const SongPtr song = library()->songForRow(row);
    const SongPtr shown = currentSong();
    if (!song || (shown && shown->path() == song->path()))
        return;
    if (!selectionShouldChange()) {
        selectCurrentSong();
        return;
    }
    // Saving may have refreshed the list: the chosen song is looked up again.
    const int rowNow = rowOfPath(song->path());
    if (rowNow < 0) {
        selectCurrentSong();
        return;
    }
    if (!m_songsTable->selectionModel()->isRowSelected(rowNow))
        selectRowAlone(rowNow);
    shouldSelectRow(rowNow);
}

bool SongListViewController::selectionShouldChange()
{
    const QDateTime now = m_clock.now();
    if (m_lastSelection.isValid() && m_lastSelection.msecsTo(now) < refusedSelectionPauseMs)
        return false;
    VellorinAppDelegate *delegate = VellorinAppDelegate::instance();
    if (delegate && !delegate->saveCurrentSongInteractive(true)) {
        m_lastSelection = now;
        return false;
    }
    return true;
}

bool SongListViewController::shouldSelectRow(int row)
{
    const SongPtr song = row >= 0 ? library()->songForRow(row) : nullptr;
    if (!song)
        return false;
    rebuildSongMenus(*song);
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
    const SongPtr shown = currentSong();
    int target = shown ? rowOfPath(shown->path()) : -1;
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
    selectRowAlone(target);
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
        songs->setCurrentCategory(Util::stripCount(m_categoryPopupButton->itemText(index)));
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
    prefs->setSortbysubtitle(column == SongColumns::Subtitle);
    prefs->setSortbykey(column == SongColumns::Key);
    prefs->setSortbydate(false);
    prefs->setSortbytime(column == SongColumns::Time);
    prefs->save();
    songs->refresh();
    songs->setFilter(m_searchField->text());
    reloadRows();
    selectCurrentSong();
}

int SongListViewController::typeSelect(int startRow, int endRow, const QString &typed)
{
    const Prefs *prefs = settings();
    Songs *songs = library();
    const int rows = songs ? songs->numberOfRows() : 0;
    if (!prefs || prefs->sortbydate() || startRow < 0 || startRow >= rows)
        return -1;
    for (int row = startRow;; row = (row + 1) % rows) {
        const SongPtr song = songs->songForRow(row);
        const QString field = prefs->sortbysubtitle() ? song->subtitle()
                              : prefs->sortbykey()    ? song->key()
                                                      : song->title();
        if (field.startsWith(typed, Qt::CaseInsensitive)) {
            const SongPtr shown = currentSong();
            const bool isShown = shown && shown->path() == song->path();
            if (!isShown && !selectionShouldChange()) {
                selectCurrentSong();
                return -1;
            }
            selectRowAlone(row);
            if (!isShown)
                shouldSelectRow(row);
            return row;
        }
        if (row == endRow)
            return -1;
    }
}

void SongListViewController::saveLayout(VellorinWindowLayout &layout) const
{
    const double width = m_songsTable->viewport()->width();
    if (width <= 0)
        return;
    layout.setSonglistcol0(m_songsTable->columnWidth(0) / width);
    layout.setSonglistcol1(m_songsTable->columnWidth(1) / width);
    layout.setSonglistcol2(m_songsTable->columnWidth(2) / width);
    layout.setSonglistcol3(m_songsTable->isColumnHidden(3) ? 0 : m_songsTable->columnWidth(3) / width);
}

void SongListViewController::loadLayout(const VellorinWindowLayout &layout)
{
    m_songsTable->setColumnShare(0, layout.songlistcol0());
    m_songsTable->setColumnShare(1, layout.songlistcol1());
    m_songsTable->setColumnShare(2, layout.songlistcol2());
    if (layout.songlistcol3() != 0)
        m_songsTable->setColumnShare(3, layout.songlistcol3());
    else
        m_songsTable->setColumnHidden(3, true);
}

void SongListViewController::rebuildSongMenus(const Song &song)
{
    Q_UNUSED(song);
}
