#include "messageboxdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `act` on the alert once it is shown, from inside its event loop.
void whenShown(const std::function<void(QMessageBox &)> &act)
{
    QTimer::singleShot(0, [act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(*box);
    });
}

void click(QMessageBox &box, const QString &title)
{
    for (QAbstractButton *button : box.buttons()) {
        if (button->text() == title)
            return button->click();
    }
    ADD_FAILURE() << "no button " << title.toStdString();
}

// The text format of each label of the widget that holds exactly the text.
QList<Qt::TextFormat> formatsOfLabelsShowing(const QWidget &widget, const QString &text)
{
    QList<Qt::TextFormat> formats;
    for (const QLabel *label : widget.findChildren<QLabel *>())
        if (label->text() == text)
            formats.append(label->textFormat());
    return formats;
}

} // namespace

TEST(MessageBoxDialogs, AnswersWithTheClickedButton)
{
    const Dialogs::Alert alert{QStringLiteral("Rate it"), QStringLiteral("100% free"), QStringLiteral("Rate"),
                               QStringLiteral("No"), QStringLiteral("Later")};
    const std::pair<const char *, Dialogs::Answer> cases[] = {
        {"Rate", Dialogs::Answer::Default},
        {"No", Dialogs::Answer::Alternate},
        {"Later", Dialogs::Answer::Other},
    };
    MessageBoxDialogs dialogs;
    for (const auto &[title, answer] : cases) {
        whenShown([title](QMessageBox &box) {
            EXPECT_EQ(box.text(), QStringLiteral("Rate it"));
            EXPECT_EQ(box.informativeText(), QStringLiteral("100% free"));
            EXPECT_EQ(box.buttons().size(), 3);
            click(box, QLatin1String(title));
        });
        EXPECT_EQ(dialogs.runAlert(alert), answer) << title;
    }
}

TEST(MessageBoxDialogs, ClosingTakesTheAlertAwayUnanswered)
{
    MessageBoxDialogs dialogs;
    dialogs.closeAlert(); // nothing shown: nothing happens
    whenShown([&dialogs](QMessageBox &box) {
        EXPECT_EQ(box.buttons().size(), 2);
        dialogs.closeAlert();
    });
    const Dialogs::Alert alert{QStringLiteral("Rate it"), QString(), QStringLiteral("Rate"), QStringLiteral("No"), {}};
    EXPECT_EQ(dialogs.runAlert(alert), Dialogs::Answer::Closed);

    // Escape is an answer, not a closing: the alternate one.
    whenShown([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.runAlert(alert), Dialogs::Answer::Alternate);
}

TEST(MessageBoxDialogs, TheOpenPanelOffersItsTypesAndAnswersEveryFileChosen)
{
    QTemporaryDir folder;
    const QStringList files = {folder.filePath(QStringLiteral("a.pro")), folder.filePath(QStringLiteral("b.png"))};
    for (const QString &file : files) {
        QFile touched(file);
        ASSERT_TRUE(touched.open(QIODevice::WriteOnly));
    }
    Dialogs::OpenPanel panel{folder.path(), {QStringLiteral("pro")}, true, true, "Pick songs", "Take"};
    MessageBoxDialogs dialogs;
    QTimer::singleShot(0, [&files] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Pick songs");
        EXPECT_EQ(dialog->labelText(QFileDialog::Accept), "Take");
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Allowed files (*.pro)", "All files (*)"}));
        dialog->selectNameFilter(QStringLiteral("All files (*)"));
        dialog->selectFile(QStringLiteral("\"a.pro\" \"b.png\""));
        static_cast<QDialog *>(dialog)->accept(); // the file dialog's own accept checks the files
    });
    QStringList chosen = dialogs.runOpenPanel(panel);
    chosen.sort();
    EXPECT_EQ(chosen, files);

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_TRUE(dialogs.runOpenPanel(panel).isEmpty()) << "cancelled";
}

TEST(MessageBoxDialogs, ThePrintAndPageSetUpPanelsAnswerWhetherTheUserWentOn)
{
    QPrinter printer;
    MessageBoxDialogs dialogs;
    const auto answerWith = [](bool accept) {
        QTimer::singleShot(0, [accept] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            accept ? dialog->accept() : dialog->reject();
        });
    };
    for (const bool accept : {true, false}) {
        answerWith(accept);
        EXPECT_EQ(dialogs.runPrintPanel(printer), accept);
        answerWith(accept);
        EXPECT_EQ(dialogs.runPageSetup(printer), accept);
    }
}

TEST(MessageBoxDialogs, ShowsEveryTextAsTyped)
{
    // Names in questions come from song files and from other devices.
    const QString markup = QStringLiteral("<b>x</b> <img src=\"y.png\">");
    // The title and the informative text, each in a label that shows it as plain text.
    const QList<Qt::TextFormat> plainTwice = {Qt::PlainText, Qt::PlainText};
    MessageBoxDialogs dialogs;
    whenShown([&](QMessageBox &box) {
        EXPECT_EQ(formatsOfLabelsShowing(box, markup), plainTwice);
        click(box, QStringLiteral("OK"));
    });
    dialogs.runAlert({markup, markup, QStringLiteral("OK"), {}, {}});

    QTimer::singleShot(0, [&] {
        QWidget *prompt = QApplication::activeModalWidget();
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(formatsOfLabelsShowing(*prompt, markup), plainTwice);
        QTest::keyClick(prompt, Qt::Key_Escape);
    });
    dialogs.runTextPrompt({markup, markup, QString(), {}, QStringLiteral("OK"), QStringLiteral("Cancel")});
}
