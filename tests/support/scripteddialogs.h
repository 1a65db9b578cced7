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
    TextAnswer runTextAlert(const TextPrompt &prompt) override;
    QString runFolderPanel(const FolderPanel &panel) override;
    QStringList runOpenPanel(const OpenPanel &panel) override;
    bool runPrintPanel(QPrinter &printer) override;
    bool runPageSetup(QPrinter &printer) override;
    std::optional<QFont> runFontPanel(const QFont &font) override;
    std::optional<QColor> runColorPanel(const QColor &color) override;

    // One scripted answer to a text prompt: a text (the default button), nothing (the alternate button), or a
    // button with the text in the field.
    struct TextReply
    {
        TextReply(const QString &text)
            : answer{Answer::Default, text}
        {}
        TextReply(std::nullopt_t)
            : answer{Answer::Alternate, {}}
        {}
        TextReply(const std::optional<QString> &text)
            : answer{text ? Answer::Default : Answer::Alternate, text.value_or(QString())}
        {}
        TextReply(Answer button, const QString &text)
            : answer{button, text}
        {}
        TextAnswer answer;
    };

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
    // The answers to text prompts, in order; beyond them a prompt is cancelled.
    std::deque<TextReply> textAnswers;
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
    // The fonts to answer font panels with, in order (nothing: cancelled); beyond them a panel is cancelled.
    std::deque<std::optional<QFont>> fontPanelAnswers;
    // The font each font panel showed first, in order.
    QList<QFont> fontPanelsShown;
    // The colours to answer colour panels with, in order (nothing: cancelled); beyond them a panel is cancelled.
    std::deque<std::optional<QColor>> colorPanelAnswers;
    // The colour each colour panel showed first, in order.
    QList<QColor> colorPanelsShown;

private:
    bool m_shown = false;
};
