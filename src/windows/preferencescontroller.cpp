// The preferences window: building it, and the preview's sample song.
#include "preferencescontroller.h"

#include "appcontext.h"
#include "fontprefsview.h"
#include "prefs.h"
#include "songviewwidget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Chords, a highlight, a comment and a tab block: every font of the window shows in it.
const char sampleSongText[] = "Al[Am]as, my [C]{soh}love{eoh}, you [G]do me [Em]wrong {c: Solo}\n"
                              "{sot}\n"
                              "E|---|------|-0--10-|------\n"
                              "B|---|-1--3-|-1-----|-3--0-\n"
                              "G|-2-|-2----|-0-----|-0----\n"
                              "{eot}";

QWidget *page(QLayout *layout)
{
    auto *widget = new QWidget;
    widget->setLayout(layout);
    return widget;
}

template <typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

PreferencesController::PreferencesController(Dialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_localprefs(AppContext::instance()->prefs()->copy())
    , m_samplesong(std::make_shared<Song>())
{
    m_samplesong->setIsSampleSong(true);
    m_samplesong->setText(QString::fromUtf8(sampleSongText));
    setWindowTitle(tr("Preferences"));
    // Over the main window, like a floating panel, but the rest of the application stays usable.
    setModal(false);
    setAcceptDrops(true);

    makeCheckBoxes();
    m_tabView = named(new QTabWidget, "tabView");
    m_tabView->addTab(makeGeneralTab(), tr("General"));
    m_tabView->addTab(makeLayoutTab(), tr("Layout"));
    m_tabView->addTab(makePrintTab(), tr("Print"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabView);
    layout->addWidget(makeButtonRow());

    fillUsers();
    loadOptions();
    showFontTab(0);
}

PreferencesController::~PreferencesController() = default;

QWidget *PreferencesController::makeGeneralTab()
{
    auto *segments = new QHBoxLayout;
    m_chordsSegmentedControl = new QButtonGroup(this);
    const char *const segmentNames[] = {"chordsStandard", "chordsLatin", "chordsGerman"};
    const QString segmentLabels[] = {tr("Standard"), tr("Latin (Do,Re)"), tr("German (B->H)")};
    for (int segment = 0; segment < 3; ++segment) {
        auto *button = named(new QPushButton(segmentLabels[segment]), segmentNames[segment]);
        button->setCheckable(true);
        m_chordsSegmentedControl->addButton(button, segment);
        segments->addWidget(button);
    }
    segments->setSpacing(0);
    segments->addStretch();

    m_userComboBox = named(new QComboBox, "userComboBox");
    m_userComboBox->setEditable(true);
    m_chorusPopupButton = named(new QComboBox, "chorusPopupButton");
    connect(m_chorusPopupButton, &QComboBox::activated, this, &PreferencesController::selectChorusMarkerType);
    m_instrumentsPopupButton = named(new QComboBox, "instrumentsPopupButton");
    connect(m_instrumentsPopupButton, &QComboBox::activated, this, &PreferencesController::selectInstrument);
    m_tuningButton = named(new QPushButton, "tuningButton");
    connect(m_tuningButton, &QPushButton::clicked, this, &PreferencesController::changeTuning);
    auto *instrument = new QHBoxLayout;
    instrument->addWidget(m_instrumentsPopupButton);
    instrument->addWidget(m_tuningButton);
    instrument->addStretch();

    auto *form = new QFormLayout;
    form->addRow(named(new QLabel(tr("Chords")), "chordsLabel"), segments);
    form->addRow(new QLabel, checkBox("leftHandedChordsButton"));
    form->addRow(new QLabel, checkBox("markBaseInChordsButton"));
    form->addRow(new QLabel, checkBox("largeChordDiagrams"));
    form->addRow(new QLabel, checkBox("tabSupportButton"));
    form->addRow(new QLabel, checkBox("sortIpodStyleButton"));
    form->addRow(named(new QLabel(tr("Current User")), "userLabel"), m_userComboBox);
    form->addRow(named(new QLabel(tr("Chorus")), "chorusLabel"), m_chorusPopupButton);
    form->addRow(new QLabel, instrument);
    return page(form);
}

QWidget *PreferencesController::makeLayoutTab()
{
    m_layoutTabView = named(new QTabWidget, "layoutTabView");
    const QString fontTabs[] = {tr("Lyrics"), tr("Chords"), tr("Tabs"), tr("Comments"), tr("Highlights")};
    for (const QString &label : fontTabs)
        m_layoutTabView->addTab(page(new QVBoxLayout), label);
    m_fontPrefsView = named(new FontPrefsView(m_dialogs), "fontPrefsView");
    connect(m_layoutTabView, &QTabWidget::currentChanged, this, &PreferencesController::showFontTab);
    connect(m_fontPrefsView, &FontPrefsView::fontPrefsChanged, this, &PreferencesController::fitPreview);

    m_songView = named(new SongViewWidget, "songView");
    m_songView->songView().setPrefs(m_localprefs.get());
    m_songView->setSongSource([this] { return m_samplesong; });
    m_songScrollView = named(new QScrollArea, "songScrollView");
    m_songScrollView->setWidget(m_songView);
    m_songScrollView->viewport()->installEventFilter(this);
    m_songScrollView->setMinimumSize(360, 160);

    auto *exportButton = named(new QPushButton(tr("Export…")), "exportButton");
    connect(exportButton, &QPushButton::clicked, this, &PreferencesController::exportFontPrefs);
    auto *layout = new QVBoxLayout;
    layout->addWidget(m_layoutTabView);
    layout->addWidget(m_songScrollView, 1);
    layout->addWidget(exportButton, 0, Qt::AlignLeft);
    return page(layout);
}

QWidget *PreferencesController::makePrintTab()
{
    m_numChordsButton = named(new QComboBox, "numChordsButton");
    // The settings accept 4 to 12 chords per row.
    for (int count = 4; count <= 12; ++count)
        m_numChordsButton->addItem(QString::number(count));
    connect(checkBox("printChordsButton"), &QCheckBox::toggled, this, &PreferencesController::printChordsChanged);

    auto *margins = new QGridLayout;
    const char *const marginNames[] = {"leftMargin", "rightMargin", "topMargin", "bottomMargin"};
    const QString marginLabels[] = {tr("Left"), tr("Right"), tr("Top"), tr("Bottom")};
    for (int index = 0; index < 4; ++index) {
        auto *field = named(new QLineEdit, marginNames[index]);
        field->setMaximumWidth(60);
        m_margins.append(field);
        margins->addWidget(new QLabel(marginLabels[index]), index / 2, index % 2 * 2);
        margins->addWidget(field, index / 2, index % 2 * 2 + 1);
    }

    auto *form = new QFormLayout;
    form->addRow(new QLabel, checkBox("printChordsButton"));
    form->addRow(new QLabel, checkBox("printOnlyDefinedChordsButton"));
    form->addRow(named(new QLabel(tr("Number of chords per row")), "numChordsLabel"), m_numChordsButton);
    form->addRow(new QLabel, checkBox("printChordsAtTopButton"));
    form->addRow(new QLabel, checkBox("printMultipleColumnsButton"));
    form->addRow(new QLabel, checkBox("printAutoZoom"));
    form->addRow(named(new QLabel(tr("Print Margins (%)")), "marginLabel"), margins);
    return page(form);
}

QWidget *PreferencesController::makeButtonRow()
{
    auto *buttons = new QDialogButtonBox;
    auto *reset = named(buttons->addButton(tr("Reset to Defaults"), QDialogButtonBox::ResetRole), "resetButton");
    auto *cancel = named(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), "cancelButton");
    auto *doneButton = named(buttons->addButton(tr("Done"), QDialogButtonBox::AcceptRole), "doneButton");
    doneButton->setDefault(true);
    connect(reset, &QPushButton::clicked, this, &PreferencesController::resetToDefaults);
    connect(cancel, &QPushButton::clicked, this, &PreferencesController::cancel);
    connect(doneButton, &QPushButton::clicked, this, &PreferencesController::done);
    return buttons;
}
