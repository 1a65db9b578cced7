// Dialogs that answer from a script and remember what was asked, so no test ever waits for a person.
#pragma once

#include "dialogs.h"

#include <QList>
#include <QPageLayout>
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
    QStringList runOpenPanel(const OpenPanel &panel) override;
    bool runPrintPanel(QPrinter &printer) override;
    bool runPageSetup(QPrinter &printer) override;

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
    // The files to answer open panels with, in order (none: cancelled); beyond them a panel is cancelled.
    std::deque<QStringList> openPanelAnswers;
    QList<OpenPanel> openPanelsShown;
    // The PDF files to print into, one per print panel in order (empty: cancelled); beyond them a panel is
    // cancelled. An answered panel sets the printer to write that PDF file.
    std::deque<QString> printPanelAnswers;
    // The document name of the job each print panel was shown for, in order.
    QStringList printPanelsShown;
    // The page layouts to give the printer, one per page set-up panel in order (nothing: cancelled); beyond
    // them a panel is cancelled.
    std::deque<std::optional<QPageLayout>> pageSetupAnswers;
    int pageSetupsShown = 0;

private:
    bool m_shown = false;
};
