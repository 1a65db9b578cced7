#include "editorcontextmenu.h"

#include <QMenu>

namespace {

QAction *firstSeparator(const QMenu &menu)
{
    for (QAction *action : menu.actions()) {
        if (action->isSeparator())
            return action;
    }
    return nullptr;
}

// The insert items of the main menu, up to its first separator or submenu; each copy triggers its original, whose
// template the application knows by the item's number.
void copyChordproItems(const QMenu &source, QMenu &into)
{
    for (QAction *original : source.actions()) {
        if (original->isSeparator() || original->menu())
            return;
        auto *copy = new QAction(original->text(), &into);
        copy->setShortcut(original->shortcut());
        copy->setData(original->data());
        QObject::connect(copy, &QAction::triggered, original, &QAction::trigger);
        into.addAction(copy);
    }
}

} // namespace

EditorContextMenu::EditorContextMenu(QMenu &menu, QAction *before)
    : m_menu(menu)
    , m_before(before)
{}

void EditorContextMenu::separator()
{
    m_menu.insertSeparator(m_before);
}

QMenu *EditorContextMenu::submenu(const QString &title)
{
    auto *submenu = new QMenu(title, &m_menu);
    m_menu.insertMenu(m_before, submenu);
    return submenu;
}

QAction *EditorContextMenu::command(const QString &title, const char *name, QMenu *in)
{
    auto *action = new QAction(title, &m_menu);
    action->setObjectName(QString::fromLatin1(name));
    if (in)
        in->addAction(action);
    else
        m_menu.insertAction(m_before, action);
    m_commands.append(action);
    return action;
}

QAction *EditorContextMenu::toggle(const QString &title, const char *name, bool on)
{
    QAction *action = command(title, name);
    action->setCheckable(true);
    action->setChecked(on);
    return action;
}

QList<QAction *> EditorContextMenu::insertRows(QMenu &menu, const Inputs &inputs)
{
    EditorContextMenu rows(menu, firstSeparator(menu));
    rows.separator();
    if (!inputs.chordNames.isEmpty()) {
        QMenu *chords = rows.submenu(tr("Insert Chord"));
        for (const QString &name : inputs.chordNames)
            rows.command(name, "insertChord", chords)->setData(name);
    }
    if (inputs.chordproMenu)
        copyChordproItems(*inputs.chordproMenu, *rows.submenu(tr("Chordpro")));
    if (inputs.midi) {
        QMenu *midi = rows.submenu(tr("MIDI"));
        for (const MidiEvent &event : inputs.midiEvents)
            rows.command(event.toString(), "insertMidi", midi)->setData(event.toString());
    }
    rows.separator();
    rows.command(tr("Copy Chords"), "copyChords");
    rows.command(tr("Insert Chords"), "applyChords");
    rows.command(tr("Remove Chords"), "removeChords");
    rows.separator();
    if (inputs.language.startsWith(QStringLiteral("de")))
        rows.command(tr("Konvertiere Umlaute (ae->ä,...)"), "replaceUmlauts");
    rows.command(tr("Remove trailing spaces"), "removeTrailingSpaces");
    rows.command(tr("Remove leading spaces"), "removeLeadingSpaces");
    rows.command(tr("Remove empty lines"), "removeEmptyLines");
    rows.separator();
    rows.command(tr("Transpose Selection Up"), "transposeSelectionUp");
    rows.command(tr("Transpose Selection Down"), "transposeSelectionDown");
    rows.separator();
    rows.toggle(tr("Scroll Song View with Editor"), "syncViewWithEditor", inputs.syncViewWithEditor);
    rows.toggle(tr("Enable Smart Insert"), "allowAutoCorrectInEditor", inputs.allowAutoCorrectInEditor);
    return rows.m_commands;
}
