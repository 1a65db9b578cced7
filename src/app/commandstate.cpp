#include "commandstate.h"

#include "mainmenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>

namespace {

using Rule = bool (*)(const CommandState::Inputs &);

bool transposable(const CommandState::Inputs &in)
{
    return in.hasSong && in.isNormalSong && !in.isNNS;
}

bool transposed(const CommandState::Inputs &in)
{
    return transposable(in) && in.transpose != 0;
}

bool editorFocused(const CommandState::Inputs &in)
{
    return in.songEditVisible && in.editorHasFocus;
}

bool chordsToShow(const CommandState::Inputs &in)
{
    return in.songViewVisible && in.hasSongChords && !in.keyboardInstrument;
}

bool sortable(const CommandState::Inputs &in)
{
    return in.canViewSort;
}

const QHash<QString, Rule> &rules()
{
    static const QHash<QString, Rule> table = {
        {QStringLiteral("actTransposeSave"), transposed},
        {QStringLiteral("actTransposeReset"), transposed},
        {QStringLiteral("actTransposeAllB"), transposable},
        {QStringLiteral("actTransposeAllSharp"), transposable},
        {QStringLiteral("actTransposeUp"), transposable},
        // Not over a PDF song or a note; a bar left open over one can still be put away.
        {QStringLiteral("actToggleTransposeToolbar"),
         [](const auto &in) { return !in.hasSong || in.isNormalSong || in.transposeToolbarShown; }},
        {QStringLiteral("actTransposeDown"), transposable},
        {QStringLiteral("actConvertToNNS"), [](const auto &in) { return in.hasSong && in.hasKey && !in.isNNS; }},
        {QStringLiteral("actConvertFromNNS"), [](const auto &in) { return in.hasSong && in.hasKey && in.isNNS; }},
        {QStringLiteral("actSetKey"), [](const auto &in) { return in.hasSong && in.isNormalSong; }},
        {QStringLiteral("actDuplicate"), [](const auto &in) { return in.hasSong && in.isNormalSong; }},
        {QStringLiteral("actInsertChord"), editorFocused},
        {QStringLiteral("actInsertComment"), editorFocused},
        {QStringLiteral("actInsertChorus"), editorFocused},
        {QStringLiteral("actInsertTab"), editorFocused},
        {QStringLiteral("actInsertHighlight"), editorFocused},
        {QStringLiteral("actInsertDefine"), editorFocused},
        {QStringLiteral("actInsertKey"), editorFocused},
        {QStringLiteral("actInsertPause"), editorFocused},
        {QStringLiteral("actInsertNewPage"), editorFocused},
        {QStringLiteral("actInsertGrid"), editorFocused},
        {QStringLiteral("actInsertImage"), editorFocused},
        {QStringLiteral("actConvertTabToChordpro"), editorFocused},
        {QStringLiteral("actNextSong"), [](const auto &in) { return in.hasNextSong; }},
        {QStringLiteral("actPrevSong"), [](const auto &in) { return in.hasPrevSong; }},
        {QStringLiteral("actShowSongChords"), chordsToShow},
        {QStringLiteral("actChordDiagrams"), chordsToShow},
        {QStringLiteral("actStartStopAutoScroll"),
         [](const auto &in) { return in.songViewVisible && in.canAutoScroll; }},
        {QStringLiteral("actAutoScrollSave"),
         [](const auto &in) { return in.songViewVisible && in.autoScrollCanSave; }},
        {QStringLiteral("actDeleteSongs"), [](const auto &in) { return in.songListShown; }},
        {QStringLiteral("actChangeCategory"), [](const auto &in) { return in.songListShown; }},
        {QStringLiteral("actSortByTitle"), sortable},
        {QStringLiteral("actSortBySubtitle"), sortable},
        {QStringLiteral("actSortByKey"), sortable},
        {QStringLiteral("actSortByDate"), sortable},
        {QStringLiteral("actRestoreLayout"), [](const auto &in) { return in.canRestoreLayout; }},
        {QStringLiteral("actLinkWithMusic"), [](const auto &in) { return in.hasSong; }},
        {QStringLiteral("actPlayMusic"), [](const auto &in) { return in.hasSong; }},
        {QStringLiteral("actSkipMusicForward"), [](const auto &in) { return in.hasMusic; }},
        {QStringLiteral("actSkipMusicBackward"), [](const auto &in) { return in.hasMusic; }},
    };
    return table;
}

} // namespace

CommandState::CommandState(MainMenus &menus, std::function<Inputs()> gather)
    : m_menus(menus)
    , m_gather(std::move(gather))
{}

bool CommandState::isAllowed(const QString &actionName, const Inputs &inputs)
{
    const Rule rule = rules().value(actionName);
    return !rule || rule(inputs);
}

QString CommandState::midiTitle(const Inputs &inputs)
{
    if (!inputs.midiOn || inputs.midiConnections.isEmpty())
        return QCoreApplication::translate("CommandState", "MIDI");
    return QCoreApplication::translate("CommandState", "MIDI (%1)").arg(inputs.midiConnections);
}

void CommandState::update()
{
    const Inputs inputs = m_gather();
    for (QAction *action : m_menus.actions())
        action->setEnabled(m_menus.hasCommand(action) && isAllowed(action->objectName(), inputs));
    if (QAction *midi = m_menus.action(QStringLiteral("actToggleMIDI")))
        midi->setText(midiTitle(inputs));
}
