#include "messageboxdialogs.h"

#include "modalgate.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

Dialogs::Answer MessageBoxDialogs::runAlert(const Alert &alert)
{
    const ModalGate::Question question;
    // Over the active window it blocks only that window, like a sheet; without one, the whole application.
    QWidget *window = QApplication::activeWindow();
    QMessageBox box(window);
    box.setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    box.setIcon(QMessageBox::Information);
    // Questions carry names from files and from other devices: shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(alert.title);
    box.setInformativeText(alert.informativeText);
    // The message box gives its informative text a label of its own, which guesses the format for itself.
    for (QLabel *label : box.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);

    QPushButton *defaultButton = box.addButton(alert.defaultButton, QMessageBox::AcceptRole);
    QPushButton *alternateButton =
        alert.alternateButton.isEmpty() ? nullptr : box.addButton(alert.alternateButton, QMessageBox::RejectRole);
    QPushButton *otherButton =
        alert.otherButton.isEmpty() ? nullptr : box.addButton(alert.otherButton, QMessageBox::ActionRole);
    box.setDefaultButton(defaultButton);

    m_box = &box;
    m_closed = false;
    box.exec();
    m_box = nullptr;

    const QAbstractButton *clicked = box.clickedButton();
    if (m_closed || !clicked)
        return Answer::Closed;
    if (clicked == defaultButton)
        return Answer::Default;
    if (clicked == alternateButton)
        return Answer::Alternate;
    if (clicked == otherButton)
        return Answer::Other;
    return Answer::Closed;
}

void MessageBoxDialogs::closeAlert()
{
    if (!m_box)
        return;
    m_closed = true;
    m_box->hide();
}

QString MessageBoxDialogs::runSavePanel(const SavePanel &panel)
{
    const ModalGate::Question question;
    QStringList patterns;
    for (const QString &type : panel.allowedTypes)
        patterns.append(QStringLiteral("*.") + type);
    QFileDialog dialog(QApplication::activeWindow(), QString(), QDir(panel.directory).filePath(panel.fileName));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!patterns.isEmpty()) {
        dialog.setNameFilter(QCoreApplication::translate("MessageBoxDialogs", "Allowed files (%1)")
                                 .arg(patterns.join(QLatin1Char(' '))));
        dialog.setDefaultSuffix(panel.allowedTypes.constFirst());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

Dialogs::TextAnswer MessageBoxDialogs::runTextAlert(const TextPrompt &prompt)
{
    const ModalGate::Question question;
    QWidget *window = QApplication::activeWindow();
    QDialog dialog(window);
    dialog.setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    dialog.setWindowTitle(prompt.title);
    auto *layout = new QVBoxLayout(&dialog);
    auto *title = new QLabel(prompt.title);
    title->setTextFormat(Qt::PlainText);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    if (!prompt.informativeText.isEmpty()) {
        auto *informative = new QLabel(prompt.informativeText);
        informative->setTextFormat(Qt::PlainText);
        layout->addWidget(informative);
    }
    // The field is 200 x 24 points, as every short-text prompt of the program.
    auto *combo = new QComboBox;
    combo->setEditable(true);
    combo->addItems(prompt.choices);
    combo->setEditText(prompt.text);
    combo->lineEdit()->setPlaceholderText(prompt.placeholder);
    combo->setFixedSize(200, 24);
    layout->addWidget(combo);
    auto *buttons = new QDialogButtonBox;
    QPushButton *defaultButton = buttons->addButton(prompt.defaultButton, QDialogButtonBox::AcceptRole);
    defaultButton->setDefault(true);
    if (!prompt.alternateButton.isEmpty())
        buttons->addButton(prompt.alternateButton, QDialogButtonBox::RejectRole);
    QPushButton *otherButton =
        prompt.otherButton.isEmpty() ? nullptr : buttons->addButton(prompt.otherButton, QDialogButtonBox::ActionRole);
    Answer answer = Answer::Alternate;
    QObject::connect(buttons, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton *clicked) {
        answer = clicked == defaultButton ? Answer::Default
                 : clicked == otherButton ? Answer::Other
                                          : Answer::Alternate;
        dialog.done(answer == Answer::Default ? QDialog::Accepted : QDialog::Rejected);
    });
    layout->addWidget(buttons);
    combo->setFocus();
    // Escape and closing the window reject without a click: the alternate answer.
    dialog.exec();
    return {answer, combo->currentText()};
}

QString MessageBoxDialogs::runFolderPanel(const FolderPanel &panel)
{
    const ModalGate::Question question;
    QFileDialog dialog(QApplication::activeWindow(), panel.message, panel.directory);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!panel.prompt.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, panel.prompt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QStringList MessageBoxDialogs::runOpenPanel(const OpenPanel &panel)
{
    const ModalGate::Question question;
    QStringList patterns;
    for (const QString &type : panel.allowedTypes)
        patterns.append(QStringLiteral("*.") + type);
    QStringList filters;
    if (!patterns.isEmpty())
        filters.append(QCoreApplication::translate("MessageBoxDialogs", "Allowed files (%1)")
                           .arg(patterns.join(QLatin1Char(' '))));
    if (panel.allowsOtherFileTypes || patterns.isEmpty())
        filters.append(QCoreApplication::translate("MessageBoxDialogs", "All files (*)"));
    QFileDialog dialog(QApplication::activeWindow(), panel.message, panel.directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(panel.allowsMultipleSelection ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (!panel.prompt.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, panel.prompt);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

bool MessageBoxDialogs::runPrintPanel(QPrinter &printer)
{
    const ModalGate::Question question;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // The page set-up travels with the print panel: paper size and orientation are chosen in the same place.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

bool MessageBoxDialogs::runPageSetup(QPrinter &printer)
{
    const ModalGate::Question question;
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QFont> MessageBoxDialogs::runFontPanel(const QFont &font)
{
    const ModalGate::Question question;
    QFontDialog dialog(font, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

std::optional<QColor> MessageBoxDialogs::runColorPanel(const QColor &color)
{
    const ModalGate::Question question;
    QColorDialog dialog(QApplication::activeWindow());
    // The alpha channel first: a colour set before it loses its transparency.
    dialog.setOption(QColorDialog::ShowAlphaChannel);
    dialog.setCurrentColor(color);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}
