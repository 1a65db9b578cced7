#include "songeditviewcontroller.h"

#include "appcontext.h"
#include "doubleclicktextview.h"
#include "editorfindbar.h"
#include "log.h"
#include "panecontext.h"
#include "pdfsong.h"
#include "prefs.h"
#include "songsyntaxhighlighter.h"
#include "syntaxcolors.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The text as the view shows it: the document turns every CR-LF, lone CR and paragraph separator into a
// paragraph break, which the view's text reads as a line feed.
QString withLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

} // namespace

SongEditViewController::SongEditViewController(CurrentSong currentSong, Sources sources, QWidget *parent)
    : QWidget(parent)
    , m_currentSong(std::move(currentSong))
    , m_sources(std::move(sources))
{
    setObjectName(QStringLiteral("songEditViewController"));
    m_textView = new DoubleClickTextView(this);
    m_textView->setReadOnly(true);
    m_textView->setEditController(this);
    m_findBar = new EditorFindBar(*m_textView);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_findBar);
    layout->addWidget(m_textView);
    m_highlighter = new SongSyntaxHighlighter(m_textView->document());

    m_updateTimer.setSingleShot(true);
    m_updateTimer.setInterval(updateDelayMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &SongEditViewController::textDidChange);
    connect(m_textView->document(), &QTextDocument::contentsChanged, this, &SongEditViewController::viewTextChanged);
    connect(m_textView->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &SongEditViewController::contentViewDidChangeBounds);
    connect(m_textView, &DoubleClickTextView::filesDropped, this, [this](const QStringList &paths) {
        for (const QString &path : paths)
            insertFileLink(path);
    });
    connect(m_textView, &DoubleClickTextView::historyStepped, this, &SongEditViewController::afterEdit);
}

SongEditViewController::~SongEditViewController() = default;

void SongEditViewController::refresh()
{
    // Edits of the song shown so far go into that song before another one is loaded.
    flushPendingUpdate();
    const SongPtr song = m_currentSong ? m_currentSong() : nullptr;
    // The song shown already, not stored since it was loaded: its edits stay unsaved, whoever asked to show it.
    const bool keepsEdits = song && song == m_song && m_origText && song->storeGeneration() == m_origGeneration;
    m_song = song;
    if (m_song && dynamic_cast<PDFSong *>(m_song.get())) {
        showText(QString());
        m_textView->setReadOnly(true);
        m_origText.reset();
        return;
    }
    if (!keepsEdits) {
        m_origText = m_song ? std::optional<QString>(m_song->text()) : std::nullopt;
        m_origGeneration = m_song ? m_song->storeGeneration() : 0;
    }
    const QString text = m_song ? m_song->text() : QString();
    // A song with CR-LF line ends shows the same text: it is not replaced, and loading changes nothing.
    if (m_textView->rawText() != withLineFeeds(text))
        showText(text);
    if (!keepsEdits)
        m_textView->document()->clearUndoRedoStacks();
    m_textView->setReadOnly(!m_song);
    performSyntaxColoring();
}

bool SongEditViewController::textHasFocus() const
{
    return m_textView->window()->focusWidget() == m_textView;
}

void SongEditViewController::focusTextAt(qsizetype position)
{
    QTextCursor cursor(m_textView->document());
    cursor.setPosition(int(std::clamp<qsizetype>(position, 0, m_textView->document()->characterCount() - 1)));
    m_textView->setTextCursor(cursor);
    m_textView->setFocus(Qt::OtherFocusReason);
}

void SongEditViewController::showFindBar()
{
    m_findBar->open();
}

bool SongEditViewController::isDirty()
{
    flushPendingUpdate();
    return m_song && m_origText && *m_origText != m_song->text();
}

void SongEditViewController::performSyntaxColoring()
{
    const Prefs *prefs = PaneContext::settings();
    const float zoom = !prefs || prefs->autozoom() ? 1.0f : prefs->zoomScale();
    Song probe;
    probe.setText(m_textView->rawText());
    m_isTab = !probe.isChordpro();
    const QFont tabFont = prefs ? prefs->tabfontprefs()->fontWithScale(zoom) : m_textView->font();
    const QFont textFont = prefs ? prefs->textfontprefs()->fontWithScale(zoom) : m_textView->font();
    const bool fixed = m_isTab || (prefs && prefs->editWithFixedFont());
    m_textView->setFont(fixed ? tabFont : textFont);
    m_highlighter->setTabFont(tabFont);
    m_highlighter->setDark(SyntaxColors::isDark(m_textView->palette()));
    m_highlighter->setColoring(!m_isTab);
}

void SongEditViewController::updateCurrentSong()
{
    m_updateTimer.stop();
    if (!m_song || !m_origText)
        return;
    m_song->setText(m_textView->rawText());
    m_song->refreshTitleSubtitle();
}

void SongEditViewController::updateFromCurrentSong()
{
    // The program changed the song after its edits were taken (isDirty() takes them): a waiting update would
    // write the older text over the change.
    m_updateTimer.stop();
    if (!m_song || !m_origText)
        return;
    showText(m_song->text());
    performSyntaxColoring();
}

void SongEditViewController::textDidChange()
{
    m_updateTimer.stop();
    if (!m_song || !m_origText)
        return;
    m_song->setText(m_textView->rawText());
    Q_EMIT songTextChanged();
    performSyntaxColoring();
}

void SongEditViewController::flushPendingUpdate()
{
    if (m_updateTimer.isActive())
        textDidChange();
}

void SongEditViewController::discardEdits()
{
    m_updateTimer.stop();
    if (!m_song || !m_origText)
        return;
    m_song->setText(*m_origText);
    showText(*m_origText);
    performSyntaxColoring();
}

void SongEditViewController::viewTextChanged()
{
    // An undo or redo is carried into the song at once, once it has finished.
    if (m_changingText || m_textView->steppingHistory())
        return;
    QString text = m_textView->rawText();
    if (text == m_viewText)
        return;
    m_viewText = std::move(text);
    const Prefs *prefs = PaneContext::settings();
    if (prefs && prefs->allowAutoCorrectInEditor())
        m_updateTimer.start();
    else
        textDidChange();
}

void SongEditViewController::showText(const QString &text)
{
    m_changingText = true;
    m_textView->setPlainText(text);
    m_changingText = false;
    m_viewText = m_textView->rawText();
}

void SongEditViewController::syncViewWithEditor()
{
    Prefs *prefs = PaneContext::settings();
    if (!prefs)
        return;
    prefs->setSyncViewWithEditor(!prefs->syncViewWithEditor());
    prefs->save();
    contentViewDidChangeBounds();
}

void SongEditViewController::allowAutoCorrectInEditor()
{
    Prefs *prefs = PaneContext::settings();
    if (!prefs)
        return;
    prefs->setAllowAutoCorrectInEditor(!prefs->allowAutoCorrectInEditor());
    prefs->save();
    flushPendingUpdate();
}

void SongEditViewController::contentViewDidChangeBounds()
{
    const Prefs *prefs = PaneContext::settings();
    if (!prefs || !prefs->syncViewWithEditor())
        return;
    Q_EMIT syncSongView(m_textView->cursorForPosition(QPoint(0, 0)).position());
}

void SongEditViewController::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange && event->type() != QEvent::ThemeChange)
        return;
    if (SyntaxColors::isDark(m_textView->palette()) == m_highlighter->dark())
        return;
    Log::write(QStringLiteral("light/dark theme changed"));
    performSyntaxColoring();
}
