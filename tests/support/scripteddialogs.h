// Dialogs that answer from a script and remember what was asked, so no test ever waits for a person.
#pragma once

#include "dialogs.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>

class ScriptedDialogs : public Dialogs
{
public:
    Answer runAlert(const Alert &alert) override;
    void closeAlert() override;
    QString runSavePanel(const SavePanel &panel) override;
    std::optional<QString> runTextPrompt(const TextPrompt &prompt) override;
    QString runFolderPanel(const FolderPanel &panel) override;

    // The answers to give, in order; an alert asked beyond them is answered Closed.
    std::deque<Answer> answers;
    // Runs while an alert is shown, before it is answered (e.g. to deactivate the application).
    std::function<void()> whileShown;
    // Every alert asked, in order.
    QList<Alert> asked;
    // The paths to answer save panels with, in order (empty: cancelled); beyond them a panel is cancelled.
    std::deque<QString> savePanelAnswers;
    // Every save panel shown, in order.
    QList<SavePanel> savePanelsShown;
    // The texts to answer prompts with, in order (nothing: cancelled); beyond them a prompt is cancelled.
    std::deque<std::optional<QString>> textAnswers;
    QList<TextPrompt> textPromptsShown;
    // The folders to answer folder panels with, in order (empty: cancelled); beyond them a panel is cancelled.
    std::deque<QString> folderPanelAnswers;
    QList<FolderPanel> folderPanelsShown;

private:
    bool m_shown = false;
};
