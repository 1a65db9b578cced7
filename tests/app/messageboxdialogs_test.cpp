#include "messageboxdialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
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

TEST(MessageBoxDialogs, ATextPromptAnswersWithTheButtonThatEndedItAndTheText)
{
    Dialogs::TextPrompt prompt;
    prompt.title = QStringLiteral("Tuning");
    prompt.text = QStringLiteral("E A D G B E");
    prompt.placeholder = QStringLiteral("Mi La Re Sol Si Mi");
    prompt.defaultButton = QStringLiteral("OK");
    prompt.alternateButton = QStringLiteral("Cancel");
    prompt.otherButton = QStringLiteral("Reset");
    const std::pair<const char *, Dialogs::Answer> cases[] = {
        {"OK", Dialogs::Answer::Default},
        {"Cancel", Dialogs::Answer::Alternate},
        {"Reset", Dialogs::Answer::Other},
        {nullptr, Dialogs::Answer::Alternate}, // Escape
    };
    MessageBoxDialogs dialogs;
    for (const auto &[title, answer] : cases) {
        QTimer::singleShot(0, [title = title] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            auto *field = dialog->findChild<QLineEdit *>();
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(field->placeholderText(), QStringLiteral("Mi La Re Sol Si Mi"));
            EXPECT_EQ(dialog->focusWidget(), field->parentWidget()) << "the field's combo box";
            field->setText(QStringLiteral("D A D G B E"));
            if (!title)
                return QTest::keyClick(dialog, Qt::Key_Escape);
            for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                if (button->text() == QLatin1String(title))
                    return button->click();
            }
            ADD_FAILURE() << "no button " << title;
        });
        const Dialogs::TextAnswer reply = dialogs.runTextAlert(prompt);
        EXPECT_EQ(reply.button, answer) << (title ? title : "Escape");
        EXPECT_EQ(reply.text, QStringLiteral("D A D G B E"));
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        EXPECT_EQ(dialogs.runTextPrompt(prompt), std::nullopt) << "closed: no text";
    }
}

TEST(MessageBoxDialogs, ASavedNameWithoutExtensionGetsTheFirstAllowedOne)
{
    QTemporaryDir folder;
    const std::pair<const char *, const char *> cases[] = {
        {"Vellorin", "Vellorin.vellorinfontsettings"},
        {"mine.vellorinfontsettings", "mine.vellorinfontsettings"},
    };
    MessageBoxDialogs dialogs;
    const Dialogs::SavePanel panel{
        folder.path(), QStringLiteral("Vellorin"), {QStringLiteral("vellorinfontsettings"), QStringLiteral("json")}};
    for (const auto &[typed, saved] : cases) {
        QTimer::singleShot(0, [typed = typed] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
            dialog->selectFile(QLatin1String(typed));
            static_cast<QDialog *>(dialog)->accept();
        });
        EXPECT_EQ(dialogs.runSavePanel(panel), folder.filePath(QLatin1String(saved)));
    }
}

TEST(MessageBoxDialogs, TheFontAndColourPanelsStartOnTheGivenValueAndAnswerTheChoice)
{
    MessageBoxDialogs dialogs;
    const QFont serif(QStringLiteral("DejaVu Serif"), 17);
    const QColor clear(0, 0, 255, 0);
    for (const bool accept : {true, false}) {
        QTimer::singleShot(0, [accept, &serif] {
            auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->currentFont().family(), serif.family());
            accept ? dialog->accept() : dialog->reject();
        });
        const std::optional<QFont> font = dialogs.runFontPanel(serif);
        EXPECT_EQ(font.has_value(), accept);
        if (font) {
            EXPECT_EQ(font->family(), serif.family());
        }

        QTimer::singleShot(0, [accept, &clear] {
            auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(dialog->testOption(QColorDialog::ShowAlphaChannel));
            EXPECT_EQ(dialog->currentColor(), clear);
            accept ? dialog->accept() : dialog->reject();
        });
        EXPECT_EQ(dialogs.runColorPanel(clear), accept ? std::optional<QColor>(clear) : std::nullopt);
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
    dialogs.runTextPrompt(
        {markup, markup, QString(), {}, QStringLiteral("OK"), QStringLiteral("Cancel"), QString(), QString()});
}
