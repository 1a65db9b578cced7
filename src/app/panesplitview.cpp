#include "panesplitview.h"

#include "dialogs.h"
#include "log.h"
#include "paths.h"
#include "prefs.h"
#include "userdefaults.h"
#include "vellorinwindowlayout.h"

#include <QButtonGroup>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>

#include <numeric>

const std::array<QString, 3> PaneSplitView::widthKeys = {QStringLiteral("songListViewController.width"),
                                                         QStringLiteral("songViewViewController.width"),
                                                         QStringLiteral("songEditViewController.width")};

namespace {

// Widths of the list, song and editor panes in a window that remembers none, points.
constexpr int firstWidths[] = {300, 560, 420};

// The place of a pane the window was made without (the application layer's own tests make windows without the
// panes above it), saying which pane belongs there.
QWidget *placeholder(const QString &title)
{
    auto *label = new QLabel(title);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    return label;
}

} // namespace

PaneSplitView::PaneSplitView(Prefs &prefs, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_prefs(prefs)
    , m_dialogs(dialogs)
{
    m_splitView = new QSplitter(Qt::Horizontal);
    m_splitView->setObjectName(QStringLiteral("verticalSplitView"));
    // No pane collapses, by dragging or otherwise: each keeps the width its divider limits give it.
    m_splitView->setChildrenCollapsible(false);
    connect(m_splitView, &QSplitter::splitterMoved, this, &PaneSplitView::rememberPaneWidths);
    m_viewSelector = makeSelector({tr("List"), tr("Song"), tr("Editor")}, false, m_viewButtons);
    const QStringList paneToolTips = {tr("Song List"), tr("Song View"), tr("Song Editor")};
    for (int segment = 0; segment < paneToolTips.size(); ++segment)
        m_viewButtons->button(segment)->setToolTip(paneToolTips.at(segment));
    connect(m_viewButtons, &QButtonGroup::buttonClicked, this, &PaneSplitView::changeViewSelector);
    m_listTypeSelector = makeSelector({tr("Categories"), tr("Tags"), tr("Playlists")}, true, m_listTypeButtons);
    m_listTypeSelector->setToolTip(tr("What the list pane shows"));
    connect(m_listTypeButtons, &QButtonGroup::buttonClicked, this, &PaneSplitView::listTypeSelectionChanged);
}

PaneSplitView::~PaneSplitView() = default;

QWidget *PaneSplitView::makeSelector(const QStringList &titles, bool exclusive, QButtonGroup *&group)
{
    auto *selector = new QWidget;
    auto *layout = new QHBoxLayout(selector);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    group = new QButtonGroup(selector);
    group->setExclusive(exclusive);
    for (int segment = 0; segment < titles.size(); ++segment) {
        auto *button = new QToolButton;
        button->setText(titles.at(segment));
        button->setCheckable(true);
        group->addButton(button, segment);
        layout->addWidget(button);
    }
    return selector;
}

void PaneSplitView::initSplitView(const PaneControllers &panes, QWidget *songView, QWidget *editor, Hooks hooks)
{
    m_panes = panes;
    m_hooks = std::move(hooks);
    m_listViews = {panes.songList ? panes.songList->widget() : placeholder(tr("Songs")),
                   panes.tags ? panes.tags->widget() : placeholder(tr("Tags")),
                   panes.playlists ? panes.playlists->widget() : placeholder(tr("Playlists"))};
    m_songView = songView;
    m_editor = editor ? editor : placeholder(tr("Editor"));
    const QSignalBlocker quiet(m_splitView);
    for (QWidget *view : m_listViews)
        m_splitView->addWidget(view);
    m_splitView->addWidget(m_songView);
    m_splitView->addWidget(m_editor);

    const ListType type = m_prefs.showTags() ? TagsType : m_prefs.showPlaylists() ? PlaylistsType : SongListType;
    m_listTypeButtons->button(type)->setChecked(true);
    for (const ListType each : {SongListType, TagsType, PlaylistsType})
        m_listViews.at(each)->setVisible(each == type && m_prefs.showSongList());
    m_songView->setVisible(m_prefs.showSongView());
    m_editor->setVisible(m_prefs.showSongEdit());
    setSegmentSelected(ListPane, m_prefs.showSongList());
    setSegmentSelected(SongViewPane, m_prefs.showSongView());
    setSegmentSelected(SongEditPane, m_prefs.showSongEdit());
    setSplitViewHoldingPriorities();
    // The remembered widths, else those of a fresh window. Set before the window has its size, they hold for the
    // list pane, which keeps its width when the window grows, while the others share what is left.
    std::array<int, 3> widths{};
    for (const Pane pane : {ListPane, SongViewPane, SongEditPane}) {
        const double stored = UserDefaults::value(widthKeys.at(pane)).toDouble();
        widths.at(pane) = stored > 0 ? int(stored) : firstWidths[pane];
    }
    m_splitView->setSizes(
        {widths[ListPane], widths[ListPane], widths[ListPane], widths[SongViewPane], widths[SongEditPane]});
}

bool PaneSplitView::isSegmentSelected(Pane pane) const
{
    return m_viewButtons->button(pane)->isChecked();
}

void PaneSplitView::setSegmentSelected(Pane pane, bool selected)
{
    m_viewButtons->button(pane)->setChecked(selected);
}

PaneSplitView::ListType PaneSplitView::selectedListType() const
{
    const int id = m_listTypeButtons->checkedId();
    return id == TagsType ? TagsType : id == PlaylistsType ? PlaylistsType : SongListType;
}

QWidget *PaneSplitView::listView(ListType type) const
{
    return m_listViews.at(type);
}

QWidget *PaneSplitView::shownListView() const
{
    return listView(m_prefs.showPlaylists() ? PlaylistsType : m_prefs.showTags() ? TagsType : SongListType);
}

QWidget *PaneSplitView::paneView(Pane pane) const
{
    switch (pane) {
    case ListPane:
        return shownListView();
    case SongViewPane:
        return m_songView;
    case SongEditPane:
        return m_editor;
    }
    return nullptr;
}

bool PaneSplitView::isShown(Pane pane) const
{
    const QWidget *view = paneView(pane);
    return view && !view->isHidden();
}

void PaneSplitView::showPane(Pane pane, bool show)
{
    if (QWidget *view = paneView(pane))
        view->setVisible(show);
}

void PaneSplitView::changeViewSelector()
{
    if (!isSegmentSelected(SongEditPane) && m_prefs.showSongEdit() && m_hooks.saveEditedSong &&
        !m_hooks.saveEditedSong()) {
        // The user cancelled saving: the editor stays, with its text.
        setSegmentSelected(SongEditPane, true);
    }
    if (!isSegmentSelected(ListPane) && !isSegmentSelected(SongViewPane) && !isSegmentSelected(SongEditPane))
        setSegmentSelected(ListPane, true);
    const bool listComesBack = !isShown(ListPane) && isSegmentSelected(ListPane);
    showPane(ListPane, isSegmentSelected(ListPane));
    // A hidden song list selects nothing when it is refreshed: shown again, it selects the current song.
    if (listComesBack && selectedListType() == SongListType && m_panes.songList)
        m_panes.songList->selectCurrentSong();
    m_prefs.setShowSongList(isSegmentSelected(ListPane));
    showPane(SongViewPane, isSegmentSelected(SongViewPane));
    m_prefs.setShowSongView(isSegmentSelected(SongViewPane));
    showPane(SongEditPane, isSegmentSelected(SongEditPane));
    m_prefs.setShowSongEdit(isSegmentSelected(SongEditPane));
    m_prefs.save();
    setSplitViewHoldingPriorities();
    const double listWidth = UserDefaults::value(widthKeys.at(ListPane)).toDouble();
    if (isShown(ListPane) && listWidth > 0)
        setSplitViewColumn(ListPane, int(listWidth));
    Q_EMIT panesChanged();
}

void PaneSplitView::listTypeSelectionChanged()
{
    const ListType type = selectedListType();
    m_prefs.setShowPlaylists(type == PlaylistsType);
    m_prefs.setShowTags(type == TagsType);
    if (!isSegmentSelected(ListPane)) {
        m_prefs.setShowSongList(true);
        setSegmentSelected(ListPane, true);
        changeViewSelector();
    }
    const QSignalBlocker quiet(m_splitView);
    for (const ListType each : {SongListType, TagsType, PlaylistsType})
        listView(each)->setVisible(each == type);
    switch (type) {
    case SongListType:
        if (m_panes.songList)
            m_panes.songList->refresh();
        break;
    case TagsType:
        if (m_panes.tags)
            m_panes.tags->refresh();
        break;
    case PlaylistsType:
        if (m_panes.playlists)
            m_panes.playlists->refresh();
        break;
    }
    m_prefs.save();
    setSplitViewHoldingPriorities();
    const double listWidth = UserDefaults::value(widthKeys.at(ListPane)).toDouble();
    if (listWidth > 0)
        setSplitViewColumn(ListPane, int(listWidth));
    Q_EMIT panesChanged();
}

void PaneSplitView::showList(ListType type)
{
    if (isShown(ListPane) && selectedListType() == type) {
        setSegmentSelected(ListPane, false);
        changeViewSelector();
        return;
    }
    if (!isShown(ListPane)) {
        setSegmentSelected(ListPane, true);
        changeViewSelector();
    }
    if (selectedListType() != type) {
        m_listTypeButtons->button(type)->setChecked(true);
        listTypeSelectionChanged();
    }
}

void PaneSplitView::toggleSongView()
{
    setSegmentSelected(SongViewPane, !isSegmentSelected(SongViewPane));
    changeViewSelector();
}

void PaneSplitView::toggleSongEdit()
{
    setSegmentSelected(SongEditPane, !isSegmentSelected(SongEditPane));
    changeViewSelector();
}

void PaneSplitView::setSplitViewColumn(Pane pane, int width)
{
    QWidget *view = paneView(pane);
    const int index = m_splitView->indexOf(view);
    if (index < 0 || view->isHidden())
        return;
    QList<int> sizes = m_splitView->sizes();
    const int total = std::accumulate(sizes.cbegin(), sizes.cend(), 0);
    sizes[index] = width;
    // The panes after it take what is left, in proportion; with no room to measure (not laid out yet) they keep
    // their shares.
    int others = 0;
    for (int i = 0; i < sizes.size(); ++i)
        others += i == index ? 0 : sizes.at(i);
    if (total > 0 && others > 0) {
        const double scale = double(std::max(0, total - width)) / others;
        for (int i = 0; i < sizes.size(); ++i) {
            if (i != index)
                sizes[i] = int(sizes.at(i) * scale);
        }
    }
    const QSignalBlocker quiet(m_splitView);
    m_splitView->setSizes(sizes);
}

void PaneSplitView::setSplitViewHoldingPriorities()
{
    // Resizing the window changes the song pane and the editor before the list pane.
    for (int index = 0; index < m_splitView->count(); ++index)
        m_splitView->setStretchFactor(index, index < int(m_listViews.size()) ? 0 : 1);
    limitDividers();
}

void PaneSplitView::limitDividers()
{
    // The first divider stays 100 points from the left and 200 from the right, the second 200 from the left and
    // 100 from the right: the narrowest widths of the shown panes give exactly these limits.
    QList<QWidget *> shown;
    for (const Pane pane : {ListPane, SongViewPane, SongEditPane}) {
        if (isShown(pane))
            shown.append(paneView(pane));
    }
    for (QWidget *view : std::as_const(m_listViews))
        view->setMinimumWidth(0);
    m_songView->setMinimumWidth(0);
    m_editor->setMinimumWidth(0);
    if (shown.size() < 2)
        return;
    for (qsizetype i = 0; i < shown.size(); ++i)
        shown.at(i)->setMinimumWidth(shown.size() == 2 && i == 1 ? narrowLastPane : narrowPane);
}

void PaneSplitView::rememberPaneWidths()
{
    // A hidden pane, or one of no width, keeps the width stored for it.
    for (const Pane pane : {ListPane, SongViewPane, SongEditPane}) {
        const QWidget *view = paneView(pane);
        if (isShown(pane) && view->width() > 0)
            UserDefaults::setValue(widthKeys.at(pane), double(view->width()));
    }
    UserDefaults::synchronize();
}

int PaneSplitView::shownPaneCount() const
{
    return int(isShown(ListPane)) + int(isShown(SongViewPane)) + int(isShown(SongEditPane));
}

double PaneSplitView::usableWidth() const
{
    return m_splitView->width() - m_splitView->handleWidth() * std::max(0, shownPaneCount() - 1);
}

void PaneSplitView::savePaneWidths(VellorinWindowLayout &layout) const
{
    const double usable = usableWidth();
    const auto fraction = [&](Pane pane) { return isShown(pane) && usable > 0 ? paneView(pane)->width() / usable : 0; };
    layout.setLeftPanePercentage(fraction(ListPane));
    layout.setMiddlePanePercentage(fraction(SongViewPane));
    layout.setRightPanePercentage(fraction(SongEditPane));
}

void PaneSplitView::loadPaneWidths(const VellorinWindowLayout &layout)
{
    const double usable = usableWidth();
    Log::write(QStringLiteral("Adjusting layout for width %1").arg(usable, 0, 'f', 6));
    QList<int> sizes = m_splitView->sizes();
    const std::array<double, 3> fractions = {layout.leftPanePercentage(), layout.middlePanePercentage(),
                                             layout.rightPanePercentage()};
    for (const Pane pane : {ListPane, SongViewPane, SongEditPane}) {
        const int index = m_splitView->indexOf(paneView(pane));
        if (fractions.at(pane) != 0 && isShown(pane) && index >= 0)
            sizes[index] = qRound(fractions.at(pane) * usable);
    }
    const QSignalBlocker quiet(m_splitView);
    m_splitView->setSizes(sizes);
    if (isShown(SongViewPane) && fractions.at(SongViewPane) != 0 && m_hooks.refreshSongView)
        m_hooks.refreshSongView();
}

void PaneSplitView::fillLayout(VellorinWindowLayout &layout) const
{
    const ListType type = m_prefs.showTags() ? TagsType : m_prefs.showPlaylists() ? PlaylistsType : SongListType;
    if (type == SongListType && m_panes.songList)
        m_panes.songList->saveLayout(layout);
    else if (type == TagsType && m_panes.tags)
        m_panes.tags->saveLayout(layout);
    else if (type == PlaylistsType && m_panes.playlists)
        m_panes.playlists->saveLayout(layout);
    savePaneWidths(layout);
}

void PaneSplitView::applyLayout(const VellorinWindowLayout &layout)
{
    loadPaneWidths(layout);
    if (m_panes.songList)
        m_panes.songList->loadLayout(layout);
    if (m_panes.playlists)
        m_panes.playlists->loadLayout(layout);
    if (m_panes.tags)
        m_panes.tags->loadLayout(layout);
}

void PaneSplitView::saveLayout()
{
    auto layout = std::make_shared<VellorinWindowLayout>();
    fillLayout(*layout);
    m_prefs.setLayout(layout);
    m_prefs.save();
}

void PaneSplitView::restoreLayout()
{
    if (canRestoreLayout())
        applyLayout(*m_prefs.layout());
}

bool PaneSplitView::canRestoreLayout() const
{
    return m_prefs.layout() && m_prefs.layout()->isValid();
}

void PaneSplitView::saveLayoutToFile()
{
    VellorinWindowLayout layout;
    fillLayout(layout);
    Dialogs::SavePanel panel;
    panel.directory = Paths::desktopDirectory();
    panel.fileName = tr("Vellorin");
    panel.allowedTypes = {QStringLiteral("vellorinlayout")};
    const QString path = m_dialogs.runSavePanel(panel);
    if (!path.isEmpty())
        layout.save(path);
}

void PaneSplitView::loadLayout(const QString &path)
{
    const std::unique_ptr<VellorinWindowLayout> layout = VellorinWindowLayout::load(path);
    if (!layout || !layout->isValid()) {
        Log::write(QStringLiteral("Invalid layout ignored"));
        return;
    }
    applyLayout(*layout);
}
