#include "messageboxdialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

Dialogs::Answer MessageBoxDialogs::runAlert(const Alert &alert)
{
    // Over the active window it blocks only that window, like a sheet; without one, the whole application.
    QWidget *window = QApplication::activeWindow();
    QMessageBox box(window);
    box.setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    box.setIcon(QMessageBox::Information);
    box.setTextFormat(Qt::PlainText);
    box.setText(alert.title);
    box.setInformativeText(alert.informativeText);

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
    QStringList patterns;
    for (const QString &type : panel.allowedTypes)
        patterns.append(QStringLiteral("*.") + type);
    const QString filter = patterns.isEmpty() ? QString()
                                              : QCoreApplication::translate("MessageBoxDialogs", "Allowed files (%1)")
                                                    .arg(patterns.join(QLatin1Char(' ')));
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                        QDir(panel.directory).filePath(panel.fileName), filter);
}
