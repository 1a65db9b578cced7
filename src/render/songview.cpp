// The song view's layout side: its state, chord names, and the dispatch of each line to its drawing operation.
#include "songview.h"

#include "appcontext.h"
#include "chorddisplayoptions.h"
#include "chords.h"
#include "columnflow.h"
#include "fontprefs.h"
#include "gridline.h"
#include "lineclassifier.h"
#include "lyricline.h"
#include "prefs.h"
#include "songclicks.h"
#include "songframe.h"
#include "songlayout.h"
#include "songsettings.h"
#include "songviewdelegate.h"
#include "tabline.h"
#include "titleline.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QSizeF diagramSizeFor(const Prefs &prefs)
{
    return prefs.largeChordDiagrams() ? QSizeF(60, 90) : QSizeF(48, 60);
}

// Settings for views that live while the application has none (tests, tools): the defaults.
Prefs &defaultPrefs()
{
    static Prefs prefs;
    return prefs;
}

void setFont(QFont &font, TextMetrics &metrics, const FontPrefs &prefs, float zoom)
{
    font = prefs.fontWithScale(zoom);
    metrics = TextMetrics::zoomed(font, zoom == 1.0f ? font : prefs.fontWithScale(1.0f));
}

} // namespace

SongView::SongView()
    : m_textMetrics(QFont())
    , m_chordMetrics(QFont())
    , m_commentMetrics(QFont())
    , m_tabMetrics(QFont())
    , m_highlightMetrics(QFont())
{
    m_chordDiagramSize = diagramSizeFor(*prefs());
}

SongView::~SongView() = default;

Prefs *SongView::prefs() const
{
    if (m_prefs)
        return m_prefs;
    if (Prefs *shared = AppContext::instance()->prefs())
        return shared;
    return &defaultPrefs();
}

const Prefs &SongView::appPrefs() const
{
    if (const Prefs *shared = AppContext::instance()->prefs())
        return *shared;
    return defaultPrefs();
}

DirectiveOwner SongView::directiveOwner() const
{
    return {SongSettings::currentUser(), SongSettings::currentInstrumentTitle()};
}

ChordDisplayOptions SongView::chordDisplayOptions() const
{
    return appPrefs().chordDisplayOptions();
}

SongPtr SongView::song() const
{
    return m_delegate ? m_delegate->songForSongView(*this) : SongPtr();
}

void SongView::setFonts(const FontPrefs &text, const FontPrefs &chord, const FontPrefs &comment, const FontPrefs &tab,
                        const FontPrefs &highlight, float zoom)
{
    setFont(m_textfont, m_textMetrics, text, zoom);
    setFont(m_chordfont, m_chordMetrics, chord, zoom);
    setFont(m_commentfont, m_commentMetrics, comment, zoom);
    setFont(m_tabfont, m_tabMetrics, tab, zoom);
    setFont(m_highlightfont, m_highlightMetrics, highlight, zoom);
}

void SongView::prepareFonts()
{
    const Prefs *shared = AppContext::instance()->prefs();
    const Prefs &prefs = shared ? *shared : defaultPrefs();
    for (const auto &font : {prefs.textfontprefs(), prefs.chordfontprefs(), prefs.commentfontprefs(),
                             prefs.tabfontprefs(), prefs.highlightfontprefs()})
        TextMetrics::prepare(font->fontWithScale(1.0f));
    for (const QFont &heading : TitleLine::headingFonts(prefs))
        TextMetrics::lookUp(heading);
}

void SongView::calcLineInfosForText(const QString &text, float width)
{
    m_chordDiagramSize = diagramSizeFor(*prefs());
    SongLayout(*this, text, width).run();
    ++m_layoutGeneration;
}

std::optional<LinesAtZoom> SongView::linesAtZoom(const QString &text, float width)
{
    return SongLayout(*this, text, width).linesAtViewZoom();
}

bool SongView::takeLinesAtZoom(const QString &text, LinesAtZoom measured)
{
    const float width = measured.width;
    if (!SongLayout(*this, text, width).takeLines(std::move(measured)))
        return false;
    ++m_layoutGeneration;
    return true;
}

void SongView::adjustFrameForView(QSizeF visibleSize, bool autozoom)
{
    SongFrame(*this).adjustFrameForView(visibleSize, autozoom);
}

int SongView::numColumnsForSize(QSizeF size) const
{
    return ColumnFlow::columnsForView(lineHeights(), m_maxwidth, size, m_outerborder);
}

void SongView::autoZoomForSize(QSizeF size)
{
    SongFrame(*this).autoZoomForSize(size);
}

QList<double> SongView::lineHeights() const
{
    QList<double> heights;
    heights.reserve(m_lines.size());
    for (const LineInfo &line : m_lines)
        heights.append(line.height);
    return heights;
}

float SongView::yForLine(qint64 line) const
{
    const qsizetype before = std::clamp<qint64>(line, 0, m_lines.size());
    double y = 0;
    for (qsizetype i = 0; i < before; ++i)
        y += m_lines[i].height;
    return float(y);
}

qint64 SongView::lineForCursorPos(quint64 position) const
{
    const qint64 at = qint64(std::min<quint64>(position, std::numeric_limits<qint64>::max()));
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].range.end() > at)
            return i;
    }
    return std::max<qsizetype>(m_lines.size() - 1, 0);
}

void SongView::drawRect(QPainter &painter, const QRectF &dirty)
{
    m_screen.drawRect(painter, dirty);
}

std::optional<PauseInfo> SongView::pauseForPosition(double y) const
{
    const double lineHeight = m_textMetrics.height();
    for (const PauseInfo &pause : m_pauses) {
        if (pause.position <= y && y < pause.position + lineHeight + 2.0)
            return pause;
    }
    return std::nullopt;
}

void SongView::mouseDown(QPointF point)
{
    m_screen.updateClickAreas();
    SongClicks(*this).mouseDown(point);
}

bool SongView::isClickableAt(QPointF point)
{
    m_screen.updateClickAreas();
    return SongClicks(*this).isClickableAt(point);
}

QStringList SongView::uniqueChordNamesFromPositionY(float y)
{
    m_screen.updateClickAreas();
    return SongClicks(*this).uniqueChordNamesFromPositionY(y);
}

QStringList SongView::uniqueChordNames()
{
    m_screen.updateClickAreas();
    return SongClicks(*this).uniqueChordNames();
}

float SongView::heightOfSong() const
{
    double height = 2.0 * m_outerborder;
    for (const LineInfo &line : m_lines)
        height += line.height;
    return float(height);
}

TextRange SongView::drawTitle(const QString &text, TextRange range, float width, float &y, QPainter *painter)
{
    return TitleLine(*this, painter).drawTitle(text, range, width, y);
}

TextRange SongView::drawSubTitle(const QString &text, TextRange range, float width, float &y, QPainter *painter)
{
    return TitleLine(*this, painter).drawSubTitle(text, range, width, y);
}

TextRange SongView::drawLine(const QString &text, TextRange range, float width, float &y, bool chorusMode,
                             QPainter *painter)
{
    return LyricLine(*this, text, width, painter).draw(range, y, chorusMode);
}

TextRange SongView::drawTabLine(const QString &text, TextRange range, float width, float &y, QPainter *painter)
{
    return TabLine(*this, painter).draw(text, range, width, y);
}

TextRange SongView::drawGridLine(const QString &text, QList<GridCell> &cells, TextRange range, float width, float &y,
                                 QPainter *painter)
{
    GridLine grid(*this, painter);
    if (painter)
        grid.draw(cells, width, y);
    else
        cells = grid.measure(text, range, y);
    return range;
}

void SongView::drawImage(const QImage &image, float width, float &y, QPainter *painter)
{
    if (image.width() <= 0)
        return;
    const qreal drawnWidth = std::min<qreal>(image.width(), width);
    const qreal drawnHeight = image.height() * drawnWidth / image.width();
    if (painter)
        painter->drawImage(QRectF(0, y, drawnWidth, drawnHeight), image);
    y += float(drawnHeight);
}

void SongView::drawLineInfo(const QString &text, const LineInfo &line, float width, float &y, QPainter *painter)
{
    m_highlight = line.highlight;
    m_highlightcolor = line.highlightcolor;
    m_titlefontsize = line.titlefontsize;
    if (line.title) {
        drawTitle(text, line.range, width, y, painter);
    } else if (line.subtitle) {
        drawSubTitle(text, line.range, width, y, painter);
    } else if (line.tab) {
        drawTabLine(text, line.range, width, y, painter);
    } else if (line.gridCells) {
        QList<GridCell> cells = *line.gridCells; // shared, not copied: drawing only reads the cells
        drawGridLine(text, cells, line.range, width, y, painter);
    } else if (!line.image.isNull()) {
        drawImage(line.image, width, y, painter);
    } else if (!line.newPage && !line.chords) {
        drawLine(text, line.range, width, y, line.chorus, painter);
    }
}

QString SongView::respelledChordName(const QString &name) const
{
    QString shown = name;
    if (m_allChordsFlat && shown.contains(u'#'))
        shown = Chord::flatChordForName(shown);
    if (m_allChordsSharp && shown.contains(u'b'))
        shown = Chord::sharpChordForName(shown);
    return shown;
}

QString SongView::displayChordName(const QString &name) const
{
    return Chord::displayNameForChordname(respelledChordName(name), chordDisplayOptions());
}

QString SongView::transposedChordName(const QString &name) const
{
    if (m_transpose == 0 || !Chord::isValidChord(name))
        return name;
    return Chord::transpose(name, m_transpose, favoredTransposeChar());
}

QChar SongView::favoredTransposeChar() const
{
    if (m_transpose == 0 || m_isTab)
        return QChar();
    const SongPtr shown = song();
    const QString key = shown ? shown->key() : QString();
    const int tone = Chord::toneForChordTitle(key) + m_transpose;
    return Chord::isFlatTone(tone, Chord::isMinorKey(key)) ? QChar(u'b') : QChar(u'#');
}

std::optional<Chord> SongView::tempChordForTitle(const QString &name) const
{
    for (const Chord &chord : m_tempchords) {
        if (chord.title() == name)
            return chord;
    }
    return std::nullopt;
}

std::optional<Chord> SongView::chordForName(const QString &name) const
{
    if (std::optional<Chord> own = tempChordForTitle(name))
        return own;
    // The library's first fingering, retuned for the current tuning, as the chord pane shows it first.
    Chords *library = AppContext::instance()->chords();
    return library ? library->fingeringToDraw(name) : std::nullopt;
}

bool SongView::isRealChord(const QString &word) const
{
    return Chord::isRealChord(word, AppContext::instance()->chords());
}

void SongView::raiseMaxwidth(float width)
{
    m_maxwidth = std::max(m_maxwidth, width);
}

qreal SongView::mirroredX(qreal x, qreal itemWidth, qreal columnWidth) const
{
    return m_rightToLeft ? columnWidth - x - itemWidth : x;
}

void SongView::addChordHit(const QString &name, const QRectF &bounds)
{
    if (!Chord::isValidChord(name) && !Chord::isNashvilleNumber(name))
        return;
    QString title = name;
    if (title.size() >= 3 && title.startsWith(u'(') && title.endsWith(u')'))
        title = title.mid(1, title.size() - 2);
    if (title.size() >= 2 && (title.endsWith(u'|') || title.endsWith(u'_')))
        title.chop(1);
    Chord hit;
    hit.setTitle(title);
    hit.setBounds(bounds);
    m_chords.append(hit);
}
