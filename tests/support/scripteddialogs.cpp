// Dialogs answered from a script.
#include "scripteddialogs.h"

Dialogs::Answer ScriptedDialogs::runAlert(const Alert &alert)
{
    asked.append(alert);
    m_shown = true;
    if (whileShown)
        whileShown();
    if (!m_shown || answers.empty()) {
        m_shown = false;
        return Answer::Closed;
    }
    m_shown = false;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDialogs::closeAlert()
{
    m_shown = false;
}

QString ScriptedDialogs::runSavePanel(const SavePanel &panel)
{
    savePanelsShown.append(panel);
    if (savePanelAnswers.empty())
        return {};
    const QString path = savePanelAnswers.front();
    savePanelAnswers.pop_front();
    return path;
}

std::optional<QString> ScriptedDialogs::runTextPrompt(const TextPrompt &prompt)
{
    textPromptsShown.append(prompt);
    if (textAnswers.empty())
        return std::nullopt;
    const std::optional<QString> text = textAnswers.front();
    textAnswers.pop_front();
    return text;
}

QString ScriptedDialogs::runFolderPanel(const FolderPanel &panel)
{
    folderPanelsShown.append(panel);
    if (folderPanelAnswers.empty())
        return {};
    const QString path = folderPanelAnswers.front();
    folderPanelAnswers.pop_front();
    return path;
}
