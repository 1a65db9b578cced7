// Text songs printed to a PDF file and read back: pages, columns, page breaks, auto-zoom, chord rows, keys.
#include "songprint.h"

#include "logcapture.h"
#include "pdffixture.h"
#include "pdfsong.h"
#include "rendertesthelpers.h"
#include "songfixture.h"
#include "songsprintview.h"

#include <QPainter>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// A song of numbered lines "Line 001 ..." under a title, with a chord on every line.
QString numberedSong(const QString &title, int lines, const QString &chord = QStringLiteral("Am"))
{
    QString text = QStringLiteral("{title: %1}\n").arg(title);
    for (int i = 1; i <= lines; ++i)
        text += QStringLiteral("[%1]Line %2 of %3\n").arg(chord).arg(i, 3, 10, QChar(u'0')).arg(title);
    return text;
}

QStringList labelsIn(const QString &text)
{
    static const QRegularExpression label(QStringLiteral("Line \\d{3} of \\w+"));
    QStringList labels;
    for (auto it = label.globalMatch(text); it.hasNext();)
        labels.append(it.next().captured());
    return labels;
}

} // namespace

class SongPrintTest : public SongFixture
{
protected:
    SongPrintTest()
    {
        prefs.setPrintMultiColumns(false);
        prefs.setPrintChords(false);
    }

    static SongPtr songOf(const QString &text)
    {
        auto song = std::make_shared<Song>();
        song->setText(text);
        return song;
    }

    // Prints the job to a PDF file and answers the text of each page.
    QStringList printed(SongsPrintView &job)
    {
        const QString path = output.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        EXPECT_TRUE(job.print(printer));
        QPdfDocument document;
        EXPECT_EQ(document.load(path), QPdfDocument::Error::None);
        QStringList pages;
        for (int page = 0; page < document.pageCount(); ++page)
            pages.append(document.getAllText(page).text());
        return pages;
    }

    // The labels of the lines the walk put on each page of item index.
    static QList<QStringList> labelsPerPage(SongsPrintView &job, qsizetype index)
    {
        auto &song = dynamic_cast<SongPrint &>(job.songView(index));
        QList<QStringList> pages(song.pageCount());
        const QString &text = job.items().at(index).song->text();
        for (qsizetype i = 0; i < song.joinedLines().size(); ++i) {
            const PrintWalk::Place &place = song.places().at(i);
            const TextRange range = song.joinedLines().at(i).range;
            if (place.page >= 0)
                pages[place.page] += labelsIn(text.mid(range.location, range.length));
        }
        return pages;
    }

    QTemporaryDir output;
};

TEST_F(SongPrintTest, EachPageHoldsExactlyTheLinesPaginationPutThere)
{
    SongsPrintView job({{songOf(numberedSong(QStringLiteral("Long"), 120)), {}}}, std::nullopt, prefs);
    const QStringList pages = printed(job);
    const QList<QStringList> expected = labelsPerPage(job, 0);
    ASSERT_GE(pages.size(), 3);
    ASSERT_EQ(pages.size(), expected.size());
    QStringList all;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        EXPECT_EQ(labelsIn(pages[page]), expected[page]) << "page " << page;
        all += labelsIn(pages[page]);
    }
    EXPECT_EQ(all.size(), 120);
    EXPECT_EQ(all.removeDuplicates(), 0) << "no line is printed twice";
}

TEST_F(SongPrintTest, EverySongStartsOnANewPage)
{
    SongsPrintView job({{songOf(numberedSong(QStringLiteral("First"), 3)), {}},
                        {songOf(numberedSong(QStringLiteral("Second"), 3)), {}}},
                       std::nullopt, prefs);
    const QStringList pages = printed(job);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(labelsIn(pages[0]).size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("First")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Second")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Line 001 of Second")));
}

TEST_F(SongPrintTest, APageBreakEndsTheColumnOrThePage)
{
    const QString text = QStringLiteral("{title: Break}\n[C]Line 001 of Break\n{new_page}\n[G]Line 002 of Break\n");
    {
        SongsPrintView job({{songOf(text), {}}}, std::nullopt, prefs);
        const QStringList pages = printed(job);
        ASSERT_EQ(pages.size(), 2) << "one column: the break opens a page";
        EXPECT_EQ(labelsIn(pages[1]), QStringList{"Line 002 of Break"});
    }
    prefs.setPrintMultiColumns(true);
    SongsPrintView job({{songOf(text), {}}}, std::nullopt, prefs);
    const QStringList pages = printed(job);
    auto &song = dynamic_cast<SongPrint &>(job.songView(0));
    ASSERT_GE(song.view().numColumns(), 2);
    ASSERT_EQ(pages.size(), 1) << "several columns: the break opens the second column";
    EXPECT_EQ(song.places().last().column, 1);
}

TEST_F(SongPrintTest, PageBreaksAtTheEdgesOfASongMakeNoBlankPage)
{
    const QString text = QStringLiteral("{new_page}\n{title: Edges}\nLine 001 of Edges\n{new_page}\n{new_page}\n");
    SongsPrintView job({{songOf(text), {}}}, std::nullopt, prefs);
    EXPECT_EQ(printed(job).size(), 1);
}

TEST_F(SongPrintTest, AutoZoomPutsALongSongOnOnePage)
{
    prefs.setPrintAutoZoom(true);
    for (bool columns : {false, true}) {
        prefs.setPrintMultiColumns(columns);
        // Too long for one page even in four columns at full size; the page break is ignored.
        SongsPrintView job(
            {{songOf(numberedSong(QStringLiteral("Long"), 200) + QStringLiteral("{new_page}\nend\n")), {}}},
            std::nullopt, prefs);
        const QStringList pages = printed(job);
        ASSERT_EQ(pages.size(), 1) << "columns " << columns;
        EXPECT_EQ(labelsIn(pages[0]).size(), 200) << "columns " << columns;
        auto &song = dynamic_cast<SongPrint &>(job.songView(0));
        EXPECT_LT(song.view().zoomScale(), 1.0f);
        EXPECT_EQ(song.view().numColumns() > 1, columns);
    }
}

TEST_F(SongPrintTest, AutoZoomNeverEnlargesAShortSong)
{
    prefs.setPrintAutoZoom(true);
    SongsPrintView job({{songOf(numberedSong(QStringLiteral("Short"), 2)), {}}}, std::nullopt, prefs);
    EXPECT_EQ(printed(job).size(), 1);
    EXPECT_EQ(dynamic_cast<SongPrint &>(job.songView(0)).view().zoomScale(), 1.0f);
}

TEST_F(SongPrintTest, ASongWithNothingToPrintTakesNoPageInCountingOrDrawing)
{
    for (bool autoZoom : {false, true}) {
        prefs.setPrintAutoZoom(autoZoom);
        SongsPrintView job({{songOf(numberedSong(QStringLiteral("Before"), 2)), {}},
                            {songOf(QStringLiteral("{key: C}\n")), {}},
                            {songOf(numberedSong(QStringLiteral("After"), 2)), {}}},
                           std::nullopt, prefs);
        const QStringList pages = printed(job);
        ASSERT_EQ(pages.size(), 2) << "auto-zoom " << autoZoom;
        EXPECT_TRUE(pages[1].contains(QStringLiteral("Line 001 of After"))) << "auto-zoom " << autoZoom;
    }
}

TEST_F(SongPrintTest, TextAndPdfSongsShareOnePageSequence)
{
    const QString pdf = output.filePath(QStringLiteral("Sheet.pdf"));
    ASSERT_TRUE(writeBlackPdf(pdf, {{595, 842}, {595, 842}, {595, 842}}));
    SongsPrintView job({{songOf(numberedSong(QStringLiteral("Before"), 2)), {}},
                        {std::make_shared<PDFSong>(pdf), {}},
                        {songOf(numberedSong(QStringLiteral("After"), 2)), {}}},
                       std::nullopt, prefs);
    const QStringList pages = printed(job);
    ASSERT_EQ(pages.size(), 5);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Before")));
    EXPECT_TRUE(pages[4].contains(QStringLiteral("Line 002 of After")));
}

TEST_F(SongPrintTest, ChordsPrintInTheItemsKeyUnlessLyricsOnly)
{
    const SongPtr song = songOf(QStringLiteral("{title: Keys}\n{key: C}\n[Am]Line 001 of Keys\n"));
    {
        SongsPrintView job({{song, QStringLiteral("D")}, {song, {}}}, std::nullopt, prefs);
        const QStringList pages = printed(job);
        ASSERT_EQ(pages.size(), 2);
        EXPECT_TRUE(pages[0].contains(QStringLiteral("Bm"))) << pages[0].toStdString();
        EXPECT_TRUE(pages[1].contains(QStringLiteral("Am"))) << "the same song again, in its own key";
    }
    prefs.setShowlyricsonly(true); // never stored: the job must take it from the live settings
    SongsPrintView job({{song, {}}}, std::nullopt, prefs);
    const QStringList pages = printed(job);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Am")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Line 001 of Keys")));
}

TEST_F(SongPrintTest, TheShownSongAlonePrintsAsShown)
{
    const SongPtr song = songOf(QStringLiteral("{title: Shown}\n{key: C}\n[Am]Line 001 of Shown\n"));
    SongsPrintView job({{song, {}}}, ShownSong{song, {2, false, false}}, prefs);
    EXPECT_TRUE(printed(job).value(0).contains(QStringLiteral("Bm")));
}

TEST_F(SongPrintTest, ChordRowsHoldAWholeNumberOfDrawableChords)
{
    useChordLibrary();
    prefs.setPrintChords(true);
    prefs.setNumPrintChordsPerRow(4);
    prefs.setPrintChordsAtTop(true);
    LogCapture log;
    const QString text =
        QStringLiteral("{title: Rows}\n{subtitle: Sub}\n[A]one [C]two [Bb]three [D]four [E]five [G]six\n");
    SongsPrintView job({{songOf(text), {}}}, std::nullopt, prefs);
    EXPECT_EQ(printed(job).size(), 1);
    auto &song = dynamic_cast<SongPrint &>(job.songView(0));
    const PrintChordRows &rows = song.chordRows();
    EXPECT_EQ(rows.songchordnames(), (QStringList{"A", "C", "Bb", "D", "E", "G"}));
    ASSERT_EQ(rows.chordlines().size(), 2);
    EXPECT_EQ(rows.chordlines()[0].range, (TextRange{0, 5})) << "four chords and the unknown name among them";
    EXPECT_EQ(rows.chordlines()[1].range, (TextRange{5, 1}));
    EXPECT_EQ(rows.chordlines()[0].height, std::round(1.2f * 555 / 4));
    // The rows stand right after the subtitle.
    EXPECT_TRUE(song.joinedLines()[2].chords);
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Cannot print unknown chord Bb (ignored)")));
}

TEST_F(SongPrintTest, MoreColumnsThanChordsPerRowStillPrintOneChordPerRow)
{
    useChordLibrary();
    prefs.setPrintChords(true);
    prefs.setNumPrintChordsPerRow(4);
    SongPrint song(songOf(QStringLiteral("[A]a [C]c\n")), {}, prefs);
    song.view().setNumColumns(6);
    song.calcPrintInfosForText(QStringLiteral("[A]a [C]c\n"), QRectF(0, 0, 600, 800));
    EXPECT_EQ(song.chordRows().chordsPerRow(), 1);
    EXPECT_EQ(song.chordRows().chordlines().size(), 2);
}

TEST(SongPrint, ColumnsOfTheWidestLine)
{
    EXPECT_EQ(SongPrint::numPrintColumns(500, 240, 0), 2);
    EXPECT_EQ(SongPrint::numPrintColumns(500, 501, 0), 1);
    EXPECT_EQ(SongPrint::numPrintColumns(500, 0, 0), 1);
    EXPECT_EQ(SongPrint::numPrintColumns(500, 100, 7), 4);
}

TEST_F(SongPrintTest, ImageHeightsAreWholePointsWhilePrinting)
{
    QImage picture(1000, 333, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    const QString path = output.filePath(QStringLiteral("pic.png"));
    ASSERT_TRUE(picture.save(path));
    SongPrint song(songOf(QString()), {}, prefs);
    song.calcPrintInfosForText(QStringLiteral("{image: src=\"%1\"}\nline\n").arg(path), QRectF(0, 0, 555, 800));
    ASSERT_FALSE(song.view().lines().isEmpty());
    ASSERT_FALSE(song.view().lines()[0].image.isNull());
    EXPECT_EQ(song.view().lines()[0].height, 185.0f) << "555 / 1000 x 333 = 184.8, rounded";
}

TEST_F(SongPrintTest, TheLineThatNoLongerFitsTheFirstColumnTopsTheSecond)
{
    prefs.setPrintMultiColumns(true);
    SongPrint song(songOf(numberedSong(QStringLiteral("Cols"), 60)), {}, prefs);
    song.paginate(QSizeF(600, 400));
    ASSERT_GE(song.view().numColumns(), 2);
    const double columnWidth = 600.0 / song.view().numColumns();
    QImage page = pointCanvas(600, 400);
    QPainter painter(&page);
    song.drawPage(painter, 0, QRectF(0, 0, 600, 400));
    painter.end();
    EXPECT_GT(inkIn(page, QRectF(0, 0, columnWidth, 40)), 0);
    EXPECT_GT(inkIn(page, QRectF(columnWidth, 0, columnWidth, 40)), 0) << "the second column starts at the top";
    EXPECT_GT(inkIn(page, QRectF(columnWidth - 3, 50, 2, 300)), 250) << "a faint separator 2 points left of it";
}

TEST_F(SongPrintTest, DiagramRowsAreTitledAsTheChordsOverTheWords)
{
    // Printed four semitones down for the capo, in G# minor: the words show sharps while the library spells flats;
    // shown with all chords flat they show flats.
    useChordLibrary();
    prefs.setPrintChords(true);
    const SongPtr song = songOf(QStringLiteral("{title: Capo}\n{key: Cm}\n{capo: 4}\n[Cm]one [Eb/G]two [Cm]three\n"));
    struct Case
    {
        std::optional<ShownSong> shown;
        QStringList names;
        QStringList others;
    };
    const Case cases[] = {
        {std::nullopt, {"G#m", "B/D#"}, {"Abm", "B/Eb"}},
        {ShownSong{song, {-4, true, false}}, {"Abm", "B/Eb"}, {"G#m", "B/D#"}},
    };
    for (const Case &c : cases) {
        SongsPrintView job({{song, {}}}, c.shown, prefs);
        const QStringList pages = printed(job);
        ASSERT_EQ(pages.size(), 1);
        const auto count = [&](const QString &name) { return int(pages[0].count(name)); };
        EXPECT_EQ(count(c.names[0]), 3) << "twice over the words, once over its diagram: " << pages[0].toStdString();
        EXPECT_EQ(count(c.names[1]), 2) << "once over the words, once over its diagram";
        EXPECT_EQ(count(c.others[0]) + count(c.others[1]), 0);
        EXPECT_EQ(dynamic_cast<SongPrint &>(job.songView(0)).chordRows().songchordnames(), c.names);
    }
}

TEST_F(SongPrintTest, ATabSongsChordWordsGetDiagramRows)
{
    useChordLibrary();
    prefs.setPrintChords(true);
    prefs.setNumPrintChordsPerRow(4);
    const SongPtr song = songOf(QStringLiteral("Am      C     G\nWhen the night has come\nD   E\nand the land\n"));
    SongsPrintView job({{song, {}}}, std::nullopt, prefs);
    const QStringList pages = printed(job);
    ASSERT_EQ(pages.size(), 1);
    auto &printedSong = dynamic_cast<SongPrint &>(job.songView(0));
    ASSERT_TRUE(printedSong.view().isTab());
    const PrintChordRows &rows = printedSong.chordRows();
    EXPECT_EQ(rows.songchordnames(), (QStringList{"Am", "C", "G", "D", "E"}));
    ASSERT_EQ(rows.chordlines().size(), 2);
    EXPECT_TRUE(printedSong.joinedLines().last().chords) << "the rows follow the song";
    EXPECT_EQ(pages[0].count(QStringLiteral("Am")), 2) << "over the words and over its diagram";
}
