<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AppReviewManager</name>
    <message>
        <source>Rate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you enjoy using %1, would you mind taking a moment to rate it? It won&apos;t take more than a minute. Thanks for your support!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind me later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>- Unfiled -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- All Songs -</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChordEditViewController</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base fret:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Chord %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Chord</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChordListViewController</name>
    <message>
        <source>Base Chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Chord…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChordViewControllerWindowController</name>
    <message>
        <source>Add Chord…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Chord…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Chord…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define in Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete chord?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chords</name>
    <message>
        <source>Your chords for the %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandState</name>
    <message>
        <source>MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorContextMenu</name>
    <message>
        <source>Insert Chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chordpro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konvertiere Umlaute (ae-&gt;ä,...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove trailing spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove leading spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove empty lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose Selection Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose Selection Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Song View with Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Smart Insert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorFindBar</name>
    <message>
        <source>Find in Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontPrefsView</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Instrument</name>
    <message>
        <source>Ukulele (C tuning)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukulele (D tuning)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baritone Ukulele</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandolin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiddle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banjo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tenor Banjo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irish Bouzouki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek Bouzouki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bass Guitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5-String Bass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charango</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ronroco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Dulcimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cigar Box Guitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guitalele</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guitar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Layout to File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Setup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text (RTF)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab Text…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Pages (HTML)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain Text…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chordpro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Tab to Chordpro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chords Inline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Diagrams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lyrics Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title and Subtitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centred Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre Narrow Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit with Fixed-Width Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Pane at Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Zoom on Second Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lyrics Only on Second Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transposition Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Chords Sharp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Chords Flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Transposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Transposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to Nashville Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert from Nashville Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-Scroll Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start or Stop Auto-Scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Auto-Scroll Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Audio with Auto-Scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metronome Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start or Stop Metronome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Audio File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play or Stop Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Category…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearby Sharing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellorin Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Chordpro Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vellorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>−</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the song into the window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageBoxDialogs</name>
    <message>
        <source>Allowed files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteSong</name>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaneSplitView</name>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the list pane shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellorin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PeerControl</name>
    <message>
        <source>Riro Riroduva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song %1 differs from the version on %2, update it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song %1 not yet available on this device, copy it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayList</name>
    <message>
        <source>The playlist “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name “%1” of the playlist “%2”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaylistsViewController</name>
    <message>
        <source>- Select -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Note…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Subtitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Playlist…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Playlist…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Playlist…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Playlist in File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Playlists by Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete playlist?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesController</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latin (Do,Re)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German (B-&gt;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of chords per row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Margins (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include song chords in printout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only defined chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chords at top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-handed chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark base tone in chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large chord diagrams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore A/The when sorting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shade</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prefs</name>
    <message>
        <source>The preferences</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Song</name>
    <message>
        <source>(No Title)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SongContextMenus</name>
    <message>
        <source>Add to Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Playlist…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Tag…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tag “%1” of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SongEditViewController</name>
    <message>
        <source>Select image to insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy of the image “%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SongListViewController</name>
    <message>
        <source>Delete %1 songs?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete song?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a category.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A category is a folder inside the song folder; its name cannot begin with &quot;.&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Song Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search in PDF Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song Folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Category…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The category “%1” for %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SongTrash</name>
    <message>
        <source>The songs %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The song %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SongViewViewController</name>
    <message>
        <source>Playing time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Chord Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metronome Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All ♭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All ♯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Capo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellorin - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vellorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SongsTableModel</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagsViewController</name>
    <message>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Songs w/o tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete song?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TcpPeerSession</name>
    <message>
        <source>Riro Riroduva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept connection from %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TuningDialog</name>
    <message>
        <source>Tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VellorinAppDelegate</name>
    <message>
        <source>New Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transpose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-Scroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song %1 has been changed. Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file “%1” was changed by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite it with this version, or reload the other program&apos;s version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reloading “%1” drops your changes to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The song %1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes are still in the editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF %1 could not be copied into the song folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder for output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder for HTML output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is no song: it holds no text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample song could not be written into the song folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The songs could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the song into the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes are still in the editor. Quitting now loses them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Riro Riroduva on other computers to show the same song on all connected devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select MP3 to link with song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link With Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File needs to be copied into Vellorin folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy of the recording “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing on disk was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be moved to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What could not be moved stays where it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
