// The application's dialogs: each question is a message box, each open, save or folder panel a file dialog, the
// print and page set-up panels Qt's own, over the active window.
#pragma once

#include "dialogs.h"

#include <QPointer>

class QMessageBox;

class MessageBoxDialogs : public Dialogs
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

private:
    QPointer<QMessageBox> m_box;
    bool m_closed = false;
};
