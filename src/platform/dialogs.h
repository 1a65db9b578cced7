// Questions to the user, behind an interface: the application asks with message boxes, tests answer from a script.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;

class Dialogs
{
public:
    // The button that ended an alert. The numbers are those every question in the program uses:
    // the default button 1, the alternate 0, the other -1. Closed (none of them) means the alert
    // was taken away without an answer (closeAlert()).
    enum class Answer : int { Default = 1, Alternate = 0, Other = -1, Closed = -1000 };

    // An alert with a title, an informative text and up to three buttons. An empty button title
    // leaves that button out; the default button is always shown.
    struct Alert
    {
        QString title;
        QString informativeText;
        QString defaultButton;
        QString alternateButton;
        QString otherButton;
    };

    // A save panel: the folder it opens on, the proposed file name and the allowed extensions (without dot); a
    // name chosen without an extension gets the first allowed one.
    struct SavePanel
    {
        QString directory;
        QString fileName;
        QStringList allowedTypes;
    };

    // An alert that asks for a short text, in an editable field of 200 x 24 points (a combo box offering the
    // choices, when there are any) that has the focus; its buttons as in an alert. The placeholder shows while the
    // field is empty.
    struct TextPrompt
    {
        QString title;
        QString informativeText;
        QString text;
        QStringList choices;
        QString defaultButton;
        QString alternateButton;
        QString otherButton;
        QString placeholder;
    };

    // The button that ended a text prompt, and the text in the field then.
    struct TextAnswer
    {
        Answer button = Answer::Closed;
        QString text;
    };

    // A panel for choosing a folder: the folder it opens on, the message it shows and the title of its choosing
    // button (empty: the platform's own). New folders may be made.
    struct FolderPanel
    {
        QString directory;
        QString message;
        QString prompt;
    };

    // A panel for choosing files to open: the folder it opens on, the extensions offered (without dot), whether
    // files of other types may be chosen too and whether several may be chosen at once; the message it shows
    // and the title of its choosing button (empty: the platform's own).
    struct OpenPanel
    {
        QString directory;
        QStringList allowedTypes;
        bool allowsOtherFileTypes = false;
        bool allowsMultipleSelection = false;
        QString message;
        QString prompt;
    };

    virtual ~Dialogs() = default;

    // Shows the alert modally and waits for the answer. Pressing Escape or closing the alert's window
    // answers like the alternate button (like the default button when it is the only one).
    virtual Answer runAlert(const Alert &alert) = 0;
    // Takes away the alert being shown, so that runAlert() answers Closed; nothing when none is shown.
    virtual void closeAlert() = 0;
    // Asks for the file to save to; the chosen absolute path, or empty when the user cancelled.
    virtual QString runSavePanel(const SavePanel &panel) = 0;
    // Asks for a text; the button that ended the prompt and the text. Escape or closing the prompt answers like
    // the alternate button.
    virtual TextAnswer runTextAlert(const TextPrompt &prompt) = 0;
    // Asks for a text; the text when the default button ended the prompt, nothing otherwise.
    std::optional<QString> runTextPrompt(const TextPrompt &prompt);
    // Asks for a folder; its absolute path, or empty when the user cancelled.
    virtual QString runFolderPanel(const FolderPanel &panel) = 0;
    // Asks for files to open; their absolute paths in the order chosen, or none when the user cancelled.
    virtual QStringList runOpenPanel(const OpenPanel &panel) = 0;
    // The print panel on the printer, with its page set-up: true when the user chose to print (the printer then
    // holds the choices), false when cancelled.
    virtual bool runPrintPanel(QPrinter &printer) = 0;
    // The page set-up panel on the printer: true when the user accepted it (the printer holds the new layout).
    virtual bool runPageSetup(QPrinter &printer) = 0;
    // The font panel, showing this font first; the font chosen, or nothing when the user cancelled.
    virtual std::optional<QFont> runFontPanel(const QFont &font) = 0;
    // The colour panel with its alpha channel, showing this colour first; the colour chosen, or nothing when the
    // user cancelled.
    virtual std::optional<QColor> runColorPanel(const QColor &color) = 0;
};
