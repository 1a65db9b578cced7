// The editor's commands that rework the text on request: tab conversion, transposing the selection, the chord
// clipboard, white-space clean-up and umlauts.
#include "songeditviewcontroller.h"

#include "chordpositions.h"
#include "doubleclicktextview.h"
#include "editorcleanup.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextCursor>

namespace {

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace

TextRange SongEditViewController::selection() const
{
    const QTextCursor cursor = m_textView->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

QString SongEditViewController::textIn(TextRange range) const
{
    return m_textView->rawText().mid(range.location, range.length);
}

TextRange SongEditViewController::selectionOrText() const
{
    return hasSelection() ? selection() : TextRange{0, m_textView->rawText().size()};
}

bool SongEditViewController::hasSelection() const
{
    return m_textView->textCursor().hasSelection();
}

void SongEditViewController::convertTabToChordpro()
{
    if (!isEditable())
        return;
    const TextRange source = selectionOrText();
    const QString converted = Song::convertedTabText(textIn(source));
    const qsizetype end = source.location + converted.size();
    replaceRange(source.location, source.end(), converted, end, end);
}

void SongEditViewController::transposeSelectionUp()
{
    transposeSelection(1);
}

void SongEditViewController::transposeSelectionDown()
{
    transposeSelection(-1);
}

void SongEditViewController::transposeSelection(qint64 step)
{
    if (!isEditable() || !hasSelection())
        return;
    const TextRange range = selection();
    Song selected;
    selected.setText(textIn(range));
    selected.transpose(step, m_sources.transposeFavor ? m_sources.transposeFavor() : QChar());
    replaceRange(range.location, range.end(), selected.text(), range.location, range.location + selected.text().size());
}

void SongEditViewController::copyChords()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(ChordPositions::chordsWithSpacesFor(
        ChordPositions::chordsWithPositionsForRange(selection(), m_textView->rawText())));
}

void SongEditViewController::applyChords()
{
    const QString chords = clipboardText();
    if (!isEditable() || chords.isEmpty())
        return;
    const QString text = m_textView->rawText();
    const TextRange range = selection();
    const std::optional<QString> applied = ChordPositions::applyChordsWithPositions(
        ChordPositions::chordsWithPositionsForRange({0, chords.size()}, chords), range, text);
    if (!applied)
        return;
    // Only the selected text changes: it is replaced alone, so the rest keeps its place and its history.
    const QString lines = applied->mid(range.location, applied->size() - (text.size() - range.length));
    const qsizetype end = range.location + lines.size();
    replaceRange(range.location, range.end(), lines, end, end);
}

void SongEditViewController::removeChords()
{
    if (!isEditable())
        return;
    const TextRange range = selection();
    const QString bare = ChordPositions::removeChordsFromText(textIn(range));
    const qsizetype end = range.location + bare.size();
    replaceRange(range.location, range.end(), bare, end, end);
}

bool SongEditViewController::hasChordsInClipboard() const
{
    const QString chords = clipboardText();
    return !chords.isEmpty() && ChordPositions::hasChordsInRange({0, chords.size()}, chords);
}

void SongEditViewController::removeTrailingSpaces()
{
    cleanUp(&EditorCleanup::removeTrailingSpaces);
}

void SongEditViewController::removeLeadingSpaces()
{
    cleanUp(&EditorCleanup::removeLeadingSpaces);
}

void SongEditViewController::removeEmptyLines()
{
    cleanUp(&EditorCleanup::removeEmptyLines);
}

void SongEditViewController::cleanUp(QString (*clean)(const QString &))
{
    if (!isEditable())
        return;
    const TextRange source = selectionOrText();
    const QString cleaned = clean(textIn(source));
    const qsizetype end = source.location + cleaned.size();
    replaceRange(source.location, source.end(), cleaned, end, end);
}

bool SongEditViewController::hasTrailingSpaces() const
{
    const TextRange source = selectionOrText();
    return EditorCleanup::hasTrailingSpaces(textIn(source));
}

bool SongEditViewController::hasLeadingSpaces() const
{
    const TextRange source = selectionOrText();
    return EditorCleanup::hasLeadingSpaces(textIn(source));
}

bool SongEditViewController::hasEmptyLines() const
{
    const TextRange source = selectionOrText();
    return EditorCleanup::hasEmptyLines(textIn(source));
}

void SongEditViewController::replaceUmlauts()
{
    if (!isEditable())
        return;
    // Typing not yet taken into the song would otherwise be lost when the editor takes the song's text back.
    flushPendingUpdate();
    m_song->replaceUmlauts();
    updateFromCurrentSong();
    Q_EMIT songTextChanged();
}
