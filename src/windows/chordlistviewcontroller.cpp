// The chord library window.
#include "chordlistviewcontroller.h"

#include "appcontext.h"
#include "chordeditviewcontroller.h"
#include "chordlisttablemodel.h"
#include "chords.h"
#include "chordviewcontrollerwindowcontroller.h"
#include "chordwindowcontext.h"
#include "chordwindowshost.h"
#include "instrument.h"
#include "instrumentspopup.h"
#include "prefs.h"
#include "tuningdialog.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int nameColumnWidth = 80;

QString displayName(const QString &name)
{
    return Chord::displayNameForChordname(name, ChordWindowContext::displayOptions());
}

} // namespace

ChordListViewController::ChordListViewController(ChordWindowsHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_host(host)
    , m_baseChordLabel(new QLabel(tr("Base Chord"), this))
    , m_baseChordsPopup(new QComboBox(this))
    , m_searchField(new QLineEdit(this))
    , m_chordsTableView(new QTableView(this))
    , m_model(new ChordListTableModel(this))
    , m_instrumentsPopup(new QComboBox(this))
    , m_tuningButton(new QPushButton(this))
    , m_addChordButton(new QPushButton(tr("Add Chord…"), this))
{
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);

    m_model->setLargeDiagrams(ChordWindowContext::largeChordDiagrams());
    m_chordsTableView->setModel(m_model);
    m_chordsTableView->setSelectionMode(QAbstractItemView::NoSelection);
    m_chordsTableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_chordsTableView->setFocusPolicy(Qt::NoFocus);
    m_chordsTableView->setShowGrid(false);
    m_chordsTableView->verticalHeader()->hide();
    m_chordsTableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_chordsTableView->verticalHeader()->setDefaultSectionSize(m_model->rowHeight());
    m_chordsTableView->horizontalHeader()->hide();
    m_chordsTableView->horizontalHeader()->setStretchLastSection(true);
    m_chordsTableView->setColumnWidth(ChordListTableModel::NameColumn, nameColumnWidth);
    m_chordsTableView->setIconSize(QSize(4000, m_model->rowHeight()));

    auto *top = new QHBoxLayout;
    top->addWidget(m_baseChordLabel);
    top->addWidget(m_baseChordsPopup);
    top->addStretch();
    top->addWidget(m_searchField);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_instrumentsPopup);
    bottom->addWidget(m_tuningButton);
    bottom->addStretch();
    bottom->addWidget(m_addChordButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_chordsTableView);
    layout->addLayout(bottom);
    resize(480, 420);

    connect(m_searchField, &QLineEdit::textChanged, this, &ChordListViewController::onSearch);
    connect(m_baseChordsPopup, &QComboBox::activated, this, &ChordListViewController::baseChordSelected);
    connect(m_instrumentsPopup, &QComboBox::activated, this, &ChordListViewController::instrumentSelected);
    connect(m_tuningButton, &QPushButton::clicked, this, &ChordListViewController::changeTuning);
    connect(m_addChordButton, &QPushButton::clicked, this, &ChordListViewController::addChord);
    // A press opens the diagram window; the table never selects.
    connect(m_chordsTableView, &QTableView::pressed, this,
            [this](const QModelIndex &index) { rowClicked(index.row()); });
    // The diagrams column stretches with the table, which reports no section resize for it.
    m_chordsTableView->viewport()->installEventFilter(this);
    refresh();
}

ChordListViewController::~ChordListViewController() = default;

const QStringList &ChordListViewController::chordnames() const
{
    return m_model->names();
}

QStringList ChordListViewController::baseNames() const
{
    const Chords *library = ChordWindowContext::chords();
    return library ? library->chordBaseNames() : QStringList();
}

void ChordListViewController::refresh()
{
    const Instrument &instrument = ChordWindowContext::instrument();
    setWindowTitle(instrument.displayName());
    {
        const QSignalBlocker blocker(m_searchField);
        m_searchField->clear();
    }
    m_model->clearImages();
    fillBaseChordsPopup();
    fillInstrumentsPopup();
    // The search is empty again, so the base chord list is back and its pop-up usable.
    m_baseChordsPopup->setEnabled(true);
    baseChordSelected();
    updateInstrumentControls();
}

void ChordListViewController::fillBaseChordsPopup()
{
    const QStringList roots = baseNames();
    if (!m_currentBaseChordName && !roots.isEmpty())
        m_currentBaseChordName = roots.front();
    m_baseChordsPopup->clear();
    for (const QString &root : roots)
        m_baseChordsPopup->addItem(displayName(root));
    if (m_currentBaseChordName)
        m_baseChordsPopup->setCurrentIndex(int(roots.indexOf(*m_currentBaseChordName)));
}

void ChordListViewController::fillInstrumentsPopup()
{
    const Prefs *prefs = AppContext::instance()->prefs();
    const Instruments *instruments = prefs ? prefs->instruments() : nullptr;
    if (!instruments) {
        m_instrumentsPopup->clear();
        return;
    }
    InstrumentsPopup::fill(*m_instrumentsPopup, *instruments);
}

void ChordListViewController::updateInstrumentControls()
{
    const Instrument &instrument = ChordWindowContext::instrument();
    m_tuningButton->setText(instrument.tuningDescription(ChordWindowContext::displayOptions()));
    m_tuningButton->setVisible(!instrument.isKeyboard());
    // A keyboard's chords are notes, which the fret grid of the chord editor cannot give.
    m_addChordButton->setEnabled(!instrument.isKeyboard());
}

void ChordListViewController::baseChordSelected()
{
    const QStringList roots = baseNames();
    const int index = m_baseChordsPopup->currentIndex();
    if (index < 0 || index >= roots.size()) {
        m_model->setNames({});
        return;
    }
    m_currentBaseChordName = roots[index];
    m_model->setNames(ChordWindowContext::chords()->chordsForBaseName(roots[index]));
}

void ChordListViewController::onSearch()
{
    const QString text = m_searchField->text();
    if (text.isEmpty()) {
        m_baseChordsPopup->setEnabled(true);
        baseChordSelected();
        return;
    }
    const Chords *library = ChordWindowContext::chords();
    m_model->setNames(library ? library->chordNamesForSearch(text) : QStringList(), text);
    m_baseChordsPopup->setEnabled(false);
}

void ChordListViewController::instrumentSelected()
{
    Prefs *prefs = AppContext::instance()->prefs();
    if (!prefs || !prefs->selectInstrumentByTitle(
                      InstrumentsPopup::titleAt(*m_instrumentsPopup, m_instrumentsPopup->currentIndex())))
        return;
    prefs->save();
    m_currentBaseChordName.reset();
    refreshWhenReady();
    m_host.refreshAfterInstrumentChange();
}

void ChordListViewController::changeTuning()
{
    Prefs *prefs = AppContext::instance()->prefs();
    if (!prefs || !TuningDialog(m_host.dialogs()).run(*prefs))
        return;
    refreshWhenReady();
    m_host.refreshAfterInstrumentChange();
}

void ChordListViewController::refreshWhenReady()
{
    disconnect(m_libraryReady);
    Chords *library = ChordWindowContext::chords();
    if (!library || library->isReady()) {
        refresh();
        return;
    }
    m_libraryReady =
        connect(library, &Chords::ready, this, &ChordListViewController::refresh, Qt::SingleShotConnection);
}

void ChordListViewController::addChord()
{
    ChordEditViewController editor(m_host, std::nullopt, QString(), this);
    m_host.runChordEditor(editor);
}

void ChordListViewController::rowClicked(int row)
{
    if (row < 0 || row >= chordnames().size())
        return;
    if (!m_chordViewController)
        m_chordViewController = std::make_unique<ChordViewControllerWindowController>(m_host, this);
    const QString name = chordnames()[row];
    Chords *library = ChordWindowContext::chords();
    m_chordViewController->setChords(name, library ? library->chordsForTitle(name) : QList<Chord>());
    const QRect rowRect =
        m_chordsTableView->visualRect(m_model->index(row, ChordListTableModel::NameColumn))
            .united(m_chordsTableView->visualRect(m_model->index(row, ChordListTableModel::DiagramsColumn)));
    const QWidget *viewport = m_chordsTableView->viewport();
    m_chordViewController->showWindow(QRect(viewport->mapToGlobal(rowRect.topLeft()), rowRect.size()));
}

void ChordListViewController::fitImagesToColumn()
{
    const int width =
        m_chordsTableView->viewport()->width() - m_chordsTableView->columnWidth(ChordListTableModel::NameColumn);
    m_model->setImageWidth(std::max(1, width));
    m_model->setDevicePixelRatio(devicePixelRatioF());
}

bool ChordListViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_chordsTableView->viewport() && event->type() == QEvent::Resize)
        fitImagesToColumn();
    return QWidget::eventFilter(watched, event);
}
