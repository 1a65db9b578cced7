// The editor's context menu: its rows, which of them may run, and the chord names it offers.
#include "songeditviewcontroller.h"

#include "appcontext.h"
#include "chordpositions.h"
#include "doubleclicktextview.h"
#include "editorcontextmenu.h"
#include "log.h"
#include "prefs.h"

#include <QLocale>
#include <QMenu>
#include <QRegularExpression>

#include <algorithm>

namespace {

using Command = void (SongEditViewController::*)();

const std::pair<const char *, Command> menuCommands[] = {
    {"copyChords", &SongEditViewController::copyChords},
    {"applyChords", &SongEditViewController::applyChords},
    {"removeChords", &SongEditViewController::removeChords},
    {"replaceUmlauts", &SongEditViewController::replaceUmlauts},
    {"removeTrailingSpaces", &SongEditViewController::removeTrailingSpaces},
    {"removeLeadingSpaces", &SongEditViewController::removeLeadingSpaces},
    {"removeEmptyLines", &SongEditViewController::removeEmptyLines},
    {"transposeSelectionUp", &SongEditViewController::transposeSelectionUp},
    {"transposeSelectionDown", &SongEditViewController::transposeSelectionDown},
    {"syncViewWithEditor", &SongEditViewController::syncViewWithEditor},
    {"allowAutoCorrectInEditor", &SongEditViewController::allowAutoCorrectInEditor},
};

// The platform's undo and redo items step through the view, so that the song follows at once.
void stepHistoryThroughView(QMenu &menu, DoubleClickTextView &view)
{
    for (QAction *item : menu.actions()) {
        void (DoubleClickTextView::*step)() =
            item->objectName() == QLatin1String("edit-undo")   ? &DoubleClickTextView::undo
            : item->objectName() == QLatin1String("edit-redo") ? &DoubleClickTextView::redo
                                                               : nullptr;
        if (!step)
            continue;
        QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
        QObject::connect(item, &QAction::triggered, &view, step);
    }
}

} // namespace

QStringList SongEditViewController::currentChordNames() const
{
    static const QRegularExpression bracketed(QStringLiteral(R"(\[(.*?)\])"));
    if (!bracketed.isValid()) {
        Log::write(QStringLiteral("Regexp error %1").arg(bracketed.errorString()));
        return {};
    }
    QStringList names;
    for (const QRegularExpressionMatch &match : bracketed.globalMatch(m_textView->rawText())) {
        const QString name = match.captured(1);
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

void SongEditViewController::contextMenu(QMenu &menu)
{
    if (!isEditable())
        return;
    stepHistoryThroughView(menu, *m_textView);
    const Prefs *prefs = AppContext::instance()->prefs();
    EditorContextMenu::Inputs inputs;
    inputs.chordNames = currentChordNames();
    inputs.chordproMenu = m_sources.chordproMenu ? m_sources.chordproMenu() : nullptr;
    inputs.midi = prefs && prefs->midi();
    if (inputs.midi && m_sources.lastMidiCommands)
        inputs.midiEvents = m_sources.lastMidiCommands();
    inputs.language = QLocale::system().uiLanguages().value(0);
    inputs.syncViewWithEditor = prefs && prefs->syncViewWithEditor();
    inputs.allowAutoCorrectInEditor = prefs && prefs->allowAutoCorrectInEditor();
    const QList<QAction *> rows = EditorContextMenu::insertRows(menu, inputs);
    for (QAction *row : rows)
        connect(row, &QAction::triggered, this, [this, row] { runMenuCommand(*row); });
    const auto updateStates = [this, rows] {
        for (QAction *row : rows)
            row->setEnabled(validateMenuItem(row->objectName()));
    };
    connect(&menu, &QMenu::aboutToShow, this, updateStates);
}

void SongEditViewController::runMenuCommand(const QAction &row)
{
    const QString name = row.objectName();
    if (name == QLatin1String("insertChord"))
        return insertChord(row.data().toString());
    if (name == QLatin1String("insertMidi"))
        return insertMidi(row.data().toString());
    for (const auto &[command, run] : menuCommands) {
        if (name == QLatin1String(command))
            (this->*run)();
    }
}

bool SongEditViewController::validateMenuItem(const QString &command) const
{
    const QString text = m_textView->rawText();
    const auto selectionHasChords = [&] { return ChordPositions::hasChordsInRange(selection(), text); };
    if (command == QLatin1String("transposeSelectionUp") || command == QLatin1String("transposeSelectionDown"))
        return hasSelection();
    if (command == QLatin1String("copyChords") || command == QLatin1String("removeChords"))
        return hasSelection() && selectionHasChords();
    if (command == QLatin1String("applyChords"))
        return hasSelection() && hasChordsInClipboard() && !selectionHasChords();
    if (command == QLatin1String("removeTrailingSpaces"))
        return hasTrailingSpaces();
    if (command == QLatin1String("removeLeadingSpaces"))
        return hasLeadingSpaces();
    if (command == QLatin1String("removeEmptyLines"))
        return hasEmptyLines();
    return true;
}
