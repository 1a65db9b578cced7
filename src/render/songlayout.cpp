// One layout pass: a song's text cut into line records.
#include "songlayout.h"

#include "filepath.h"
#include "gridline.h"
#include "log.h"
#include "lyricline.h"
#include "prefs.h"
#include "songsettings.h"
#include "songview.h"
#include "tabline.h"
#include "textdirection.h"
#include "textnumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

// Every iteration consumes at least one character, so a pass needs at most as many iterations as the text
// has characters; the guard only stops a fault from looping for ever, and never cuts a long song short.
constexpr qsizetype kLoopLimitBase = 10001;

const QStringList kTitle = {QStringLiteral("t:"), QStringLiteral("title:")};
const QStringList kSubtitle = {QStringLiteral("st:"), QStringLiteral("subtitle:"), QStringLiteral("artist:")};
const QStringList kSectionStart = {QStringLiteral("soc"),   QStringLiteral("start_of_chorus"),
                                   QStringLiteral("sob"),   QStringLiteral("start_of_bridge"),
                                   QStringLiteral("soblk"), QStringLiteral("start_of_block")};
const QStringList kSectionEnd = {QStringLiteral("eoc"),   QStringLiteral("end_of_chorus"),
                                 QStringLiteral("eob"),   QStringLiteral("end_of_bridge"),
                                 QStringLiteral("eoblk"), QStringLiteral("end_of_block")};
const QStringList kTabStart = {QStringLiteral("sot"), QStringLiteral("start_of_tab")};
const QStringList kTabEnd = {QStringLiteral("eot"), QStringLiteral("end_of_tab")};
const QStringList kGridStart = {QStringLiteral("start_of_grid"), QStringLiteral("sog")};
const QStringList kGridEnd = {QStringLiteral("eog"), QStringLiteral("end_of_grid")};
const QStringList kChordDefinition = {QStringLiteral("define"), QStringLiteral("chord")};
const QStringList kCommentLike = {QStringLiteral("c:"),       QStringLiteral("comment:"), QStringLiteral("c-"),
                                  QStringLiteral("comment-"), QStringLiteral("ci:"),      QStringLiteral("cb:"),
                                  QStringLiteral("soh"),      QStringLiteral("eoh"),      QStringLiteral("capo:")};
const QStringList kComment = {QStringLiteral("c:"), QStringLiteral("comment:")};

// A song of plain chord-over-lyric text: one without a title directive while tab songs are supported. The
// settings window's sample song is never one.
bool isTabSong(const Song &song)
{
    return !song.isSampleSong() && !song.isChordpro();
}

} // namespace

SongLayout::SongLayout(SongView &view, const QString &text, float width)
    : m_view(view)
    , m_text(text)
    , m_width(width)
    , m_usableWidth(float(double(width) - 2.0 * view.outerborder()))
    , m_owner(view.directiveOwner())
{}

void SongLayout::run()
{
    prepare();
    if (!m_view.song())
        return;
    TextRange range = lineAt(0);
    const qsizetype limit = kLoopLimitBase + m_text.size();
    for (qsizetype iteration = 0; range.location < m_text.size(); ++iteration) {
        if (iteration >= limit) {
            Log::write(QStringLiteral("internal ERROR, max loop limit %1 reached").arg(limit + 1));
            break;
        }
        const QString line = m_text.mid(range.location, range.length);
        const Classified kind = classify(line, line.trimmed());
        range = kind == Classified::Dropped ? lineAt(range.end()) : layOutLine(range, kind);
    }
    // A section still open at the end of the song ends with it, showing all it holds.
    if (m_inTab)
        endTabSection();
    if (m_inGrid)
        endGridSection();
}

void SongLayout::prepare()
{
    const SongPtr song = m_view.song();
    const Prefs &prefs = *m_view.prefs();
    m_view.m_isTab = song && isTabSong(*song);
    setFonts(prefs);
    m_view.m_inlinechords = prefs.inlinechords();
    m_view.m_widthForLines = m_width;
    m_view.m_maxwidth = 0;
    m_view.m_titlewidth = 0;
    m_view.m_titlefontsize = 0;
    m_view.m_highlight = false;
    m_view.m_highlightcolor = prefs.highlightfontprefs()->backgroundColor();
    m_view.m_lines.clear();
    m_view.m_tempchords.clear();
    m_view.m_chords.clear();
    m_view.m_pauses.clear();
    m_view.m_rightToLeft = TextDirection::alignmentForString(m_text) != Qt::AlignLeft;
    if (m_view.m_rightToLeft)
        Log::write(QStringLiteral("Right-to-left text"));
}

void SongLayout::setFonts(const Prefs &prefs)
{
    const FontPrefs &tab = *prefs.tabfontprefs();
    if (m_view.m_isTab) {
        m_view.setFonts(tab, tab, tab, tab, tab, m_view.zoomScale());
        return;
    }
    m_view.setFonts(*prefs.textfontprefs(), *prefs.chordfontprefs(), *prefs.commentfontprefs(), tab,
                    *prefs.highlightfontprefs(), m_view.zoomScale());
}

SongLayout::Classified SongLayout::classify(const QString &line, const QString &trimmed)
{
    using LC = LineClassifier;
    const bool showTitles = m_view.prefs()->showTitleSubtitle();
    if (line.startsWith(u'#'))
        return Classified::Dropped;
    if (LC::isKeyWordLine(trimmed, kTitle))
        return showTitles ? Classified::Title : Classified::Dropped;
    if (LC::isKeyWordLine(trimmed, kSubtitle))
        return showTitles ? Classified::Subtitle : Classified::Dropped;
    if (LC::isKeyWordLine(trimmed, kSectionStart)) {
        m_chorus = true;
    } else if (LC::isKeyWordLine(trimmed, kSectionEnd)) {
        m_chorus = false;
    } else if (LC::isKeyWordLine(trimmed, QStringLiteral("sot-"))) {
        startTabOrGridSection(trimmed, QStringLiteral("sot"), true);
    } else if (LC::isKeyWordLine(trimmed, kTabStart)) {
        startTabOrGridSection(trimmed, QStringLiteral("sot"), false);
    } else if (LC::isKeyWordLine(trimmed, QStringLiteral("sog-"))) {
        startTabOrGridSection(trimmed, QStringLiteral("sog"), true);
    } else if (LC::isKeyWordLine(trimmed, kGridStart)) {
        startTabOrGridSection(trimmed, QStringLiteral("sog"), false);
    } else if (LC::isKeyWordLine(trimmed, kTabEnd)) {
        endTabSection();
    } else if (LC::isKeyWordLine(trimmed, kGridEnd)) {
        endGridSection();
    } else if (LC::isUserKeyWordLine(trimmed, QStringLiteral("image:"), m_owner)) {
        return addImage(trimmed) ? Classified::Dropped : Classified::LaidOut;
    } else if (LC::isUserKeyWordLine(trimmed, kChordDefinition, m_owner)) {
        addTemporaryChord(trimmed);
    } else if (LC::isUserKeyWordLine(trimmed, kCommentLike, m_owner)) {
        // Somebody else's comment is not shown; the directive of any other is shown or hidden by the line.
        return LC::isEmptyUserKeyWordLine(trimmed, kComment, m_owner) ? Classified::Dropped : Classified::LaidOut;
    } else if (LC::isKeyWordLine(trimmed, QStringLiteral("new_page"))) {
        if (m_view.printing()) {
            LineInfo pageBreak;
            pageBreak.newPage = true;
            appendRecord(pageBreak);
        }
    } else if (LC::isKeyWordLine(trimmed, QStringLiteral("pause"))) {
        addPause(trimmed);
    } else if (!trimmed.startsWith(u'{')) {
        return Classified::LaidOut;
    }
    return Classified::Dropped;
}

bool SongLayout::sectionIsForThisView(const QString &trimmed, const QString &name) const
{
    const QString prefix = u'{' + name + u'-';
    if (!m_owner.user.isEmpty() && trimmed.startsWith(prefix + m_owner.user + u'}', Qt::CaseInsensitive))
        return true;
    return trimmed.startsWith(prefix + m_owner.instrument, Qt::CaseInsensitive);
}

void SongLayout::startTabOrGridSection(const QString &trimmed, const QString &name, bool forSomeone)
{
    if (forSomeone)
        m_hidden = !m_view.showChords() || !sectionIsForThisView(trimmed, name);
    else if (!m_view.showChords())
        m_hidden = true;
    if (name == u"sot") {
        m_inTab = true;
    } else {
        m_gridRows.clear();
        m_inGrid = true;
    }
}

TextRange SongLayout::layOutLine(TextRange range, Classified kind)
{
    if (m_hidden)
        return lineAt(range.end());
    LineInfo record;
    stampDrawingState(record);
    float y = 0;
    TextRange next;
    if (m_inTab) {
        record.range = m_view.drawTabLine(m_text, range, m_usableWidth, y, nullptr);
        if (record.range.length < range.length) {
            LineInfo rest = record;
            rest.range = {record.range.end(), range.length - record.range.length};
            rest.tab = true;
            rest.height = roundedForPrint(y);
            m_pendingTabRests.append(rest);
            record.broken = true;
        }
        next = lineAt(range.end());
    } else if (m_inGrid) {
        QList<GridCell> cells;
        record.range = m_view.drawGridLine(m_text, cells, range, m_usableWidth, y, nullptr);
        record.gridCells = cells;
        m_gridRows.append(m_view.m_lines.size());
        next = lineAt(range.end());
    } else {
        if (kind == Classified::Title)
            record.range = m_view.drawTitle(m_text, range, m_usableWidth, y, nullptr);
        else if (kind == Classified::Subtitle)
            record.range = m_view.drawSubTitle(m_text, range, m_usableWidth, y, nullptr);
        else
            record.range = layOutLyricLine(range, y, record);
        next = {record.range.end(), range.length - record.range.length};
    }
    record.height = roundedForPrint(y);
    record.title = kind == Classified::Title;
    record.subtitle = kind == Classified::Subtitle;
    record.tab = m_inTab;
    record.chorus = m_chorus;
    appendRecord(record);

    // Blank text after a line is passed over: a rest of blanks, or one blank line after a tab or grid line.
    if (next.location < m_text.size() && QStringView(m_text).mid(next.location, next.length).trimmed().isEmpty())
        next = lineAt(next.end());
    else if (kind == Classified::LaidOut && !m_inTab && !m_inGrid && next.length > 0)
        m_view.m_lines.last().broken = true;
    return next;
}

TextRange SongLayout::layOutLyricLine(TextRange range, float &y, LineInfo &record)
{
    LyricLine line(m_view, m_text, m_usableWidth, nullptr);
    const TextRange consumed = line.draw(range, y, m_chorus);
    record.chordRow = line.hasChordRow();
    record.wordRow = line.hasWordRow();
    return consumed;
}

std::optional<LinesAtZoom> SongLayout::linesAtViewZoom()
{
    LinesAtZoom measured{m_view.zoomScale(), m_width, m_view.m_layoutGeneration, m_view.m_lines};
    const bool measurable = std::none_of(measured.lines.cbegin(), measured.lines.cend(),
                                         [](const LineInfo &line) { return line.gridCells || line.broken; });
    if (!measurable)
        return std::nullopt;
    // The view keeps the fonts and the title state of its last layout, whose lines are read here.
    SongView &view = m_view;
    const std::array<QFont, 5> fonts = {view.m_textfont, view.m_chordfont, view.m_commentfont, view.m_tabfont,
                                        view.m_highlightfont};
    const std::array<TextMetrics, 5> laidOut = {view.m_textMetrics, view.m_chordMetrics, view.m_commentMetrics,
                                                view.m_tabMetrics, view.m_highlightMetrics};
    const float titlefontsize = view.m_titlefontsize;
    const float titlewidth = view.m_titlewidth;
    setFonts(*view.prefs());
    // The margin stands far above what rounding the sums to floats can add.
    const std::optional<double> ratio = widthRatio(laidOut);
    const double widest = ratio ? double(view.m_maxwidth) * *ratio * 1.001 : 0;
    const bool unwrapped = ratio && widest <= double(m_usableWidth);
    measured.widestBound = float(widest);
    view.m_titlefontsize = 0;
    view.m_titlewidth = 0;
    for (LineInfo &line : measured.lines) {
        if (!unwrapped)
            break;
        line.titlefontsize = view.m_titlefontsize;
        float y = 0;
        if (line.title) {
            view.drawTitle(m_text, line.range, m_usableWidth, y, nullptr);
        } else if (line.subtitle) {
            view.drawSubTitle(m_text, line.range, m_usableWidth, y, nullptr);
        } else if (!line.image.isNull()) {
            view.drawImage(line.image, m_usableWidth, y, nullptr);
            measured.widestBound = std::max(measured.widestBound, std::min(float(line.image.width()), m_usableWidth));
        } else if (line.tab) {
            y = TabLine::height(view);
        } else if (!line.newPage) {
            y = LyricLine::heightOfRows(view, line.chordRow, line.wordRow);
        }
        line.height = roundedForPrint(y);
    }
    measured.titlewidth = view.m_titlewidth;
    measured.titlefontsize = view.m_titlefontsize;
    std::tie(view.m_textfont, view.m_chordfont, view.m_commentfont, view.m_tabfont, view.m_highlightfont) =
        std::tuple_cat(fonts);
    std::tie(view.m_textMetrics, view.m_chordMetrics, view.m_commentMetrics, view.m_tabMetrics,
             view.m_highlightMetrics) = std::tuple_cat(laidOut);
    view.m_titlefontsize = titlefontsize;
    view.m_titlewidth = titlewidth;
    if (!unwrapped)
        return std::nullopt;
    return measured;
}

bool SongLayout::takeLines(LinesAtZoom measured)
{
    if (measured.zoom != m_view.zoomScale() || measured.width != m_width ||
        measured.layoutGeneration != m_view.m_layoutGeneration)
        return false;
    const bool chorus =
        std::any_of(measured.lines.cbegin(), measured.lines.cend(), [](const LineInfo &line) { return line.chorus; });
    if (chorus && LyricLine::chorusSpansWidestLine(*m_view.prefs()))
        return false;
    setFonts(*m_view.prefs());
    m_view.m_widthForLines = m_width;
    m_view.m_maxwidth = measured.widestBound;
    m_view.m_titlewidth = measured.titlewidth;
    m_view.m_titlefontsize = measured.titlefontsize;
    m_view.m_lines = std::move(measured.lines);
    for (PauseInfo &pause : m_view.m_pauses) {
        pause.position = 0;
        for (qsizetype i = 0; i < pause.records; ++i)
            pause.position += m_view.m_lines[i].height;
    }
    return true;
}

std::optional<double> SongLayout::widthRatio(const std::array<TextMetrics, 5> &laidOut) const
{
    // A lyric line is as wide as a sum of widths in the text, chord, comment and highlight fonts and of chord
    // diagrams, which no zoom changes, a tab line as wide as its characters in the tab font. So no line at the
    // view's zoom is wider than the widest laid out times the largest ratio of a font's widths now to its widths
    // then.
    const SongView &view = m_view;
    std::vector<std::pair<const TextMetrics &, const TextMetrics &>> fonts = {{
        {view.m_textMetrics, laidOut[0]},
        {view.m_chordMetrics, laidOut[1]},
        {view.m_commentMetrics, laidOut[2]},
        {view.m_highlightMetrics, laidOut[4]},
    }};
    if (std::any_of(view.m_lines.cbegin(), view.m_lines.cend(), [](const LineInfo &line) { return line.tab; }))
        fonts.emplace_back(view.m_tabMetrics, laidOut[3]);
    const QString space = QStringLiteral(" ");
    double ratio = view.appPrefs().showChordDiagrams() ? 1.0 : 0.0;
    for (const auto &[now, then] : fonts) {
        const qreal before = then.width(space);
        if (!(before > 0))
            return std::nullopt;
        ratio = std::max(ratio, now.width(space) / before);
    }
    return ratio;
}

void SongLayout::appendRecord(LineInfo record)
{
    m_view.m_lines.append(std::move(record));
}

void SongLayout::endTabSection()
{
    if (m_view.showChords()) {
        for (const LineInfo &rest : std::as_const(m_pendingTabRests))
            appendRecord(rest);
    }
    m_pendingTabRests.clear();
    m_inTab = false;
    m_hidden = false;
}

void SongLayout::endGridSection()
{
    QList<LineInfo> &lines = m_view.m_lines;
    // Column alignment: every cell as wide as the widest cell at its position in the section.
    for (qsizetype column = 0;; ++column) {
        double widest = -1;
        for (const qsizetype row : std::as_const(m_gridRows)) {
            const QList<GridCell> &cells = *lines[row].gridCells;
            if (column < cells.size())
                widest = std::max(widest, cells[column].width);
        }
        if (widest < 0)
            break;
        for (const qsizetype row : std::as_const(m_gridRows)) {
            QList<GridCell> &cells = *lines[row].gridCells;
            if (column < cells.size())
                cells[column].width = widest;
        }
    }
    // Wrap heights: the drawing wraps by the same rule, so the records hold what is drawn.
    const GridLine grid(m_view, nullptr);
    for (const qsizetype row : std::as_const(m_gridRows)) {
        LineInfo &record = lines[row];
        const GridLine::Placement placement =
            GridLine::place(*record.gridCells, m_usableWidth, grid.gap(), grid.rowHeight());
        record.height = roundedForPrint(float(record.height + placement.wraps * grid.rowHeight()));
        m_view.raiseMaxwidth(float(placement.width));
    }
    m_gridRows.clear();
    m_inGrid = false;
    m_hidden = false;
}

bool SongLayout::addImage(const QString &trimmed)
{
    static const QRegularExpression source(QStringLiteral("src=\"(.*?)\""), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match =
        source.match(Song::valueInTextForUserControl(trimmed, QStringLiteral("image")));
    if (!match.hasMatch())
        return false;
    const QString path = imagePath(match.captured(1));
    QImage image;
    if (QFile file; !path.isEmpty() && FilePath::openForReading(path, file))
        image = QImageReader(&file).read(); // by the path's own bytes: a category's name need not be UTF-8
    if (image.isNull()) {
        const QString shown = path.isEmpty() ? match.captured(1) : QUrl::fromLocalFile(path).toString();
        Log::write(QStringLiteral("Image %1 not found").arg(shown));
        return true;
    }
    LineInfo record;
    stampDrawingState(record);
    float y = 0;
    m_view.drawImage(image, m_usableWidth, y, nullptr);
    record.image = image;
    record.height = roundedForPrint(y);
    appendRecord(record);
    m_view.raiseMaxwidth(std::min(float(image.width()), m_usableWidth));
    return true;
}

QString SongLayout::imagePath(const QString &name) const
{
    // Images are local files only: a layout never reaches out to the network.
    const QUrl url(name);
    if (url.scheme().size() > 1)
        return url.isLocalFile() ? url.toLocalFile() : QString();
    if (QDir::isAbsolutePath(name))
        return name;
    const SongPtr song = m_view.song();
    QString folder;
    if (song && !song->path().isEmpty()) {
        folder = QFileInfo(song->path()).absolutePath();
    } else {
        // The library keeps its current category in the settings.
        folder = SongSettings::songDirectory();
        const QString category = m_view.appPrefs().currentCategory().value_or(QString());
        if (!category.isEmpty())
            folder = QDir(folder).filePath(category);
    }
    return QDir(folder).filePath(name);
}

void SongLayout::addTemporaryChord(const QString &trimmed)
{
    QString definition = Song::valueInTextForUserControl(trimmed, QStringLiteral("define"));
    if (definition.isEmpty())
        definition = Song::valueInTextForUserControl(trimmed, QStringLiteral("chord"));
    Chord chord = Chord::fromDefinition(definition);
    if (!chord.valid())
        return;
    chord.setTemp(true);
    m_view.m_tempchords.append(chord);
}

void SongLayout::addPause(const QString &trimmed)
{
    const QString value = Song::valueInText(trimmed, QStringLiteral("pause"));
    const double seconds = TextNumber::leadingFloat(value);
    if (value.isEmpty() || !(seconds > 0))
        return; // a pause of no time, or of negative time, is no pause
    double position = 0;
    for (const LineInfo &line : std::as_const(m_view.m_lines))
        position += line.height;
    m_view.m_pauses.append(PauseInfo{seconds, position, m_view.m_lines.size()});
}

TextRange SongLayout::lineAt(qsizetype position) const
{
    TextRange range{position, 0};
    if (position >= m_text.size())
        return {m_text.size(), 0};
    qsizetype end = position;
    while (end < m_text.size()) {
        const QChar c = m_text[end++];
        if (c == u'\r' && end < m_text.size() && m_text[end] == u'\n')
            ++end;
        if (c == u'\n' || c == u'\r' || c == QChar(0x85) || c == QChar(0x2028) || c == QChar(0x2029))
            break;
    }
    range.length = end - position;
    return range;
}

void SongLayout::stampDrawingState(LineInfo &record) const
{
    record.highlight = m_view.m_highlight;
    record.highlightcolor = m_view.m_highlightcolor;
    record.titlefontsize = m_view.m_titlefontsize;
}

float SongLayout::roundedForPrint(float height) const
{
    return m_view.printing() ? std::round(height) : height;
}
