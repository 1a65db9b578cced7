#include "editorcontextmenu.h"

#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// The menu as text: "-" for a separator, a submenu as its title and its items after ">".
QStringList titles(const QMenu &menu)
{
    QStringList rows;
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator())
            rows.append(QStringLiteral("-"));
        else if (action->menu())
            rows.append(action->text() + u'>' + titles(*action->menu()).join(u'|'));
        else
            rows.append(action->text());
    }
    return rows;
}

// What the platform's menu of an editable text looks like: undo and redo, then the clipboard items.
void addPlatformItems(QMenu &menu)
{
    menu.addAction(QStringLiteral("Undo"));
    menu.addAction(QStringLiteral("Redo"));
    menu.addSeparator();
    menu.addAction(QStringLiteral("Cut"));
    menu.addSeparator();
    menu.addAction(QStringLiteral("Select All"));
}

} // namespace

TEST(EditorContextMenu, PutsTheRowsInTheirOrderAtThePlatformsFirstSeparator)
{
    QMenu chordpro;
    QAction *chord = chordpro.addAction(QStringLiteral("Chord"));
    chord->setData(1);
    chord->setShortcut(QKeySequence(QStringLiteral("Ctrl+1")));
    chordpro.addAction(QStringLiteral("Comment"))->setData(2);
    chordpro.addSeparator();
    chordpro.addAction(QStringLiteral("Image"))->setData(11);

    const QStringList top = {"Undo", "Redo", "-"};
    const QStringList chordRows = {"Copy Chords", "Insert Chords", "Remove Chords", "-"};
    const QStringList cleanUp = {"Remove trailing spaces",
                                 "Remove leading spaces",
                                 "Remove empty lines",
                                 "-",
                                 "Transpose Selection Up",
                                 "Transpose Selection Down",
                                 "-",
                                 "Scroll Song View with Editor",
                                 "Enable Smart Insert",
                                 "-",
                                 "Cut",
                                 "-",
                                 "Select All"};
    struct Case
    {
        const char *why;
        EditorContextMenu::Inputs inputs;
        QStringList expected;
    };
    const Case cases[] = {
        {"chords, the Chordpro menu, MIDI off, English",
         {{"Am", "C"}, &chordpro, false, {}, "en-US"},
         top + QStringList{"Insert Chord>Am|C", "Chordpro>Chord|Comment", "-"} + chordRows + cleanUp},
        {"MIDI on lists the events received, German adds the umlauts",
         {{"C"}, &chordpro, true, MidiEvent::midiEventsFromString("PC3 N60@2"), "de-DE"},
         top + QStringList{"Insert Chord>C", "Chordpro>Chord|Comment", "MIDI>PC3|N60@2", "-"} + chordRows +
             QStringList{"Konvertiere Umlaute (ae->ä,...)"} + cleanUp},
        {"MIDI on without a controller, a text without chords, no Chordpro menu",
         {{}, nullptr, true, {}, "fr-FR"},
         top + QStringList{"MIDI>", "-"} + chordRows + cleanUp},
    };
    for (const Case &c : cases) {
        QMenu menu;
        addPlatformItems(menu);
        EditorContextMenu::insertRows(menu, c.inputs);
        EXPECT_EQ(titles(menu), c.expected) << c.why;
    }
}

TEST(EditorContextMenu, CommandRowsNameTheirCommandAndChordproRowsTriggerTheirOriginal)
{
    QMenu chordpro;
    QAction *chord = chordpro.addAction(QStringLiteral("Chord"));
    chord->setData(1);
    chord->setShortcut(QKeySequence(QStringLiteral("Ctrl+1")));
    QMenu menu; // no separator: the rows go to the end
    const QList<QAction *> rows =
        EditorContextMenu::insertRows(menu, {{"Am"}, &chordpro, false, {}, "en", true, false});

    QStringList names;
    for (const QAction *row : rows)
        names.append(row->objectName());
    EXPECT_EQ(names, (QStringList{"insertChord", "copyChords", "applyChords", "removeChords", "removeTrailingSpaces",
                                  "removeLeadingSpaces", "removeEmptyLines", "transposeSelectionUp",
                                  "transposeSelectionDown", "syncViewWithEditor", "allowAutoCorrectInEditor"}));
    EXPECT_EQ(rows.constFirst()->data().toString(), "Am");
    EXPECT_TRUE(rows.at(rows.size() - 2)->isChecked());
    EXPECT_FALSE(rows.constLast()->isChecked());
    EXPECT_TRUE(menu.actions().constFirst()->isSeparator());

    QAction *copy = menu.actions().at(2)->menu()->actions().constFirst();
    EXPECT_EQ(copy->text(), "Chord");
    EXPECT_EQ(copy->data(), 1);
    EXPECT_EQ(copy->shortcut(), QKeySequence(QStringLiteral("Ctrl+1")));
    QSignalSpy triggered(chord, &QAction::triggered);
    copy->trigger();
    EXPECT_EQ(triggered.count(), 1);
}
