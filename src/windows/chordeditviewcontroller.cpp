// The chord editor.
#include "chordeditviewcontroller.h"

#include "chordeditview.h"
#include "chords.h"
#include "chordwindowcontext.h"
#include "chordwindowshost.h"
#include "log.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The base frets the popup offers, from the nut (item 0) up.
constexpr int highestBaseFret = 15;
constexpr QSize gridSize(300, 300);
constexpr QSize chordPreviewSize(120, 140);
constexpr QSize notesPreviewSize(120, 110);

} // namespace

ChordEditViewController::ChordEditViewController(ChordWindowsHost &host, const std::optional<Chord> &chord,
                                                 const QString &suggestedChordName, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
    , m_chord(chord)
    , m_suggestedChordName(suggestedChordName)
    , m_titleTextField(new QLineEdit(this))
    , m_basefretPopup(new QComboBox(this))
    , m_chordPreview(new QLabel(this))
    , m_notesPreview(new QLabel(this))
    , m_chordEditView(new ChordEditView(this))
{
    setModal(true);
    m_basefretPopup->addItem(tr("None"));
    for (int fret = 1; fret <= highestBaseFret; ++fret)
        m_basefretPopup->addItem(QString::number(fret));
    m_chordPreview->setFixedSize(chordPreviewSize);
    m_notesPreview->setFixedSize(notesPreviewSize);
    m_chordEditView->setFixedSize(gridSize);

    auto *form = new QFormLayout;
    form->addRow(tr("Title:"), m_titleTextField);
    form->addRow(tr("Base fret:"), m_basefretPopup);
    auto *previews = new QVBoxLayout;
    previews->addWidget(m_chordPreview);
    previews->addWidget(m_notesPreview);
    previews->addStretch();
    auto *body = new QHBoxLayout;
    body->addWidget(m_chordEditView);
    body->addSpacing(16);
    body->addLayout(previews);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(body);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &ChordEditViewController::ok);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_basefretPopup, &QComboBox::currentIndexChanged, m_chordEditView, &ChordEditView::updatePreview);

    m_chordEditView->setOutlets(m_chordPreview, m_notesPreview, m_basefretPopup, m_titleTextField);
    m_chordEditView->createButtons();
    refresh();
}

void ChordEditViewController::refresh()
{
    setWindowTitle(m_chord ? tr("Edit Chord %1").arg(m_chord->title()) : tr("Add Chord"));
    Chord working;
    if (m_chord)
        working.updateFromChord(*m_chord);
    else
        working.setTitle(m_suggestedChordName);
    m_chordEditView->setChord(working);
}

bool ChordEditViewController::isValidTitle(const QString &title)
{
    return !title.isEmpty() && std::none_of(title.begin(), title.end(), [](QChar c) { return c.isSpace(); });
}

void ChordEditViewController::ok()
{
    Chord edited = m_chordEditView->chord();
    if (!isValidTitle(edited.title())) {
        m_titleTextField->setFocus();
        return;
    }
    const Instrument &instrument = ChordWindowContext::instrument();
    Chords *library = ChordWindowContext::chords();
    if (m_chord) {
        Log::write(QStringLiteral("Updating chord %1 to %2")
                       .arg(m_chord->description(instrument), edited.description(instrument)));
        // The grid's chord is new: an edit of the frets keeps the favourite mark of its name.
        if (edited.title() == m_chord->title())
            edited.setFavorite(m_chord->favorite());
        // A chord the library no longer holds (it was reloaded meanwhile) is added, so the work is kept.
        if (library && !library->replaceChord(*m_chord, edited))
            library->addChord(edited);
    } else {
        Log::write(QStringLiteral("Adding chord %1").arg(edited.description(instrument)));
        if (library)
            library->addChord(edited);
    }
    if (library)
        library->saveDefines();
    m_host.refreshChordLibrary();
    accept();
}
