#include "simplesongwidget.h"

#include "appcontext.h"
#include "prefs.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollArea>

#include <algorithm>

namespace {

// Space around the song, pixels at zoom 1.
constexpr qreal border = 7;

const Prefs &appPrefs()
{
    static const Prefs defaults;
    const Prefs *prefs = AppContext::instance()->prefs();
    return prefs ? *prefs : defaults;
}

ChordDisplayOptions displayOptions()
{
    const Prefs &prefs = appPrefs();
    return {prefs.latinChords(), prefs.germanChords(), prefs.leftHandedChordDisplay()};
}

} // namespace

SimpleSongWidget::SimpleSongWidget(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void SimpleSongWidget::setChordClickHandler(std::function<void(const QString &, const QRectF &)> handler)
{
    m_chordClicked = std::move(handler);
}

void SimpleSongWidget::adjustFrameForView(QScrollArea &scrollView, bool autozoom)
{
    const QSize view = scrollView.viewport()->size();
    QSizeF used = layOut(view.width());
    if (autozoom && used.height() > 0 && used.width() > 0) {
        // The zoom at which the widest line and the whole height fit the view.
        const qreal fit = std::min(view.width() / used.width(), view.height() / used.height());
        m_zoomScale = std::clamp(float(m_zoomScale * fit), 0.25f, 5.0f);
        used = layOut(view.width());
    }
    resize(std::max<int>(view.width(), int(used.width())), std::max<int>(view.height(), int(used.height())));
    update();
}

QSizeF SimpleSongWidget::layOut(qreal width)
{
    Q_UNUSED(width);
    m_pieces.clear();
    const SongPtr song = m_songSource ? m_songSource() : SongPtr();
    if (!song)
        return {};
    qreal y = border * m_zoomScale;
    const Prefs &prefs = appPrefs();
    const QFont titleFont = prefs.textfontprefs()->fontWithScale(m_zoomScale * 1.5f);
    addText(song->title(), titleFont, prefs.textfontprefs()->color(), border * m_zoomScale, y);
    if (!song->subtitle().isEmpty())
        addText(song->subtitle(), prefs.textfontprefs()->fontWithScale(m_zoomScale * 1.2f),
                prefs.textfontprefs()->color(), border * m_zoomScale, y);
    TextRange range;
    while (const std::optional<QString> line = Song::getNextLineForText(song->text(), range))
        addLine(*line, y);
    qreal right = 0;
    for (const Piece &piece : m_pieces)
        right = std::max(right, piece.rect.right());
    return {right + border * m_zoomScale, y + border * m_zoomScale};
}

void SimpleSongWidget::addLine(const QString &line, qreal &y)
{
    const Prefs &prefs = appPrefs();
    const bool comment =
        line.trimmed().startsWith(QLatin1String("{c:")) || line.trimmed().startsWith(QLatin1String("{comment:"));
    const QString shown = Song::stripControlSequencesFromLine(line);
    const bool directiveOnly = shown.trimmed().isEmpty() && line.trimmed().startsWith(u'{');
    if (directiveOnly)
        return;
    const FontPrefs &textPrefs = comment ? *prefs.commentfontprefs() : *prefs.textfontprefs();
    const QFont textFont = textPrefs.fontWithScale(m_zoomScale);
    const QFont chordFont = prefs.chordfontprefs()->fontWithScale(m_zoomScale);
    QStringList lyrics;
    QStringList chords;
    if (!m_showChords || !Song::breakUpLine(shown, lyrics, chords)) {
        static const QRegularExpression chordPattern(QStringLiteral("\\[.*?\\]"));
        const QString lyricsOnly = m_showChords ? shown : QString(shown).remove(chordPattern);
        addText(lyricsOnly, textFont, textPrefs.color(), border * m_zoomScale, y);
        return;
    }
    // Each lyric piece with its chord above it; a piece is as wide as the wider of the two.
    const QFontMetricsF chordMetrics(chordFont, this);
    const QFontMetricsF textMetrics(textFont, this);
    const qreal lyricTop = y + chordMetrics.height();
    qreal x = border * m_zoomScale;
    for (qsizetype i = 0; i < lyrics.size(); ++i) {
        const QString chord = shownChordName(chords.value(i));
        const qreal chordWidth = chord.isEmpty() ? 0 : chordMetrics.horizontalAdvance(chord + QLatin1Char(' '));
        const qreal lyricWidth = textMetrics.horizontalAdvance(lyrics[i]);
        if (!chord.isEmpty())
            m_pieces.append({QRectF(x, y, chordWidth, chordMetrics.height()), chord, chordFont,
                             prefs.chordfontprefs()->color(), true, chords.value(i)});
        m_pieces.append(
            {QRectF(x, lyricTop, lyricWidth, textMetrics.height()), lyrics[i], textFont, textPrefs.color(), false, {}});
        x += std::max(chordWidth, lyricWidth);
    }
    y = lyricTop + textMetrics.height();
}

void SimpleSongWidget::addText(const QString &text, const QFont &font, const QColor &color, qreal x, qreal &y)
{
    const QFontMetricsF metrics(font, this);
    m_pieces.append({QRectF(x, y, metrics.horizontalAdvance(text), metrics.height()), text, font, color, false, {}});
    y += metrics.height();
}

QString SimpleSongWidget::shownChordName(const QString &name) const
{
    if (name.isEmpty() || !Chord::isValidChord(name))
        return name;
    QString shown = Chord::transpose(name, m_transpose, favoredTransposeChar());
    if (m_allChordsFlat)
        shown = Chord::flatChordForName(shown);
    else if (m_allChordsSharp)
        shown = Chord::sharpChordForName(shown);
    return Chord::displayNameForChordname(shown, displayOptions());
}

QChar SimpleSongWidget::favoredTransposeChar() const
{
    const SongPtr song = m_songSource ? m_songSource() : SongPtr();
    if (m_transpose == 0 || !song || song->key().isEmpty())
        return {};
    const QString key = song->key();
    const int tone = ((Chord::toneForChordTitle(key) + m_transpose) % 12 + 12) % 12;
    return Chord::isFlatTone(tone, Chord::isMinorKey(key)) ? u'b' : u'#';
}

std::optional<Chord> SimpleSongWidget::tempChordForTitle(const QString &title) const
{
    const SongPtr song = m_songSource ? m_songSource() : SongPtr();
    if (!song)
        return std::nullopt;
    for (const QString &definition : Song::valuesInText(song->text(), QStringLiteral("define"))) {
        const Chord chord = Chord::fromDefinition(definition);
        if (chord.title() == title)
            return chord;
    }
    return std::nullopt;
}

void SimpleSongWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().base());
    for (const Piece &piece : m_pieces) {
        if (!piece.rect.intersects(event->rect()))
            continue;
        painter.setFont(piece.font);
        painter.setPen(piece.color.isValid() ? piece.color : palette().text().color());
        painter.drawText(piece.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, piece.text);
    }
}

void SimpleSongWidget::mousePressEvent(QMouseEvent *event)
{
    for (const Piece &piece : m_pieces) {
        if (piece.chord && piece.rect.contains(event->position()) && m_chordClicked) {
            m_chordClicked(piece.text, piece.rect);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}
