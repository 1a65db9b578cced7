// A song drawn on screen and printed, compared with reference output kept under data/: the picture of the
// song, and every word of a printed page with its place. Drawing may get faster, never look different.
// VELLORIN_WRITE_REFERENCES=1 writes the references anew from the current drawing, for a wanted change of looks.
#include "screenfixture.h"
#include "songsprintview.h"
#include "textmetrics.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>

namespace {

// Every kind of line: title, chords over lyrics, a chorus, a comment, a link, highlighted words in another font,
// a tab, a grid, and words in a script no test font has (drawn as boxes).
const QString kSong = QStringLiteral(
    "{title: A Song to Look At}\n{subtitle: Drawn the same every time}\n"
    "[C]Hello [G]world, this line is long enough to wrap [Am]twice or more in a column\n"
    "{soc}\n[F]Chorus line {c: with a comment} and a www.example.org link\n[D]Sing it [E]once again\n{eoc}\n"
    "{soh #FFCC00}highlighted words in a wider font, wrapping too{eoh} and after\n"
    "{sot}\ne|-----0-----3-----|\nB|---1-----0-------|\n{eot}\n"
    "{sog}\n| C . | G . | Am . | F . |\n| D | G |\n{eog}\n"
    "[A]\u0928\u092E\u0938\u094D\u0924\u0947 [C]and [G]goodbye\n");

QString referencePath(const QString &name)
{
    return QStringLiteral(VELLORIN_TEST_DATA "/") + name;
}

bool writingReferences()
{
    return qEnvironmentVariableIntValue("VELLORIN_WRITE_REFERENCES") != 0;
}

// The largest difference of one colour channel between two pixels.
int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// A word of a printed page and the rectangle the PDF gives it, in points from the page's top-left corner.
struct PlacedWord
{
    QString text;
    QRectF rect;
};

// Rectangles whose edges lie within half a point of each other: a glyph placed a little differently, not
// another place.
bool sameRect(const QRectF &a, const QRectF &b)
{
    constexpr qreal kPoints = 0.5;
    return std::abs(a.left() - b.left()) <= kPoints && std::abs(a.top() - b.top()) <= kPoints &&
           std::abs(a.right() - b.right()) <= kPoints && std::abs(a.bottom() - b.bottom()) <= kPoints;
}

// Words, one a line: the text, then x, y, width and height.
QList<PlacedWord> readWords(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<PlacedWord> words;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(u'\t');
        if (fields.size() == 5)
            words.append({fields[0], QRectF(fields[1].toDouble(), fields[2].toDouble(), fields[3].toDouble(),
                                            fields[4].toDouble())});
    }
    return words;
}

bool writeWords(const QString &path, const QList<PlacedWord> &words)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    for (const PlacedWord &word : words)
        out << word.text << '\t' << QString::number(word.rect.x(), 'f', 2) << '\t'
            << QString::number(word.rect.y(), 'f', 2) << '\t' << QString::number(word.rect.width(), 'f', 2) << '\t'
            << QString::number(word.rect.height(), 'f', 2) << '\n';
    return true;
}

// The words of one page of the document with their rectangles, as a reader of the PDF finds them.
QList<PlacedWord> wordsOnPage(QPdfDocument &document, int page)
{
    static const QRegularExpression word(QStringLiteral("\\S+"));
    const QString text = document.getAllText(page).text();
    QList<PlacedWord> words;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QPdfSelection selection =
            document.getSelectionAtIndex(page, int(match.capturedStart()), int(match.capturedLength()));
        words.append({match.captured(), selection.boundingRectangle()});
    }
    return words;
}

} // namespace

class DrawnSongTest : public ScreenFixture
{
protected:
    DrawnSongTest()
    {
        prefs.textfontprefs()->setColor(Qt::black);
        prefs.textfontprefs()->setBackgroundColor(Qt::white);
        useChordLibrary();
    }

    // The song shown in a pane of the size (points), drawn on an image of a 96-dpi screen.
    QImage onScreen(QSizeF visible)
    {
        show(kSong, visible);
        const QSizeF frame = view.frameSize();
        QImage screen((frame * 96 / 72).toSize(), QImage::Format_RGB32);
        screen.setDotsPerMeterX(3780);
        screen.setDotsPerMeterY(3780);
        screen.fill(Qt::white);
        QPainter painter(&screen);
        const qreal scale = TextMetrics::pointScale(&screen);
        painter.scale(scale, scale);
        view.drawRect(painter, QRectF(QPointF(), frame));
        return screen;
    }

    // The song printed alone to an A4 PDF, answered loaded.
    bool printTo(QPdfDocument &document)
    {
        const QString path = output.filePath(QStringLiteral("song.pdf"));
        auto printed = std::make_shared<Song>();
        printed->setText(kSong);
        SongsPrintView job({{printed, {}}}, std::nullopt, prefs);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        return job.print(printer) && document.load(path) == QPdfDocument::Error::None;
    }

    QTemporaryDir output;
};

TEST_F(DrawnSongTest, theSongOnScreenLooksAsItsReferencePicture)
{
    const QImage drawn = onScreen({360, 240});
    const QString path = referencePath(QStringLiteral("song-on-screen.png"));
    if (writingReferences()) {
        ASSERT_TRUE(drawn.save(path));
    }
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull()) << path.toStdString();
    ASSERT_EQ(drawn.size(), reference.size());

    // Glyph edges may be smoothed a little differently; a misplaced, missing or resized word differs much more.
    constexpr int kSmoothing = 48;
    int inked = 0;
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb expected = reference.pixel(x, y);
            inked += expected != qRgb(255, 255, 255);
            differing += channelDifference(drawn.pixel(x, y), expected) > kSmoothing;
        }
    ASSERT_GT(inked, 5000) << "the song is drawn";
    EXPECT_LE(differing, inked / 500) << "pixels differing clearly, of " << inked << " inked";
}

TEST_F(DrawnSongTest, aPrintedPageHasItsReferenceWordsInTheirPlaces)
{
    QPdfDocument document;
    ASSERT_TRUE(printTo(document));
    ASSERT_GE(document.pageCount(), 1);
    const QList<PlacedWord> words = wordsOnPage(document, 0);
    const QString path = referencePath(QStringLiteral("printed-page-words.txt"));
    if (writingReferences()) {
        ASSERT_TRUE(writeWords(path, words));
    }
    const QList<PlacedWord> reference = readWords(path);
    ASSERT_GT(reference.size(), 40) << path.toStdString();

    // The order a reader finds words in follows the order they were drawn in, which may change; what shows
    // may not: each word of the reference stands on the page once, in its place.
    ASSERT_EQ(words.size(), reference.size());
    QList<PlacedWord> unmatched = words;
    for (const PlacedWord &expected : reference) {
        const auto found = std::find_if(unmatched.begin(), unmatched.end(), [&expected](const PlacedWord &word) {
            return word.text == expected.text && sameRect(word.rect, expected.rect);
        });
        EXPECT_NE(found, unmatched.end())
            << expected.text.toStdString() << " at " << expected.rect.x() << "," << expected.rect.y() << " "
            << expected.rect.width() << "x" << expected.rect.height();
        if (found != unmatched.end())
            unmatched.erase(found);
    }
}
