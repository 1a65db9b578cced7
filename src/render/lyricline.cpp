// One lyric line of a song, measured or drawn with the same decisions.
#include "lyricline.h"

#include "chordview.h"
#include "lineclassifier.h"
#include "prefs.h"
#include "songview.h"
#include "util.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar(0x85) || c == QChar(0x2028) || c == QChar(0x2029);
}

// Chorus marking styles of the settings.
constexpr int kChorusBar = 0;
constexpr int kChorusShade = 2;

} // namespace

LyricLine::LyricLine(SongView &view, const QString &text, float width, QPainter *painter)
    : m_view(view)
    , m_text(text)
    , m_width(width)
    , m_painter(painter)
    , m_canvas(painter)
    , m_texts(view.textPainter(painter))
    , m_owner(view.directiveOwner())
{}

TextRange LyricLine::draw(TextRange range, float &y, bool chorusMode)
{
    // The line without its line break.
    qsizetype end = range.end();
    while (end > range.location && isLineBreak(m_text[end - 1]))
        --end;
    const bool chordsAbove = !m_view.inlinechords();
    const bool hasChords =
        m_view.showChords() && QStringView(m_text).mid(range.location, end - range.location).contains(u'[');
    const float chordRow = hasChords && chordsAbove ? chordRowHeight(m_view) : 0;
    const int marker = m_view.prefs()->chorusMarker();

    Pen pen;
    if (chorusMode && marker != kChorusShade)
        pen.x = pen.chordX = 2 * spaceWidth();
    const float top = y;
    y += chordRow; // words are drawn at the top of the lyric row, their chords above it

    qsizetype pos = range.location;
    bool wordTaken = false;
    while (pos < end) {
        const ViewState before = saveState();
        Pen trial = pen;
        m_canvas = nullptr;
        const qsizetype afterWord = drawWord(pos, end, trial, y);
        qsizetype wordEnd = afterWord;
        if (overflows(trial)) {
            restoreState(before);
            if (wordTaken)
                break;
            // Alone on the line and still wider than the column: the word is broken between characters.
            wordEnd = fittingPartOfWord(pos, afterWord, pen, y);
            trial = pen;
            drawWord(pos, wordEnd, trial, y);
        }
        if (m_painter) {
            restoreState(before);
            m_canvas = m_painter;
            drawWord(pos, wordEnd, pen, y);
        } else {
            pen = trial;
        }
        wordTaken = wordTaken || wordEnd > pos;
        if (pen.x == 0 && pen.chordX != 0)
            pen.x = pen.chordX; // a word of chords only moves the lyrics along
        if (wordEnd < afterWord) {
            pos = wordEnd; // the rest of the word starts the next line
            break;
        }
        pos = consumeWhitespace(afterWord, end, pen, y);
    }
    m_canvas = m_painter;

    m_view.raiseMaxwidth(pen.x);
    m_view.raiseMaxwidth(pen.chordX);
    const qsizetype consumed = pos >= end ? range.length : pos - range.location;
    m_chordRow = chordRow != 0;
    if (hasChords && !QStringView(m_text).mid(range.location, consumed).contains(u'[')) {
        y -= chordRow; // a wrapped continuation without chords has no chord row
        m_chordRow = false;
    }
    const bool lyrics = m_view.showLyrics();
    m_wordRow = (lyrics && pen.hasLyrics) || pen.hasComment || (lyrics && !hasChords) || (lyrics && !chordsAbove);
    if (m_wordRow)
        y += m_view.m_textMetrics.height();
    if (chorusMode)
        drawChorusMarker(marker, top, y);
    return {range.location, consumed};
}

bool LyricLine::overflows(const Pen &pen) const
{
    return pen.x > m_width || pen.chordX > m_width;
}

QList<qsizetype> LyricLine::breaksInWord(qsizetype pos, qsizetype afterWord) const
{
    QList<qsizetype> breaks;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, m_text.constData() + pos, afterWord - pos);
    char closing = 0; // inside a chord (']') or a directive ('}'): no break there
    for (qsizetype i = pos; i < afterWord; ++i) {
        const QChar c = m_text[i];
        if (closing) {
            if (c == QLatin1Char(closing))
                closing = 0;
            continue;
        }
        if (c == u'[' || c == u'{') {
            closing = c == u'[' ? ']' : '}';
            continue;
        }
        // After a lyric character that ends a grapheme cluster; a chord goes on with the syllable after it.
        if (c == u'}' || i + 1 >= afterWord)
            continue;
        graphemes.setPosition(i + 1 - pos);
        if (graphemes.isAtBoundary())
            breaks.append(i + 1);
    }
    return breaks;
}

qsizetype LyricLine::fittingPartOfWord(qsizetype pos, qsizetype afterWord, const Pen &pen, float y)
{
    const QList<qsizetype> breaks = breaksInWord(pos, afterWord);
    if (breaks.isEmpty())
        return afterWord; // nothing to break at (chords only): taken whole
    // The longest part that fits, found by halving; at least the first grapheme, so every line takes some.
    qsizetype fitting = 0;
    qsizetype tooLong = breaks.size();
    const ViewState before = saveState();
    while (tooLong - fitting > 1) {
        const qsizetype middle = (fitting + tooLong) / 2;
        Pen trial = pen;
        drawWord(pos, breaks[middle], trial, y);
        restoreState(before);
        (overflows(trial) ? tooLong : fitting) = middle;
    }
    return breaks[fitting];
}

float LyricLine::chordRowHeight(const SongView &view)
{
    if (view.appPrefs().showChordDiagrams())
        return float(view.chordDiagramSize().height());
    const TextMetrics &chord = view.m_chordMetrics;
    return float(view.showLyrics() ? chord.capHeight() + chord.descent() : chord.height());
}

float LyricLine::heightOfRows(const SongView &view, bool chordRow, bool wordRow)
{
    // The steps of draw from y = 0, in its float arithmetic.
    float y = chordRow ? chordRowHeight(view) : 0;
    if (wordRow)
        y += view.m_textMetrics.height();
    return y;
}

bool LyricLine::chorusSpansWidestLine(const Prefs &prefs)
{
    return prefs.chorusMarker() == kChorusShade;
}

float LyricLine::spaceWidth() const
{
    return float(m_view.m_textMetrics.width(QStringLiteral(" ")));
}

qsizetype LyricLine::drawWord(qsizetype pos, qsizetype end, Pen &pen, float y)
{
    WordState state = WordState::Lyrics;
    qsizetype runStart = pos; // the pending lyric run
    qsizetype nameStart = 0;  // a chord name or comment text being read
    float lastLyricEnd = 0;   // x where the last lyric run before a chord ended; 0 when none
    qsizetype i = pos;
    for (; i < end; ++i) {
        const QChar c = m_text[i];
        if (state == WordState::Chord) {
            if (c == u']') {
                completeChord(m_text.mid(nameStart, i - nameStart), pen, y, lastLyricEnd);
                runStart = i + 1;
                state = WordState::Lyrics;
            }
            continue;
        }
        if (state == WordState::Comment || state == WordState::Directive) {
            if (c == u'}') {
                if (state == WordState::Comment)
                    drawComment(m_text.mid(nameStart, i - nameStart), pen, y);
                runStart = i + 1;
                state = WordState::Lyrics;
            }
            continue;
        }
        if (c.isSpace())
            break;
        if (c == u'[') {
            drawLyricsWord(runStart, i - runStart, pen, y);
            if (runStart < i)
                lastLyricEnd = pen.x;
            runStart = i; // a chord that is never closed shows as written
            nameStart = i + 1;
            state = WordState::Chord;
        } else if (c == u'{') {
            drawLyricsWord(runStart, i - runStart, pen, y);
            state = startDirective(i, nameStart);
        } else if (c == u'}') {
            drawLyricsWord(runStart, i - runStart, pen, y); // a stray brace is not shown
            runStart = i + 1;
        }
    }
    if (state == WordState::Lyrics || state == WordState::Chord)
        drawLyricsWord(runStart, i - runStart, pen, y);
    return i;
}

LyricLine::WordState LyricLine::startDirective(qsizetype &pos, qsizetype &textStart)
{
    if (matchComment(pos, textStart)) {
        pos = textStart - 1;
        return WordState::Comment;
    }
    const QString tag = matchHighlightStart(pos);
    if (!tag.isEmpty()) {
        pos = startHighlight(pos, tag) - 1;
    } else if (startsWithAt(pos, QStringLiteral("{eoh}"), Qt::CaseSensitive)) {
        m_view.m_highlight = false;
    }
    return WordState::Directive; // skipped up to its "}"
}

void LyricLine::drawLyricsWord(qsizetype start, qsizetype length, Pen &pen, float y)
{
    if (length <= 0)
        return;
    pen.hasLyrics = true;
    const QString word = m_text.mid(start, length);
    const bool highlighted = m_view.m_highlight;
    const TextMetrics &metrics = highlighted ? m_view.m_highlightMetrics : m_view.m_textMetrics;
    const qreal width = metrics.width(word);
    if (m_view.showLyrics()) {
        const QRectF rect = mirrored(QRectF(pen.x, y, width, metrics.height()));
        // A link too long for the column is broken over lines: each piece leads to the whole link.
        const QString run = lyricRunAround(start, length);
        const bool link = LineClassifier::isLinkWord(run);
        // A tab song's chord is recorded while measuring too, as bracketed chords are, so that printing, which
        // reads the chords of the layout, knows it.
        const bool tabChord = !link && m_view.isTab() && isTabSongChord(word, start + length);
        if (m_canvas && highlighted)
            fill(rect, m_view.m_highlightcolor);
        const QString shown = tabChord ? drawTabSongChord(word, rect) : word;
        if (m_canvas) {
            const Prefs &prefs = *m_view.prefs();
            QColor color = highlighted ? prefs.highlightfontprefs()->color() : prefs.textfontprefs()->color();
            if (link) {
                underLineWord(rect, metrics.font());
                m_view.m_links.append(LinkInfo(m_view.viewRect(rect), run));
            } else if (tabChord) {
                color = prefs.chordfontprefs()->color();
            }
            m_texts.add(shown, rect.topLeft(), metrics, color);
        }
    }
    pen.x += float(width);
}

QString LyricLine::lyricRunAround(qsizetype start, qsizetype length) const
{
    // A run ends at whitespace, a chord or a directive; a line break of the layout does not end it.
    const auto endsRun = [](QChar c) { return c.isSpace() || c == u'[' || c == u']' || c == u'{' || c == u'}'; };
    qsizetype from = start;
    while (from > 0 && !endsRun(m_text[from - 1]))
        --from;
    qsizetype to = start + length;
    while (to < m_text.size() && !endsRun(m_text[to]))
        ++to;
    return m_text.mid(from, to - from);
}

bool LyricLine::isTabSongChord(const QString &word, qsizetype after) const
{
    if (!m_view.isRealChord(word))
        return false;
    // Single letters and "Am" are common words too: they count as chords only among chords.
    if (word != u"A" && word != u"Am" && word != u"E")
        return true;
    const QString next = nextWordInText(after);
    return next.isEmpty() || m_view.isRealChord(next);
}

QString LyricLine::drawTabSongChord(const QString &word, const QRectF &wordRect)
{
    const QString name = m_view.transposedChordName(word);
    if (!m_canvas) {
        m_view.addChordHit(name, QRectF());
        return name;
    }
    const qreal grow = 0.5 * m_view.m_chordMetrics.descent();
    const QRectF rect = wordRect.adjusted(-grow, -grow, grow, grow);
    fill(rect, m_view.prefs()->chordfontprefs()->backgroundColor());
    m_view.addChordHit(name, m_view.viewRect(rect));
    return name;
}

QString LyricLine::nextWordInText(qsizetype pos) const
{
    while (pos < m_text.size() && (m_text[pos] == u' ' || m_text[pos] == u'\t'))
        ++pos;
    qsizetype end = pos;
    while (end < m_text.size() && !m_text[end].isSpace())
        ++end;
    return m_text.mid(pos, end - pos);
}

void LyricLine::completeChord(const QString &written, Pen &pen, float y, float lastLyricEnd)
{
    if (!m_view.showChords())
        return;
    const bool chordsAbove = !m_view.inlinechords();
    const QString name = m_view.transposedChordName(written);
    pen.chordX = std::max(pen.chordX, pen.x);
    if (pen.x < pen.chordX) {
        // The previous chord is wider than its syllable: the lyrics move on, and a line joins the split word.
        if (m_canvas && lastLyricEnd != 0 && m_view.showLyrics() && chordsAbove)
            joinSplitWord(lastLyricEnd, pen.chordX - 1.0f, y);
        pen.x = pen.chordX;
    }

    const QString shown = m_view.displayChordName(name);
    const bool diagrams = m_view.appPrefs().showChordDiagrams();
    const TextMetrics &metrics = m_view.m_chordMetrics;
    const QSizeF size = diagrams ? m_view.chordDiagramSize() : QSizeF(metrics.width(shown), metrics.height());
    qreal top = chordsAbove ? y - size.height() : y;
    qreal height = size.height();
    if (m_view.showLyrics() && chordsAbove) {
        top += metrics.descent(); // the chord's descent reaches into the lyric row
        height = y - top;
    }
    const qreal margin = metrics.leading() / 7.0;
    const QRectF rect = mirrored(QRectF(pen.chordX, top + margin, size.width(), height));
    if (m_canvas) {
        if (diagrams) {
            drawChordDiagram(name, rect);
        } else {
            const FontPrefs &font = *m_view.prefs()->chordfontprefs();
            fill(rect.adjusted(-margin, -margin, margin, margin), font.backgroundColor());
            m_texts.add(shown, QPointF(rect.x(), top), m_view.m_chordMetrics, font.color());
        }
    }
    const qreal grow = 2 * margin;
    const bool clickable = m_canvas && !m_view.printing();
    m_view.addChordHit(name, clickable ? m_view.viewRect(rect.adjusted(-grow, -grow, grow, grow)) : QRectF());

    pen.chordX += float(size.width());
    if (!chordsAbove)
        pen.x += float(size.width());
    pen.chordX += spaceWidth();
}

void LyricLine::drawChordDiagram(const QString &name, const QRectF &rect)
{
    if (m_view.locatingOnly())
        return;
    // A chord that neither the song nor the library defines shows its name over an empty diagram. The
    // diagram turns the title into Latin or German naming itself, so it gets the name in letter names.
    Chord chord = m_view.chordForName(name).value_or(Chord());
    chord.setTitle(m_view.respelledChordName(name));
    ChordView diagrams;
    diagrams.setShowTitle(true);
    diagrams.setPrinting(m_view.printing());
    // The diagram draws its own title: the texts queued before it come first, in reading order.
    m_texts.draw();
    diagrams.drawChord(*m_canvas, chord, rect);
}

void LyricLine::joinSplitWord(float fromX, float toX, float y)
{
    const qreal lineY = y + 0.5 * m_view.m_textMetrics.height();
    m_canvas->save();
    m_canvas->setPen(QPen(textColor(), 1.0));
    m_canvas->drawLine(QPointF(mirroredX(fromX), lineY), QPointF(mirroredX(toX), lineY));
    m_canvas->restore();
}

void LyricLine::drawComment(const QString &comment, Pen &pen, float y)
{
    const TextMetrics &metrics = m_view.m_commentMetrics;
    const qreal width = metrics.width(comment);
    if (m_canvas && m_view.showLyrics()) {
        const FontPrefs &font = *m_view.prefs()->commentfontprefs();
        const QRectF rect = mirrored(QRectF(pen.x, y, width, metrics.height()));
        fill(rect, font.backgroundColor());
        QColor color = font.color();
        color.setAlphaF(1.0f);
        m_texts.add(comment, rect.topLeft(), metrics, color);
    }
    pen.x += float(width);
    pen.hasComment = true;
}

qsizetype LyricLine::consumeWhitespace(qsizetype pos, qsizetype end, Pen &pen, float y)
{
    for (; pos < end && m_text[pos].isSpace(); ++pos) {
        const QString blank = m_text[pos] == u'\t' ? QStringLiteral("        ") : QStringLiteral(" ");
        if (!m_view.m_highlight) {
            pen.x += float(m_view.m_textMetrics.width(blank));
            continue;
        }
        const TextMetrics &metrics = m_view.m_highlightMetrics;
        const qreal width = metrics.width(blank);
        fill(mirrored(QRectF(pen.x, y, width, metrics.height())), m_view.m_highlightcolor);
        pen.x += float(width);
    }
    return pos;
}

void LyricLine::underLineWord(const QRectF &rect, const QFont &font)
{
    const qreal lineY = rect.y() + TextMetrics(font).ascent() + 2.0;
    m_canvas->save();
    m_canvas->setPen(QPen(m_view.printing() ? QColor(Qt::black) : textColor(), 1.0));
    m_canvas->drawLine(QPointF(rect.left(), lineY), QPointF(rect.right(), lineY));
    m_canvas->restore();
}

void LyricLine::drawChorusMarker(int style, float top, float bottom)
{
    if (!m_canvas)
        return;
    if (style == kChorusBar) {
        fill(mirrored(QRectF(0, top, spaceWidth(), bottom - top)), textColor());
    } else if (style == kChorusShade) {
        QColor shade = textColor();
        shade.setAlphaF(0.1f);
        fill(mirrored(QRectF(0, top, m_view.maxwidth(), bottom - top)), shade);
    }
}

bool LyricLine::matchComment(qsizetype pos, qsizetype &textStart) const
{
    static const QStringList tags = {QStringLiteral("{c:"),     QStringLiteral("{ci:"),
                                     QStringLiteral("{cb:"),    QStringLiteral("{comment:"),
                                     QStringLiteral("{soblk:"), QStringLiteral("{start_of_block:")};
    for (const QString &tag : tags) {
        QStringList forms = {tag};
        if (!m_owner.user.isEmpty())
            forms.append(LineClassifier::variantKeyword(tag, m_owner.user));
        forms.append(LineClassifier::variantKeyword(tag, m_owner.instrument));
        for (const QString &form : forms) {
            if (startsWithAt(pos, form, Qt::CaseInsensitive)) {
                textStart = pos + form.size();
                return true;
            }
        }
    }
    // A capo directive is shown as written, "capo: 2", in comment style.
    QStringList capoForms;
    if (!m_owner.user.isEmpty())
        capoForms.append(QStringLiteral("{capo-%1:").arg(m_owner.user));
    capoForms.append(QStringLiteral("{capo-%1:").arg(m_owner.instrument));
    capoForms.append(QStringLiteral("{capo"));
    for (const QString &form : capoForms) {
        if (startsWithAt(pos, form, Qt::CaseInsensitive)) {
            textStart = pos + 1;
            return true;
        }
    }
    return false;
}

QString LyricLine::matchHighlightStart(qsizetype pos) const
{
    const QString plain = QStringLiteral("{soh");
    const qsizetype after = pos + plain.size();
    if (startsWithAt(pos, plain, Qt::CaseSensitive) && after < m_text.size() &&
        (m_text[after] == u'}' || m_text[after] == u' '))
        return plain;
    const QString name = m_owner.user.isEmpty() ? m_owner.instrument : m_owner.user;
    const QString variant = plain + u'-' + name;
    if (startsWithAt(pos, variant, Qt::CaseSensitive))
        return variant;
    return QString();
}

qsizetype LyricLine::startHighlight(qsizetype pos, const QString &tag)
{
    m_view.m_highlight = true;
    m_view.m_highlightcolor = m_view.prefs()->highlightfontprefs()->backgroundColor();
    // "{soh #FF0000}": a colour of the section's own. The tag may hold a user's name: it is escaped.
    const QRegularExpression colorPattern(QRegularExpression::escape(tag) + QStringLiteral(" (#[0-9A-Fa-f]+)\\}"));
    const QRegularExpressionMatch match =
        colorPattern.match(m_text, pos, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch())
        return pos + tag.size();
    const QColor color = Util::colorFromHexString(match.captured(1));
    if (color.isValid())
        m_view.m_highlightcolor = color;
    return match.capturedEnd(1);
}

bool LyricLine::startsWithAt(qsizetype pos, const QString &tag, Qt::CaseSensitivity cs) const
{
    return QStringView(m_text).mid(pos).startsWith(tag, cs);
}

LyricLine::ViewState LyricLine::saveState() const
{
    return {m_view.m_highlight, m_view.m_highlightcolor, m_view.m_chords.size(), m_view.m_links.size()};
}

void LyricLine::restoreState(const ViewState &state)
{
    m_view.m_highlight = state.highlight;
    m_view.m_highlightcolor = state.highlightcolor;
    m_view.m_chords.resize(state.chordCount);
    m_view.m_links.resize(state.linkCount);
}

QColor LyricLine::textColor() const
{
    return m_view.prefs()->textfontprefs()->color();
}

qreal LyricLine::mirroredX(qreal x) const
{
    return m_view.rightToLeft() ? m_width - x : x;
}

QRectF LyricLine::mirrored(const QRectF &rect) const
{
    return QRectF(m_view.mirroredX(rect.x(), rect.width(), m_width), rect.y(), rect.width(), rect.height());
}

void LyricLine::fill(const QRectF &rect, const QColor &color)
{
    if (m_canvas && color.isValid() && color.alpha() > 0)
        m_canvas->fillRect(rect, color);
}
