// The editor's commands that put text in on request: templates, chord names, MIDI texts, images and file links.
#include "songeditviewcontroller.h"

#include "appcontext.h"
#include "dialogs.h"
#include "doubleclicktextview.h"
#include "editorselectionstep.h"
#include "editortemplate.h"
#include "fileidentity.h"
#include "instrument.h"
#include "log.h"
#include "prefs.h"
#include "songs.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTextCursor>
#include <QUrl>

namespace {

QList<int> currentStringTones()
{
    const Prefs *prefs = AppContext::instance()->prefs();
    const Instrument *instrument = prefs ? prefs->currentInstrument() : nullptr;
    QList<int> tones;
    for (int string = 0; instrument && string < instrument->numstrings(); ++string)
        tones.append(instrument->baseToneForString(string));
    return tones;
}

} // namespace

bool SongEditViewController::isEditable() const
{
    return m_song && m_origText && !m_textView->isReadOnly();
}

void SongEditViewController::insertChordproControl(const QString &text)
{
    if (!isEditable())
        return;
    const QTextCursor cursor = m_textView->textCursor();
    const QString raw = m_textView->rawText();
    const qsizetype start = cursor.selectionStart();
    const qsizetype end = cursor.selectionEnd();
    const EditorTemplate::Result result = EditorTemplate::fill(
        {text, raw.mid(start, end - start), end < raw.size() ? raw.at(end) : QChar(), currentStringTones()});
    if (result.chooseImage)
        insertImage();
    else
        insertText(result.text, result.caret);
}

void SongEditViewController::insertText(const QString &text, qsizetype moveCursorBy)
{
    if (!isEditable())
        return;
    const QTextCursor cursor = m_textView->textCursor();
    const qsizetype caret = cursor.selectionStart() + moveCursorBy;
    replaceRange(cursor.selectionStart(), cursor.selectionEnd(), text, caret, caret);
}

void SongEditViewController::insertChord(const QString &name)
{
    insertChordproControl(u'[' + name + u']');
}

void SongEditViewController::insertMidi(const QString &text)
{
    insertChordproControl(text);
}

void SongEditViewController::insertFileLink(const QString &path)
{
    const QString link = QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded()) + u'\n';
    insertText(link, link.size());
}

void SongEditViewController::insertImage()
{
    if (!isEditable() || !m_sources.dialogs)
        return;
    Dialogs::OpenPanel panel;
    panel.allowedTypes = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png")};
    panel.message = tr("Select image to insert");
    panel.prompt = tr("Select Image");
    const QStringList chosen = m_sources.dialogs->runOpenPanel(panel);
    if (chosen.isEmpty())
        return;
    if (const std::optional<QString> line = imageLine(chosen.constFirst()))
        insertText(*line, 0);
}

std::optional<QString> SongEditViewController::imageLine(const QString &source) const
{
    QString destination = imageDestination(QFileInfo(source).fileName());
    // Copying a file onto itself would destroy it, whichever way its path is spelled.
    if (!FileIdentity::isSameFile(source, destination)) {
        if (!QImageReader(source).canRead()) {
            Log::write(QStringLiteral("Invalid image at %1").arg(source));
            return std::nullopt;
        }
        // Another song's image of the same name keeps its file.
        destination = Song::copyDestination(source, destination);
        QString error;
        if (!TextFile::copy(source, destination, &error)) {
            Log::write(QStringLiteral("Could not copy %1 to %2: %3").arg(source, destination, error));
            AppContext::instance()->reportFailedWrite(
                tr("The copy of the image \u201c%1\u201d").arg(QFileInfo(source).fileName()), error);
            return std::nullopt;
        }
    }
    return QStringLiteral("\n{image: src=\"%1\"}\n").arg(QFileInfo(destination).fileName());
}

QString SongEditViewController::imageDestination(const QString &fileName) const
{
    if (!m_song->path().isEmpty())
        return QFileInfo(m_song->path()).dir().filePath(fileName);
    QDir folder(Prefs::songDirectory());
    const Songs *songs = AppContext::instance()->songs();
    if (songs && songs->currentCategory() && !songs->currentCategory()->isEmpty())
        folder.setPath(folder.filePath(*songs->currentCategory()));
    return folder.filePath(fileName);
}

void SongEditViewController::replaceRange(qsizetype start, qsizetype end, const QString &text, qsizetype anchor,
                                          qsizetype position)
{
    const QTextCursor before = m_textView->textCursor();
    QTextDocument *document = m_textView->document();
    QTextCursor edit(document);
    edit.setPosition(int(start));
    edit.setPosition(int(end), QTextCursor::KeepAnchor);
    m_changingText = true;
    edit.beginEditBlock();
    document->appendUndoItem(
        new EditorSelectionStep(*m_textView, {before.anchor(), before.position()}, {anchor, position}));
    edit.insertText(text);
    edit.endEditBlock();
    m_changingText = false;
    m_textView->select(anchor, position);
    afterEdit();
}

void SongEditViewController::afterEdit()
{
    m_viewText = m_textView->rawText();
    updateCurrentSong();
    textDidChange();
}
