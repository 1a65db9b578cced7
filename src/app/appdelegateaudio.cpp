// The application's linked-audio commands: choosing a song's recording (copied into the song folder when it lies
// elsewhere), and starting, stopping and skipping it in the song pane.
#include "vellorinappdelegate.h"

#include "audiodurationprobe.h"
#include "dialogs.h"
#include "fileidentity.h"
#include "log.h"
#include "panecontrollers.h"
#include "pdfsong.h"
#include "prefs.h"
#include "songviewviewcontroller.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

const QStringList VellorinAppDelegate::audioTypes = {QStringLiteral("mp3"),  QStringLiteral("wav"),
                                                     QStringLiteral("aac"),  QStringLiteral("aif"),
                                                     QStringLiteral("aiff"), QStringLiteral("m4a")};

bool VellorinAppDelegate::canLinkMusic() const
{
    return m_currentSong != nullptr;
}

bool VellorinAppDelegate::canPlayMusic() const
{
    return m_currentSong && !m_currentSong->musicpath().isEmpty();
}

std::optional<QString> VellorinAppDelegate::pathRelativeToVellorinFolder(const QString &path) const
{
    const QString folder = m_prefs->songDirectoryPath();
    if (folder.isEmpty())
        return std::nullopt;
    // Whole folder names only: "Vellorin Backup" does not lie in "Vellorin".
    const QString relative = QDir(QDir::cleanPath(folder)).relativeFilePath(QDir::cleanPath(path));
    if (relative.isEmpty() || relative == QStringLiteral(".") || relative == QStringLiteral("..") ||
        relative.startsWith(QStringLiteral("../")) || QDir::isAbsolutePath(relative))
        return std::nullopt;
    return relative;
}

void VellorinAppDelegate::linkWithMusic()
{
    if (!m_currentSong)
        return;
    Dialogs::OpenPanel panel;
    panel.directory = m_prefs->songDirectoryPath();
    panel.message = tr("Select MP3 to link with song");
    panel.prompt = tr("Link With Music");
    panel.allowedTypes = audioTypes;
    const QStringList chosen = m_dialogs.runOpenPanel(panel);
    if (chosen.isEmpty())
        return;
    const QString file = chosen.constFirst();
    const SongPtr song = m_currentSong;
    const bool pdf = dynamic_cast<const PDFSong *>(song.get()) != nullptr;

    std::optional<QString> relative = pathRelativeToVellorinFolder(file);
    if (!relative || pdf) {
        if (const std::optional<QString> copied = copyMusicIntoSongFolder(file, *song))
            relative = *copied;
        if (!relative)
            return;
    }
    if (pdf) {
        showLinkedMusic();
        return;
    }
    // The editor's pending text is written before the link rewrites the song's file.
    if (!saveCurrentSongInteractive(false))
        return;
    if (song->playingTime() != 0) {
        finishLinking(song, *relative, std::nullopt);
        return;
    }
    // The duration of the file at its chosen place, not of the copy.
    audioDurationProbe().probe(
        file, this, [this, song, relative](double seconds) { finishLinking(song, *relative, qint64(seconds)); });
}

std::optional<QString> VellorinAppDelegate::copyMusicIntoSongFolder(const QString &file, const Song &song)
{
    const Dialogs::Answer answer = m_dialogs.runAlert(
        {tr("Copy File"), tr("File needs to be copied into Vellorin folder"), tr("OK"), tr("Cancel"), QString()});
    if (answer != Dialogs::Answer::Default)
        return std::nullopt;
    const QString folder = m_prefs->songDirectoryPath();
    const QString fileName = QFileInfo(file).fileName();
    QString destination = QDir(folder).filePath(fileName);
    if (dynamic_cast<const PDFSong *>(&song)) {
        // A PDF's recording is found by the PDF's own name: that file is the one to replace.
        const QFileInfo pdf(song.path());
        destination = pdf.dir().filePath(pdf.completeBaseName() + QStringLiteral(".mp3"));
    } else {
        // Another song's recording of the same name keeps its file.
        destination = Song::copyDestination(file, destination);
    }
    // The chosen file already is the destination (a PDF's own recording): nothing to delete or copy.
    if (FileIdentity::isSameFile(file, destination))
        return QFileInfo(destination).fileName();
    temporaryStopFSRefresh();
    // A file already there is replaced only by a complete copy.
    QString error;
    if (!TextFile::copy(file, destination, &error)) {
        Log::write(QStringLiteral("Could not copy %1 to %2: %3").arg(file, folder, error));
        reportFailedWrite(tr("The copy of the recording \u201c%1\u201d").arg(fileName), error);
        return std::nullopt;
    }
    return QFileInfo(destination).fileName();
}

void VellorinAppDelegate::finishLinking(const SongPtr &song, const QString &relative, std::optional<qint64> seconds)
{
    const bool couldSave = song == m_currentSong && canSave();
    if (seconds && !song->setPlayingTime(*seconds))
        reportSaveFailure(*song);
    if (!song->setMusicpath(relative))
        reportSaveFailure(*song);
    if (song == m_currentSong)
        updateEditorAfterModelChange(couldSave);
    showLinkedMusic();
}

void VellorinAppDelegate::showLinkedMusic()
{
    QTimer::singleShot(0, this, [this] {
        if (m_panes.songList)
            m_panes.songList->refresh();
        if (!m_songViewViewController)
            return;
        m_songViewViewController->refresh();
        if (m_panes.songEdit)
            m_panes.songEdit->refresh();
        m_songViewViewController->showAudioToolbar();
    });
}

void VellorinAppDelegate::playMusic()
{
    if (!m_currentSong || !m_songViewViewController)
        return;
    if (m_currentSong->musicpath().isEmpty()) {
        linkWithMusic();
        return;
    }
    if (m_songViewViewController->isAudioPlaying()) {
        m_songViewViewController->hideToolbars();
        m_songViewViewController->stopAudio();
    } else {
        m_songViewViewController->showAudioToolbar();
        m_songViewViewController->startAudio();
    }
}

void VellorinAppDelegate::skipMusicForward()
{
    if (m_songViewViewController)
        m_songViewViewController->forwardAudio();
}

void VellorinAppDelegate::skipMusicBackward()
{
    if (m_songViewViewController)
        m_songViewViewController->backwardAudio();
}

AudioDurationProbe &VellorinAppDelegate::audioDurationProbe() const
{
    return m_audioDurationProbe ? *m_audioDurationProbe : AudioDurationProbe::system();
}
