// Print jobs: the key of each song, the margins, and whole jobs printed to a PDF file and read back.
#include "songsprintview.h"

#include "logcapture.h"
#include "pdffixture.h"
#include "pdfsong.h"
#include "prefs.h"
#include "printmargins.h"

#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

SongPtr songWithText(const QString &text)
{
    auto song = std::make_shared<Song>();
    song->setText(text);
    return song;
}

void setUpPdfPrinter(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

} // namespace

TEST(SongsPrintView, EachSongPrintsInItsOwnKey)
{
    const SongPtr capo3 = songWithText("{title: A}\n{capo: 3}\n{key: C}\n[C]la\n");
    const SongPtr capo2InE = songWithText("{title: B}\n{capo: 2}\n{key: E}\n[E]la\n");
    const SongPtr noKey = songWithText("{title: C}\n{capo: 1}\nla\n");
    const PrintKey shownKey{5, true, false};
    const ShownSong shown{capo3, shownKey};
    struct Case
    {
        const char *what;
        PrintItem item;
        qsizetype count;
        PrintKey expected;
    };
    const Case cases[] = {
        {"several songs print at minus their capo", {capo3, {}}, 2, {-3}},
        {"a playlist key replaces the capo", {capo2InE, QStringLiteral("G")}, 2, {3}},
        {"the same song in another key", {capo2InE, QStringLiteral("D")}, 2, {-2}},
        {"an empty playlist key names none", {capo2InE, QString()}, 2, {-2}},
        {"a playlist key on a song without a key", {noKey, QStringLiteral("G")}, 2, {0}},
        {"the shown song alone prints as shown", {capo3, {}}, 1, shownKey},
        {"another song alone never borrows the pane's key", {capo2InE, {}}, 1, {-2}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SongsPrintView::printKey(c.item, c.count, shown), c.expected) << c.what;
    EXPECT_EQ(SongsPrintView::printKey({capo3, {}}, 1, std::nullopt), PrintKey{-3}) << "nothing shown";
}

TEST(PrintMargins, ComeFromTheSettingsAndNeverLeaveNoPaper)
{
    const QSizeF a4(595, 842);
    Prefs prefs; // 5 % left, 2 % right, top and bottom
    struct Case
    {
        const char *what;
        QMarginsF minimum;
        bool odd;
        double left;
        QMarginsF expected;
    };
    const Case cases[] = {
        {"odd page", {}, true, 5, {29.75, 16.84, 11.9, 16.84}},
        {"even page: left and right exchanged", {}, false, 5, {11.9, 16.84, 29.75, 16.84}},
        {"raised to the printer's minimum", {20, 20, 20, 20}, true, 5, {29.75, 20, 20, 20}},
        {"no printable area: the minimum", {10, 12, 14, 16}, true, 99, {10, 12, 14, 16}},
    };
    for (const Case &c : cases) {
        prefs.setLeftPrintMargin(c.left);
        const QMarginsF margins = PrintMargins::marginsFor(a4, c.minimum, prefs, c.odd);
        EXPECT_NEAR(margins.left(), c.expected.left(), 0.001) << c.what;
        EXPECT_NEAR(margins.top(), c.expected.top(), 0.001) << c.what;
        EXPECT_NEAR(margins.right(), c.expected.right(), 0.001) << c.what;
        EXPECT_NEAR(margins.bottom(), c.expected.bottom(), 0.001) << c.what;
    }
}

TEST(PrintMargins, AreWrittenIntoThePrinter)
{
    Prefs prefs;
    prefs.setTopPrintMargin(10);
    QPrinter printer;
    setUpPdfPrinter(printer, QStringLiteral("/dev/null"));
    PrintMargins::setPrintMarginsForOddPage(printer, prefs, true);
    const QRectF area = PrintMargins::printArea(printer);
    EXPECT_EQ(area, QRectF(29, 84, 555, 742)) << "integral: (29.75, 84.2) to (583.1, 825.16)";
}

TEST(SongsPrintView, PrintsAPdfSongOnePagePerPage)
{
    QTemporaryDir folder;
    const QString songPath = folder.filePath(QStringLiteral("Song.pdf"));
    ASSERT_TRUE(writeBlackPdf(songPath, {{595, 842}, {842, 595}, {595, 842}}));
    Prefs live;
    SongsPrintView job({{std::make_shared<PDFSong>(songPath), {}}}, std::nullopt, live);

    const QString output = folder.filePath(QStringLiteral("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, output);
    ASSERT_TRUE(job.print(printer));
    QPdfDocument printed;
    ASSERT_EQ(printed.load(output), QPdfDocument::Error::None);
    EXPECT_EQ(printed.pageCount(), 3);

    // A page range prints those pages only.
    printer.setFromTo(2, 3);
    ASSERT_TRUE(job.print(printer));
    ASSERT_EQ(printed.load(output), QPdfDocument::Error::None);
    EXPECT_EQ(printed.pageCount(), 2);
}

TEST(SongsPrintView, ReportsAJobWithNothingToPrintOrNowhereToWrite)
{
    QTemporaryDir folder;
    const QString songPath = folder.filePath(QStringLiteral("Song.pdf"));
    ASSERT_TRUE(writeBlackPdf(songPath, {{595, 842}}));
    Prefs live;
    LogCapture log;
    QPrinter printer;

    SongsPrintView unreadable({{std::make_shared<PDFSong>(folder.filePath(QStringLiteral("gone.pdf"))), {}}},
                              std::nullopt, live);
    setUpPdfPrinter(printer, folder.filePath(QStringLiteral("out.pdf")));
    EXPECT_FALSE(unreadable.print(printer));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Nothing to print")));

    SongsPrintView job({{std::make_shared<PDFSong>(songPath), {}}}, std::nullopt, live);
    setUpPdfPrinter(printer, folder.filePath(QStringLiteral("no folder/out.pdf")));
    EXPECT_FALSE(job.print(printer));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Cannot print to")));
}

TEST(SongsPrintView, PrintsWithAPaperCopyOfTheLiveSettings)
{
    Prefs live;
    live.textfontprefs()->setColor(Qt::white);
    live.setShowlyricsonly(true);
    SongsPrintView job({}, std::nullopt, live);
    EXPECT_EQ(job.prefs().textfontprefs()->color(), QColor(Qt::black));
    EXPECT_TRUE(job.prefs().showlyricsonly());
    EXPECT_EQ(live.textfontprefs()->color(), QColor(Qt::white));
}
