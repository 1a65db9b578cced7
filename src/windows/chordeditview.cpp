// The chord editor's grid.
#include "chordeditview.h"

#include "chordview.h"
#include "chordwindowcontext.h"
#include "instrument.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

const QString fretMark = QStringLiteral("•");
const QString muteMark = QStringLiteral("X");

bool isSet(const QPushButton *button, const QString &mark)
{
    return button && button->text() == mark;
}

void setMark(QPushButton *button, const QString &mark)
{
    button->setText(mark);
    button->setDown(false);
}

} // namespace

ChordEditView::ChordEditView(QWidget *parent)
    : QWidget(parent)
{}

void ChordEditView::setOutlets(QLabel *chordPreview, QLabel *notesPreview, QComboBox *basefretPopup,
                               QLineEdit *titleTextField)
{
    m_chordPreview = chordPreview;
    m_notesPreview = notesPreview;
    m_basefretPopup = basefretPopup;
    m_titleTextField = titleTextField;
}

void ChordEditView::createButtons()
{
    qDeleteAll(m_muteButtons);
    qDeleteAll(m_fretButtons);
    m_muteButtons.clear();
    m_fretButtons.clear();

    const int n = std::max(3, ChordWindowContext::instrument().numstrings());
    m_numstrings = n;
    m_dx = qreal(width() - buttonSize * n) / (n - 1) + buttonSize;
    m_dy = (height() - 150) / 5.5 + buttonSize;
    for (int i = 0; i < n; ++i) {
        QPushButton *button = buttonForFrame(QRect(qRound(i * m_dx), 0, buttonSize, buttonSize));
        connect(button, &QPushButton::clicked, this, [this, button] { toggleMuteButton(button); });
        m_muteButtons.append(button);
    }
    for (int r = 0; r < fretRows; ++r) {
        for (int i = 0; i < n; ++i) {
            QPushButton *button = buttonForFrame(QRect(qRound(i * m_dx), qRound((r + 1) * m_dy), buttonSize, buttonSize));
            QFont font = button->font();
            font.setPointSize(30);
            button->setFont(font);
            connect(button, &QPushButton::clicked, this, [this, button] { toggleFretButton(button); });
            m_fretButtons.append(button);
        }
    }
    update();
}

QPushButton *ChordEditView::buttonForFrame(const QRect &frame)
{
    auto *button = new QPushButton(QString(), this);
    button->setGeometry(frame);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid black; border-radius: 4px; padding: 0;"
                                         " background: palette(button); color: palette(button-text); }"));
    button->show();
    return button;
}

void ChordEditView::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap));
    const qreal top = m_dy * 0.5 + buttonSize / 2.0;
    for (int i = 0; i < m_numstrings; ++i) {
        const qreal x = m_dx * i + buttonSize / 2.0;
        painter.drawLine(QPointF(x, top), QPointF(x, height()));
    }
    for (int k = 0; k <= fretRows; ++k) {
        const qreal y = m_dy * k + top - 1;
        painter.drawLine(QPointF(buttonSize / 2.0, y), QPointF(width() - buttonSize / 2.0, y));
    }
}

int ChordEditView::baseFret() const
{
    return m_basefretPopup ? std::max(0, m_basefretPopup->currentIndex()) : 0;
}

void ChordEditView::setChord(const Chord &chord)
{
    const Instrument &instrument = ChordWindowContext::instrument();
    const ChordDisplayOptions options = ChordWindowContext::displayOptions();
    if (m_titleTextField && !chord.title().isEmpty())
        m_titleTextField->setText(chord.title());
    // Every base fret, 1 included, shows as its own item, so reading the grid back gives the same frets.
    const int base = chord.baseFret(instrument);
    if (m_basefretPopup)
        m_basefretPopup->setCurrentIndex(std::min(base, m_basefretPopup->count() - 1));
    for (int i = 0; i < m_numstrings; ++i) {
        const int value = chord.stringAt(i, instrument, options);
        clearFretButtonsForString(i);
        if (value == Chord::muted) {
            setMark(m_muteButtons[i], muteMark);
            continue;
        }
        clearMuteButtonForString(i);
        const int row = Chord::fretOfValue(value) - base - 1;
        if (value != 0 && row >= 0 && row < fretRows)
            setMark(fretButton(row, i), fretMark);
    }
    updatePreview();
}

int ChordEditView::valueOfString(int string) const
{
    if (isSet(m_muteButtons.value(string), muteMark))
        return Chord::muted;
    for (int row = 0; row < fretRows; ++row) {
        if (isSet(fretButton(row, string), fretMark)) {
            // Fret 15 has a value of its own, since 15 means muted.
            const int fret = row + 1 + baseFret();
            return fret == Chord::muted ? Chord::fretFifteen : fret;
        }
    }
    return 0;
}

Chord ChordEditView::chord() const
{
    const Instrument &instrument = ChordWindowContext::instrument();
    const ChordDisplayOptions options = ChordWindowContext::displayOptions();
    Chord chord;
    chord.setEditable(true);
    chord.setTitle(m_titleTextField ? m_titleTextField->text() : QString());
    for (int i = 0; i < m_numstrings; ++i)
        chord.setStringAt(i, valueOfString(i), instrument, options);
    return chord;
}

void ChordEditView::toggleFretButton(QPushButton *button)
{
    if (isSet(button, fretMark)) {
        setMark(button, QString());
    } else {
        const int tag = int(m_fretButtons.indexOf(button));
        const int string = tag % m_numstrings;
        clearMuteButtonForString(string);
        clearFretButtonsForString(string);
        setMark(button, fretMark);
    }
    updatePreview();
}

void ChordEditView::toggleMuteButton(QPushButton *button)
{
    if (isSet(button, muteMark)) {
        setMark(button, QString());
    } else {
        setMark(button, muteMark);
        clearFretButtonsForString(int(m_muteButtons.indexOf(button)));
    }
    updatePreview();
}

void ChordEditView::clearMuteButtonForString(int string)
{
    setMark(m_muteButtons[string], QString());
}

void ChordEditView::clearFretButtonsForString(int string)
{
    for (int row = 0; row < fretRows; ++row)
        setMark(fretButton(row, string), QString());
}

void ChordEditView::updatePreview()
{
    const ChordView view;
    const Chord shown = chord();
    if (m_chordPreview)
        m_chordPreview->setPixmap(QPixmap::fromImage(view.imageForChord(shown, QRectF(QPointF(), m_chordPreview->size()))));
    if (m_notesPreview)
        m_notesPreview->setPixmap(
            QPixmap::fromImage(view.notesImageForChord(shown, QRectF(QPointF(), m_notesPreview->size()))));
}
