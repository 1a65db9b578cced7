// Printing: the selected songs (else the current song) as one job on the printer that the page set-up shares.
#include "vellorinappdelegate.h"

#include "dialogs.h"
#include "prefs.h"
#include "songdisplay.h"
#include "songsprintview.h"
#include "songviewviewcontroller.h"

#include <QPrinter>

QPrinter &VellorinAppDelegate::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void VellorinAppDelegate::runPageLayout()
{
    m_dialogs.runPageSetup(printer());
}

void VellorinAppDelegate::printDocument()
{
    QList<PrintItem> items;
    // Only a playlist gives its songs keys of their own; a song shown from another list prints in its own key.
    const bool withPlaylistKeys = !m_prefs->showTags() && m_prefs->showPlaylists();
    for (const SongPtr &song : selectedSongs())
        items.append({song, withPlaylistKeys ? song->playlistkey() : std::nullopt});
    if (items.isEmpty() && m_currentSong)
        items.append({m_currentSong, std::nullopt});
    if (items.isEmpty())
        return;

    QPrinter &job = printer();
    // Named after the song printed, which need not be the one shown; several songs make a job of no one title.
    job.setDocName(items.size() == 1 ? items.first().song->title() : QString());
    if (!m_dialogs.runPrintPanel(job))
        return;
    std::optional<ShownSong> shown;
    if (m_songViewViewController && m_songViewViewController->song()) {
        const SongDisplay &view = m_songViewViewController->songView();
        shown = ShownSong{m_songViewViewController->song(),
                          {view.transpose(), view.allChordsFlat(), view.allChordsSharp()}};
    }
    SongsPrintView songs(items, shown, *m_prefs);
    if (!songs.print(job)) {
        Dialogs::Alert alert;
        alert.title = tr("The songs could not be printed.");
        alert.defaultButton = tr("OK");
        m_dialogs.runAlert(alert);
    }
    // After two or more songs the store's review request would come here; there is no application store here.
}
