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

Dialogs::TextAnswer ScriptedDialogs::runTextAlert(const TextPrompt &prompt)
{
    const ModalGate::Question question;
    textPromptsShown.append(prompt);
    if (textAnswers.empty())
        return {Answer::Alternate, prompt.text};
    const TextAnswer answer = textAnswers.front().answer;
    textAnswers.pop_front();
    return answer;
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

std::optional<QFont> ScriptedDialogs::runFontPanel(const QFont &font)
{
    const ModalGate::Question question;
    fontPanelsShown.append(font);
    if (fontPanelAnswers.empty())
        return std::nullopt;
    const std::optional<QFont> chosen = fontPanelAnswers.front();
    fontPanelAnswers.pop_front();
    return chosen;
}

std::optional<QColor> ScriptedDialogs::runColorPanel(const QColor &color)
{
    const ModalGate::Question question;
    colorPanelsShown.append(color);
    if (colorPanelAnswers.empty())
        return std::nullopt;
    const std::optional<QColor> chosen = colorPanelAnswers.front();
    colorPanelAnswers.pop_front();
    return chosen;
}
