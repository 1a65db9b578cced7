<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppReviewManager</name>
    <message>
        <source>Rate %1</source>
        <translation>%1 bewerten</translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation>Wenn Ihnen %1 gefällt, nehmen Sie sich einen Moment Zeit für eine Bewertung? Es dauert nicht länger als eine Minute. Danke für Ihre Unterstützung!</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation>Später erinnern</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>- Unfiled -</source>
        <translation>- Ohne Kategorie -</translation>
    </message>
    <message>
        <source>- All Songs -</source>
        <translation>- Alle Lieder -</translation>
    </message>
</context>
<context>
    <name>ChordEditViewController</name>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Base fret:</source>
        <translation>Startbund:</translation>
    </message>
    <message>
        <source>Edit Chord %1</source>
        <translation>Akkord %1 bearbeiten</translation>
    </message>
    <message>
        <source>Add Chord</source>
        <translation>Akkord hinzufügen</translation>
    </message>
</context>
<context>
    <name>ChordListViewController</name>
    <message>
        <source>Base Chord</source>
        <translation>Grundakkord</translation>
    </message>
    <message>
        <source>Add Chord…</source>
        <translation>Akkord hinzufügen…</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>ChordViewControllerWindowController</name>
    <message>
        <source>Add Chord…</source>
        <translation>Akkord hinzufügen…</translation>
    </message>
    <message>
        <source>Edit Chord…</source>
        <translation>Akkord bearbeiten…</translation>
    </message>
    <message>
        <source>Delete Chord…</source>
        <translation>Akkord löschen…</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Define in Song</source>
        <translation>Im Lied definieren</translation>
    </message>
    <message>
        <source>Remove from Song</source>
        <translation>Aus dem Lied entfernen</translation>
    </message>
    <message>
        <source>Delete chord?</source>
        <translation>Akkord löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Chords</name>
    <message>
        <source>Your chords for the %1</source>
        <translation>Ihrer Akkorde für %1</translation>
    </message>
</context>
<context>
    <name>CommandState</name>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI (%1)</source>
        <translation>MIDI (%1)</translation>
    </message>
</context>
<context>
    <name>EditorContextMenu</name>
    <message>
        <source>Insert Chord</source>
        <translation>Akkord einfügen</translation>
    </message>
    <message>
        <source>Chordpro</source>
        <translation>Chordpro</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>Copy Chords</source>
        <translation>Akkorde kopieren</translation>
    </message>
    <message>
        <source>Insert Chords</source>
        <translation>Akkorde einfügen</translation>
    </message>
    <message>
        <source>Remove Chords</source>
        <translation>Akkorde entfernen</translation>
    </message>
    <message>
        <source>Konvertiere Umlaute (ae-&gt;ä,...)</source>
        <translation>Konvertiere Umlaute (ae-&gt;ä,...)</translation>
    </message>
    <message>
        <source>Remove trailing spaces</source>
        <translation>Leerzeichen am Zeilenende entfernen</translation>
    </message>
    <message>
        <source>Remove leading spaces</source>
        <translation>Leerzeichen am Zeilenanfang entfernen</translation>
    </message>
    <message>
        <source>Remove empty lines</source>
        <translation>Leere Zeilen entfernen</translation>
    </message>
    <message>
        <source>Transpose Selection Up</source>
        <translation>Auswahl aufwärts transponieren</translation>
    </message>
    <message>
        <source>Transpose Selection Down</source>
        <translation>Auswahl abwärts transponieren</translation>
    </message>
    <message>
        <source>Scroll Song View with Editor</source>
        <translation>Liedansicht mit dem Editor scrollen</translation>
    </message>
    <message>
        <source>Enable Smart Insert</source>
        <translation>Intelligentes Einfügen</translation>
    </message>
</context>
<context>
    <name>EditorFindBar</name>
    <message>
        <source>Find in Song</source>
        <translation>Im Lied suchen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>FontPrefsView</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Vordergrund</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
</context>
<context>
    <name>Instrument</name>
    <message>
        <source>Ukulele (C tuning)</source>
        <translation>Ukulele (C-Stimmung)</translation>
    </message>
    <message>
        <source>Ukulele (D tuning)</source>
        <translation>Ukulele (D-Stimmung)</translation>
    </message>
    <message>
        <source>Baritone Ukulele</source>
        <translation>Bariton-Ukulele</translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation>Mandoline</translation>
    </message>
    <message>
        <source>Fiddle</source>
        <translation>Geige</translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>Tenor Banjo</source>
        <translation>Tenorbanjo</translation>
    </message>
    <message>
        <source>Irish Bouzouki</source>
        <translation>Irische Bouzouki</translation>
    </message>
    <message>
        <source>Greek Bouzouki</source>
        <translation>Griechische Bouzouki</translation>
    </message>
    <message>
        <source>Bass Guitar</source>
        <translation>E-Bass</translation>
    </message>
    <message>
        <source>5-String Bass</source>
        <translation>E-Bass (5 Saiten)</translation>
    </message>
    <message>
        <source>Charango</source>
        <translation>Charango</translation>
    </message>
    <message>
        <source>Ronroco</source>
        <translation>Ronroco</translation>
    </message>
    <message>
        <source>Mountain Dulcimer</source>
        <translation>Mountain Dulcimer</translation>
    </message>
    <message>
        <source>Cigar Box Guitar</source>
        <translation>Zigarrenkistengitarre</translation>
    </message>
    <message>
        <source>Guitalele</source>
        <translation>Guitalele</translation>
    </message>
    <message>
        <source>Piano</source>
        <translation>Klavier</translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation>Gitarre</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Song</source>
        <translation>Neues Lied</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Duplicate…</source>
        <translation>Duplizieren…</translation>
    </message>
    <message>
        <source>Song Folder…</source>
        <translation>Liederordner…</translation>
    </message>
    <message>
        <source>Save Layout to File…</source>
        <translation>Layout in Datei sichern…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Page Setup…</source>
        <translation>Seite einrichten…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Rich Text (RTF)…</source>
        <translation>Rich Text (RTF)…</translation>
    </message>
    <message>
        <source>Tab Text…</source>
        <translation>Tab-Text…</translation>
    </message>
    <message>
        <source>Web Pages (HTML)…</source>
        <translation>Webseiten (HTML)…</translation>
    </message>
    <message>
        <source>Plain Text…</source>
        <translation>Reiner Text…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Suchen…</translation>
    </message>
    <message>
        <source>Chordpro</source>
        <translation>Chordpro</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>Refrain</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Hervorhebung</translation>
    </message>
    <message>
        <source>Chord Definition</source>
        <translation>Akkorddefinition</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonart</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Neue Seite</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Convert Tab to Chordpro</source>
        <translation>Tab in Chordpro umwandeln</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Song List</source>
        <translation>Liederliste</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>Playlists</translation>
    </message>
    <message>
        <source>Song View</source>
        <translation>Liedansicht</translation>
    </message>
    <message>
        <source>Song Editor</source>
        <translation>Liededitor</translation>
    </message>
    <message>
        <source>Save Layout</source>
        <translation>Layout sichern</translation>
    </message>
    <message>
        <source>Restore Layout</source>
        <translation>Layout wiederherstellen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>Automatisch zoomen</translation>
    </message>
    <message>
        <source>Chords Inline</source>
        <translation>Akkorde im Text</translation>
    </message>
    <message>
        <source>Chord Diagrams</source>
        <translation>Akkorddiagramme</translation>
    </message>
    <message>
        <source>Lyrics Only</source>
        <translation>Nur Text</translation>
    </message>
    <message>
        <source>Title and Subtitle</source>
        <translation>Titel und Untertitel</translation>
    </message>
    <message>
        <source>Centred Title</source>
        <translation>Titel zentriert</translation>
    </message>
    <message>
        <source>Centre Narrow Songs</source>
        <translation>Schmale Lieder zentrieren</translation>
    </message>
    <message>
        <source>Time Column</source>
        <translation>Spalte Dauer</translation>
    </message>
    <message>
        <source>Edit with Fixed-Width Font</source>
        <translation>Mit Festbreitenschrift bearbeiten</translation>
    </message>
    <message>
        <source>Chord Pane</source>
        <translation>Akkordleiste</translation>
    </message>
    <message>
        <source>Chord Pane at Right</source>
        <translation>Akkordleiste rechts</translation>
    </message>
    <message>
        <source>Second Display</source>
        <translation>Zweiter Bildschirm</translation>
    </message>
    <message>
        <source>Auto Zoom on Second Display</source>
        <translation>Automatisch zoomen auf dem zweiten Bildschirm</translation>
    </message>
    <message>
        <source>Lyrics Only on Second Display</source>
        <translation>Nur Text auf dem zweiten Bildschirm</translation>
    </message>
    <message>
        <source>&amp;Song</source>
        <translation>&amp;Lied</translation>
    </message>
    <message>
        <source>Next Song</source>
        <translation>Nächstes Lied</translation>
    </message>
    <message>
        <source>Previous Song</source>
        <translation>Vorheriges Lied</translation>
    </message>
    <message>
        <source>Transposition Bar</source>
        <translation>Transponierleiste</translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation>Höher transponieren</translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation>Tiefer transponieren</translation>
    </message>
    <message>
        <source>All Chords Sharp</source>
        <translation>Alle Akkorde mit ♯</translation>
    </message>
    <message>
        <source>All Chords Flat</source>
        <translation>Alle Akkorde mit ♭</translation>
    </message>
    <message>
        <source>Save Transposition</source>
        <translation>Transposition sichern</translation>
    </message>
    <message>
        <source>Reset Transposition</source>
        <translation>Transposition zurücksetzen</translation>
    </message>
    <message>
        <source>Key…</source>
        <translation>Tonart…</translation>
    </message>
    <message>
        <source>Convert to Nashville Numbers</source>
        <translation>In Nashville-Zahlen umwandeln</translation>
    </message>
    <message>
        <source>Convert from Nashville Numbers</source>
        <translation>Aus Nashville-Zahlen umwandeln</translation>
    </message>
    <message>
        <source>Auto-Scroll Bar</source>
        <translation>Scroll-Leiste</translation>
    </message>
    <message>
        <source>Start or Stop Auto-Scroll</source>
        <translation>Automatisches Scrollen starten oder stoppen</translation>
    </message>
    <message>
        <source>Scroll Faster</source>
        <translation>Schneller scrollen</translation>
    </message>
    <message>
        <source>Scroll Slower</source>
        <translation>Langsamer scrollen</translation>
    </message>
    <message>
        <source>Save Auto-Scroll Time</source>
        <translation>Scrolldauer sichern</translation>
    </message>
    <message>
        <source>Start Audio with Auto-Scroll</source>
        <translation>Audio mit dem Scrollen starten</translation>
    </message>
    <message>
        <source>Metronome Bar</source>
        <translation>Metronomleiste</translation>
    </message>
    <message>
        <source>Start or Stop Metronome</source>
        <translation>Metronom starten oder stoppen</translation>
    </message>
    <message>
        <source>Link Audio File…</source>
        <translation>Audiodatei verknüpfen…</translation>
    </message>
    <message>
        <source>Play or Stop Audio</source>
        <translation>Audio abspielen oder stoppen</translation>
    </message>
    <message>
        <source>Audio Forward</source>
        <translation>Audio vorwärts</translation>
    </message>
    <message>
        <source>Audio Back</source>
        <translation>Audio zurück</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Change Category…</source>
        <translation>Kategorie ändern…</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>Nearby Sharing</source>
        <translation>Teilen in der Nähe</translation>
    </message>
    <message>
        <source>Chord Library</source>
        <translation>Akkordbibliothek</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Vellorin Help</source>
        <translation>Vellorin-Hilfe</translation>
    </message>
    <message>
        <source>The Chordpro Format</source>
        <translation>Das Chordpro-Format</translation>
    </message>
    <message>
        <source>Sample Song</source>
        <translation>Beispiellied</translation>
    </message>
    <message>
        <source>Contact…</source>
        <translation>Kontakt…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellorin</source>
        <translation>Vellorin</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Haupt</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation>Automatisch zoomen</translation>
    </message>
    <message>
        <source>Fit the song into the window</source>
        <translation>Lied ins Fenster einpassen</translation>
    </message>
</context>
<context>
    <name>MessageBoxDialogs</name>
    <message>
        <source>Allowed files (%1)</source>
        <translation>Erlaubte Dateien (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>NoteSong</name>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>PaneSplitView</name>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Song</source>
        <translation>Lied</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Song List</source>
        <translation>Liederliste</translation>
    </message>
    <message>
        <source>Song View</source>
        <translation>Liedansicht</translation>
    </message>
    <message>
        <source>Song Editor</source>
        <translation>Liededitor</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation>Playlists</translation>
    </message>
    <message>
        <source>What the list pane shows</source>
        <translation>Was die Liste zeigt</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Lieder</translation>
    </message>
    <message>
        <source>Vellorin</source>
        <translation>Vellorin</translation>
    </message>
</context>
<context>
    <name>PeerControl</name>
    <message>
        <source>Riro Riroduva</source>
        <translation>Riro Riroduva</translation>
    </message>
    <message>
        <source>Song %1 differs from the version on %2, update it?</source>
        <translation>Das Lied %1 unterscheidet sich von der Fassung auf %2. Aktualisieren?</translation>
    </message>
    <message>
        <source>Song %1 not yet available on this device, copy it?</source>
        <translation>Das Lied %1 ist auf diesem Gerät noch nicht vorhanden. Kopieren?</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>PlayList</name>
    <message>
        <source>The playlist “%1”</source>
        <translation>der Playlist „%1“</translation>
    </message>
    <message>
        <source>The name “%1” of the playlist “%2”</source>
        <translation>des Namens „%1“ der Playlist „%2“</translation>
    </message>
</context>
<context>
    <name>PlaylistsViewController</name>
    <message>
        <source>- Select -</source>
        <translation>- Auswählen -</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Playlist commands</source>
        <translation>Playlist-Befehle</translation>
    </message>
    <message>
        <source>Add Note…</source>
        <translation>Notiz hinzufügen…</translation>
    </message>
    <message>
        <source>Remove from Playlist</source>
        <translation>Aus der Playlist entfernen</translation>
    </message>
    <message>
        <source>Sort by Title</source>
        <translation>Nach Titel sortieren</translation>
    </message>
    <message>
        <source>Sort by Subtitle</source>
        <translation>Nach Untertitel sortieren</translation>
    </message>
    <message>
        <source>Sort by Key</source>
        <translation>Nach Tonart sortieren</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Zufällig mischen</translation>
    </message>
    <message>
        <source>Revert Sort</source>
        <translation>Sortierung zurücknehmen</translation>
    </message>
    <message>
        <source>New Playlist…</source>
        <translation>Neue Playlist…</translation>
    </message>
    <message>
        <source>Rename Playlist…</source>
        <translation>Playlist umbenennen…</translation>
    </message>
    <message>
        <source>Delete Playlist…</source>
        <translation>Playlist löschen…</translation>
    </message>
    <message>
        <source>Show Playlist in File Manager</source>
        <translation>Playlist im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Sort Playlists by Date</source>
        <translation>Playlists nach Datum sortieren</translation>
    </message>
    <message>
        <source>Song not found</source>
        <translation>Lied nicht gefunden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation>Neue Playlist</translation>
    </message>
    <message>
        <source>Rename Playlist</source>
        <translation>Playlist umbenennen</translation>
    </message>
    <message>
        <source>Delete playlist?</source>
        <translation>Playlist löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Notiz hinzufügen</translation>
    </message>
</context>
<context>
    <name>PreferencesController</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Latin (Do,Re)</source>
        <translation>Lateinisch (Do,Re)</translation>
    </message>
    <message>
        <source>German (B-&gt;H)</source>
        <translation>Deutsch (B-&gt;H)</translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Akkorde</translation>
    </message>
    <message>
        <source>Current User</source>
        <translation>Aktueller Benutzer</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>Refrain</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Liedtext</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Highlights</source>
        <translation>Hervorhebungen</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Number of chords per row</source>
        <translation>Akkorde pro Zeile</translation>
    </message>
    <message>
        <source>Print Margins (%)</source>
        <translation>Druckränder (%)</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Vellorin</source>
        <translation>Vellorin</translation>
    </message>
    <message>
        <source>Include song chords in printout</source>
        <translation>Akkorde des Lieds mitdrucken</translation>
    </message>
    <message>
        <source>Only defined chords</source>
        <translation>Nur definierte Akkorde</translation>
    </message>
    <message>
        <source>Chords at top</source>
        <translation>Akkorde oben</translation>
    </message>
    <message>
        <source>Multiple columns</source>
        <translation>Mehrere Spalten</translation>
    </message>
    <message>
        <source>Auto-Zoom</source>
        <translation>Automatisch zoomen</translation>
    </message>
    <message>
        <source>Left-handed chords</source>
        <translation>Akkorde für Linkshänder</translation>
    </message>
    <message>
        <source>Mark base tone in chords</source>
        <translation>Grundton in Akkorden markieren</translation>
    </message>
    <message>
        <source>Large chord diagrams</source>
        <translation>Große Akkorddiagramme</translation>
    </message>
    <message>
        <source>Tab Support</source>
        <translation>Tab-Unterstützung</translation>
    </message>
    <message>
        <source>Ignore A/The when sorting</source>
        <translation>A/The beim Sortieren ignorieren</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Einzug</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Schattierung</translation>
    </message>
</context>
<context>
    <name>Prefs</name>
    <message>
        <source>The preferences</source>
        <translation>der Einstellungen</translation>
    </message>
</context>
<context>
    <name>Song</name>
    <message>
        <source>(No Title)</source>
        <translation>(Ohne Titel)</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>SongContextMenus</name>
    <message>
        <source>Add to Playlist</source>
        <translation>Zur Playlist hinzufügen</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation>Als Text kopieren</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>New Playlist…</source>
        <translation>Neue Playlist…</translation>
    </message>
    <message>
        <source>New Tag…</source>
        <translation>Neues Schlagwort…</translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation>Neue Playlist</translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation>Neues Schlagwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The tag “%1” of %2</source>
        <translation>des Schlagworts „%1“ für %2</translation>
    </message>
</context>
<context>
    <name>SongEditViewController</name>
    <message>
        <source>Select image to insert</source>
        <translation>Bild zum Einfügen auswählen</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>The copy of the image “%1”</source>
        <translation>der Kopie des Bilds „%1“</translation>
    </message>
</context>
<context>
    <name>SongListViewController</name>
    <message>
        <source>Delete %1 songs?</source>
        <translation>%1 Lieder löschen?</translation>
    </message>
    <message>
        <source>Delete song?</source>
        <translation>Lied löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Change Category</source>
        <translation>Kategorie ändern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a category.</source>
        <translation>„%1“ kann keine Kategorie sein.</translation>
    </message>
    <message>
        <source>A category is a folder inside the song folder; its name cannot begin with &quot;.&quot;.</source>
        <translation>Eine Kategorie ist ein Ordner im Liederordner; ihr Name darf nicht mit „.“ beginnen.</translation>
    </message>
    <message>
        <source>Select Song Folder</source>
        <translation>Liederordner wählen</translation>
    </message>
    <message>
        <source>Song Folder</source>
        <translation>Liederordner</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search in PDF Songs</source>
        <translation>In PDF-Liedern suchen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Search Options</source>
        <translation>Suchoptionen</translation>
    </message>
    <message>
        <source>Song Folder %1</source>
        <translation>Liederordner %1</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Change Category…</source>
        <translation>Kategorie ändern…</translation>
    </message>
    <message>
        <source>The category “%1” for %2</source>
        <translation>der Kategorie „%1“ für %2</translation>
    </message>
</context>
<context>
    <name>SongTrash</name>
    <message>
        <source>The songs %1</source>
        <translation>der Lieder %1</translation>
    </message>
    <message>
        <source>The song %1</source>
        <translation>des Lieds %1</translation>
    </message>
</context>
<context>
    <name>SongViewViewController</name>
    <message>
        <source>Playing time</source>
        <translation>Spieldauer</translation>
    </message>
    <message>
        <source>Unknown chord</source>
        <translation>Unbekannter Akkord</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add to Chord Library</source>
        <translation>Zur Akkordbibliothek hinzufügen</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Metronome Settings</source>
        <translation>Metronom-Einstellungen</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Blinken</translation>
    </message>
    <message>
        <source>Count In</source>
        <translation>Einzählen</translation>
    </message>
    <message>
        <source>Flash Color...</source>
        <translation>Blinkfarbe...</translation>
    </message>
    <message>
        <source>Flash Color</source>
        <translation>Blinkfarbe</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>All ♭</source>
        <translation>Alle ♭</translation>
    </message>
    <message>
        <source>All ♯</source>
        <translation>Alle ♯</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponieren</translation>
    </message>
    <message>
        <source>No Capo</source>
        <translation>Kein Kapodaster</translation>
    </message>
    <message>
        <source>Capo %1</source>
        <translation>Kapodaster %1</translation>
    </message>
    <message>
        <source>Vellorin - %1</source>
        <translation>Vellorin - %1</translation>
    </message>
    <message>
        <source>Vellorin</source>
        <translation>Vellorin</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>SongsTableModel</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonart</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
</context>
<context>
    <name>TagsViewController</name>
    <message>
        <source>Tag</source>
        <translation>Schlagwort</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>Schlagwort entfernen</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Songs w/o tags</source>
        <translation>Lieder ohne Schlagwort</translation>
    </message>
    <message>
        <source>Delete song?</source>
        <translation>Lied löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TcpPeerSession</name>
    <message>
        <source>Riro Riroduva</source>
        <translation>Riro Riroduva</translation>
    </message>
    <message>
        <source>Accept connection from %1?</source>
        <translation>Verbindung von %1 annehmen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TuningDialog</name>
    <message>
        <source>Tuning</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>VellorinAppDelegate</name>
    <message>
        <source>New Song</source>
        <translation>Neues Lied</translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation>Transponieren</translation>
    </message>
    <message>
        <source>Auto-Scroll</source>
        <translation>Scrollen</translation>
    </message>
    <message>
        <source>Song %1 has been changed. Save changes?</source>
        <translation>Das Lied %1 wurde geändert. Änderungen sichern?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The file “%1” was changed by another program.</source>
        <translation>Die Datei „%1“ wurde von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Overwrite it with this version, or reload the other program&apos;s version.</source>
        <translation>Mit dieser Fassung überschreiben oder die Fassung des anderen Programms neu laden.</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Reloading “%1” drops your changes to it.</source>
        <translation>Beim Neuladen von „%1“ gehen Ihre Änderungen verloren.</translation>
    </message>
    <message>
        <source>The song %1 could not be saved.</source>
        <translation>Das Lied %1 konnte nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Your changes are still in the editor.</source>
        <translation>Ihre Änderungen sind noch im Editor.</translation>
    </message>
    <message>
        <source>The PDF %1 could not be copied into the song folder.</source>
        <translation>Die PDF-Datei %1 konnte nicht in den Liederordner kopiert werden.</translation>
    </message>
    <message>
        <source>Select Folder for output</source>
        <translation>Ordner für die Ausgabe wählen</translation>
    </message>
    <message>
        <source>Select Folder for HTML output</source>
        <translation>Ordner für die HTML-Ausgabe wählen</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>The file %1 is no song: it holds no text.</source>
        <translation>Die Datei %1 ist kein Lied: Sie enthält keinen Text.</translation>
    </message>
    <message>
        <source>The sample song could not be written into the song folder.</source>
        <translation>Das Beispiellied konnte nicht in den Liederordner geschrieben werden.</translation>
    </message>
    <message>
        <source>The songs could not be printed.</source>
        <translation>Die Lieder konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Enter Key</source>
        <translation>Tonart eingeben</translation>
    </message>
    <message>
        <source>Fit the song into the window</source>
        <translation>Lied ins Fenster einpassen</translation>
    </message>
    <message>
        <source>Your changes are still in the editor. Quitting now loses them.</source>
        <translation>Ihre Änderungen sind noch im Editor. Wenn Sie jetzt beenden, gehen sie verloren.</translation>
    </message>
    <message>
        <source>Don&apos;t Quit</source>
        <translation>Nicht beenden</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Start Riro Riroduva on other computers to show the same song on all connected devices</source>
        <translation>Starten Sie Riro Riroduva auf anderen Computern, um auf allen verbundenen Geräten dasselbe Lied zu zeigen</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>Select MP3 to link with song</source>
        <translation>MP3 zum Verknüpfen mit dem Lied auswählen</translation>
    </message>
    <message>
        <source>Link With Music</source>
        <translation>Mit Musik verknüpfen</translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation>Datei kopieren</translation>
    </message>
    <message>
        <source>File needs to be copied into Vellorin folder</source>
        <translation>Die Datei muss in den Liederordner kopiert werden</translation>
    </message>
    <message>
        <source>The copy of the recording “%1”</source>
        <translation>der Kopie der Aufnahme „%1“</translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation>Das Sichern %1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Nothing on disk was changed.</source>
        <translation>Auf dem Datenträger wurde nichts verändert.</translation>
    </message>
    <message>
        <source>%1 could not be moved to the Trash.</source>
        <translation>Das Verschieben %1 in den Papierkorb ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>What could not be moved stays where it was.</source>
        <translation>Was nicht verschoben werden konnte, bleibt, wo es war.</translation>
    </message>
</context>
</TS>
