// Dialogs answered from a script. Each question holds the modal gate as a shown one would.
#include "scripteddialogs.h"

#include "modalgate.h"

#include <QPrinter>

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

QStringList ScriptedDialogs::runOpenPanel(const OpenPanel &panel)
{
    const ModalGate::Question question;
    openPanelsShown.append(panel);
    if (openPanelAnswers.empty())
        return {};
    const QStringList paths = openPanelAnswers.front();
    openPanelAnswers.pop_front();
    return paths;
}

bool ScriptedDialogs::runPrintPanel(QPrinter &printer)
{
    const ModalGate::Question question;
    printPanelsShown.append(printer.docName());
    if (printPanelAnswers.empty())
        return false;
    const QString pdf = printPanelAnswers.front();
    printPanelAnswers.pop_front();
    if (pdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
}

bool ScriptedDialogs::runPageSetup(QPrinter &printer)
{
    const ModalGate::Question question;
    ++pageSetupsShown;
    if (pageSetupAnswers.empty())
        return false;
    const std::optional<QPageLayout> layout = pageSetupAnswers.front();
    pageSetupAnswers.pop_front();
    return layout && printer.setPageLayout(*layout);
}
