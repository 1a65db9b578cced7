// Dialogs answered from a script. Each question holds the modal gate as a shown one would.
#include "scripteddialogs.h"

#include "modalgate.h"

Dialogs::Answer ScriptedDialogs::runAlert(const Alert &alert)
{
    const ModalGate::Question question;
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
    const ModalGate::Question question;
    savePanelsShown.append(panel);
    if (savePanelAnswers.empty())
        return {};
    const QString path = savePanelAnswers.front();
    savePanelAnswers.pop_front();
    return path;
}

std::optional<QString> ScriptedDialogs::runTextPrompt(const TextPrompt &prompt)
{
    const ModalGate::Question question;
    textPromptsShown.append(prompt);
    if (textAnswers.empty())
        return std::nullopt;
    const std::optional<QString> text = textAnswers.front();
    textAnswers.pop_front();
    return text;
}

QString ScriptedDialogs::runFolderPanel(const FolderPanel &panel)
{
    const ModalGate::Question question;
    folderPanelsShown.append(panel);
    if (folderPanelAnswers.empty())
        return {};
    const QString path = folderPanelAnswers.front();
    folderPanelAnswers.pop_front();
    return path;
}
