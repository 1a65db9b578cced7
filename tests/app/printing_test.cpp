// Printing from the application: which songs a job prints, its title, and the printer the page set-up shares;
// every job is printed to a PDF file and read back.
#include "launcheddelegate.h"

#include <QPageLayout>
#include <QPdfDocument>
#include <QPrinter>

namespace {

class PrintingTest : public LaunchedDelegateTest
{
protected:
    void SetUp() override
    {
        LaunchedDelegateTest::SetUp();
        TestFiles::write(path(QStringLiteral("shown.pro")), "{title: Shown Song}\n[C]Words on the stage");
        TestFiles::write(path(QStringLiteral("picked.pro")), "{title: Picked Song}\n[G]Lines from the list");
        launchOnFolder();
        shown = std::make_shared<Song>(path(QStringLiteral("shown.pro")));
        picked = std::make_shared<Song>(path(QStringLiteral("picked.pro")));
    }

    // Prints with the print panel answered to write this PDF file.
    void print()
    {
        dialogs.printPanelAnswers = {pdf()};
        delegate->printDocument();
    }
    QString pdf() const { return QDir(output.path()).filePath(QStringLiteral("printed.pdf")); }

    // The printed document's text, all pages.
    QString printedText(QPdfDocument &document)
    {
        QString text;
        for (int page = 0; page < document.pageCount(); ++page)
            text += document.getAllText(page).text();
        return text;
    }

    SongPtr shown;
    SongPtr picked;
    QTemporaryDir output;
};

} // namespace

TEST_F(PrintingTest, OneSelectedSongPrintsUnderItsOwnTitleThoughAnotherIsShown)
{
    delegate->setCurrentSong(shown);
    songList.selection = {picked};
    print();
    EXPECT_EQ(dialogs.printPanelsShown, QStringList{QStringLiteral("Picked Song")});
    QPdfDocument document;
    ASSERT_EQ(document.load(pdf()), QPdfDocument::Error::None);
    EXPECT_EQ(document.metaData(QPdfDocument::MetaDataField::Title).toString(), QStringLiteral("Picked Song"));
    const QString text = printedText(document);
    EXPECT_TRUE(text.contains(QStringLiteral("Lines from the list"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Words on the stage"))) << text.toStdString();
}

TEST_F(PrintingTest, WithoutASelectionTheCurrentSongPrintsAndWithoutASongNothing)
{
    delegate->printDocument();
    EXPECT_TRUE(dialogs.printPanelsShown.isEmpty()) << "no song: no print panel";

    delegate->setCurrentSong(shown);
    dialogs.printPanelAnswers = {QString()};
    delegate->printDocument();
    EXPECT_FALSE(QFileInfo::exists(pdf())) << "the print panel was cancelled";

    print();
    QPdfDocument document;
    ASSERT_EQ(document.load(pdf()), QPdfDocument::Error::None);
    EXPECT_TRUE(printedText(document).contains(QStringLiteral("Words on the stage")));
}

TEST_F(PrintingTest, SeveralSongsPrintAsOneJobWithNoSingleTitle)
{
    delegate->setCurrentSong(picked);
    print(); // a job of one song names the printer after it
    songList.selection = {shown, picked};
    print();
    ASSERT_EQ(dialogs.printPanelsShown.size(), 2);
    EXPECT_TRUE(dialogs.printPanelsShown[1].isEmpty()) << "the last job's title is not kept";
    QPdfDocument document;
    ASSERT_EQ(document.load(pdf()), QPdfDocument::Error::None);
    EXPECT_EQ(document.pageCount(), 2) << "each song from a new page";
    const QString text = printedText(document);
    EXPECT_TRUE(text.contains(QStringLiteral("Words on the stage")) && text.contains(QStringLiteral("Lines from")));
}

TEST_F(PrintingTest, ThePageSetUpChosenIsTheOnePrintedWith)
{
    delegate->setCurrentSong(shown);
    const QPageLayout landscape(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(20, 20, 20, 20));
    dialogs.pageSetupAnswers = {landscape};
    delegate->runPageLayout();
    EXPECT_EQ(dialogs.pageSetupsShown, 1);
    print();
    QPdfDocument document;
    ASSERT_EQ(document.load(pdf()), QPdfDocument::Error::None);
    const QSizeF page = document.pagePointSize(0);
    EXPECT_NEAR(page.width(), QPageSize(QPageSize::A5).sizePoints().height(), 1.0);
    EXPECT_NEAR(page.height(), QPageSize(QPageSize::A5).sizePoints().width(), 1.0);

    dialogs.pageSetupAnswers = {std::nullopt};
    delegate->runPageLayout();
    EXPECT_EQ(delegate->printer().pageLayout().orientation(), QPageLayout::Landscape) << "cancelled: kept";
}
