// Exporting a song as an HTML page with its companion files and chord images.
#include "song.h"

#include "fakeappcontext.h"
#include "logcapture.h"
#include "prefs.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class HtmlExport : public ::testing::Test
{
protected:
    HtmlExport()
    {
        context.prefsObject = &prefs;
        prefs.setSongDirectoryPath(songFolder.path());
        QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    }
    ~HtmlExport() override { QCoreApplication::setApplicationVersion(QString()); }

    // Exports a song of that text into the export folder and answers the page.
    QString exportPage(const QString &text, bool expectSuccess = true)
    {
        Song song;
        song.setText(text);
        song.refreshTitleSubtitle();
        EXPECT_EQ(song.exportHTMLtoURL(out.path()), expectSuccess);
        const QStringList pages = QDir(out.path()).entryList({QStringLiteral("*.html")}, QDir::Files);
        EXPECT_EQ(pages.size(), 1) << pages.join(u' ').toStdString();
        return pages.isEmpty() ? QString() : TestFiles::readText(out.filePath(pages.first()));
    }
    static QString body(const QString &page)
    {
        const QString start = QStringLiteral("<body>\n");
        const qsizetype at = page.indexOf(start);
        return at < 0 ? QString() : page.mid(at + start.size());
    }
    QStringList images() const { return QDir(out.path()).entryList({QStringLiteral("*.png")}, QDir::Files); }

    Prefs prefs;
    FakeAppContext context;
    QTemporaryDir songFolder;
    QTemporaryDir out;
};

QString link(const QString &href, const QString &chord)
{
    return QStringLiteral("<td class=\"chord\"><a class=\"chordlink\" target=\"Vellorin Chords\" href=\"%1.png\" "
                          "onmouseover=\"showChord(this,'%1.png')\" onmouseout=\"hideChord()\">%2</a></td>")
        .arg(href, chord);
}

const QString kLineTable =
    QStringLiteral("<table class=\"linewithchord\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr>\n");

} // namespace

TEST_F(HtmlExport, WritesTheBodyLineByLine)
{
    const QString page = exportPage(QStringLiteral("{title: Song}\n{st: Band}\n# a note\n{define: C 0 x 3 2 0 1 0}\n"
                                                   "{soc}\n[C]Hello [Xyz]wo[C]rld\n{eoc}\n{c: Slowly}\nGo [C]\n"));
    EXPECT_TRUE(page.contains(QStringLiteral("<title>Song</title>"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Vellorin 1.2.3"))) << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("@TITLE@")) || page.contains(QStringLiteral("@VERSION@")));
    const QString expected =
        QStringLiteral("<h1>Song</h1>\n<h2>Band</h2>\n<!-- a note-->"
                       "<span class=\"lyricsline\"></span><br>\n"
                       "<table class=\"chorus\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td>\n") +
        kLineTable + link(QStringLiteral("C"), QStringLiteral("C")) + QStringLiteral("<td class=\"chord\">Xyz</td>") +
        link(QStringLiteral("C"), QStringLiteral("C")) +
        QStringLiteral("</tr><tr><td>Hello&nbsp;</td><td>wo</td><td>rld</td></tr></table>\n"
                       "</td></tr></table>\n"
                       "<span class=\"lyricsline\">Slowly</span><br>\n") +
        kLineTable + QStringLiteral("<td class=\"chord\"></td>") + link(QStringLiteral("C"), QStringLiteral("C")) +
        QStringLiteral("</tr><tr><td>Go&nbsp;</td><td></td></tr></table>\n"
                       "<img src=\"C.png\">&nbsp;</body>\n");
    EXPECT_EQ(body(page), expected);
    // One image for a chord linked three times; none for the chord nobody knows.
    EXPECT_EQ(images(), QStringList{QStringLiteral("C.png")});
    EXPECT_EQ(context.chordImagesMade, 1);
    EXPECT_EQ(QImage(out.filePath(QStringLiteral("C.png"))).size(), QSize(100, 130));
}

TEST_F(HtmlExport, SongTextCannotAddMarkupOrScript)
{
    const QString page = exportPage(QStringLiteral("{title: <script>alert(1)</script>}\n"
                                                   "{define: A');alert(2);// 0 x 0 2 2 2 0}\n"
                                                   "# x --> <script>alert(3)</script> <!-- y\n"
                                                   "[A');alert(2);//]<script>alert(4)</script> & me\n"
                                                   "<img src=x onerror=alert(5)>\n"));
    EXPECT_FALSE(page.contains(QStringLiteral("<script>alert"))) << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("<img src=x"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("<title>&lt;script&gt;alert(1)&lt;/script&gt;</title>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<h1>&lt;script&gt;alert(1)&lt;/script&gt;</h1>\n")));
    // The comment stays one comment: it ends only where the page ends it.
    EXPECT_TRUE(page.contains(QStringLiteral("<!-- x - -&gt; &lt;script&gt;alert(3)&lt;/script&gt; &lt;!- - y-->")))
        << page.toStdString();
    EXPECT_TRUE(body(page).contains(
        link(QStringLiteral("A%27);alert(2);--"), QStringLiteral("A');alert(2);//").toHtmlEscaped())))
        << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("<td>&lt;script&gt;alert(4)&lt;/script&gt;&nbsp;&amp;&nbsp;me</td>")));
    EXPECT_EQ(images(), QStringList{QStringLiteral("A');alert(2);--.png")});
}

TEST_F(HtmlExport, ChordImageNamesAreEscapedOnceOnDiskAndTwiceInThePage)
{
    struct Case
    {
        QString name;
        QString file;
        QString href;
    };
    const Case cases[] = {
        {QStringLiteral("C#/G"), QStringLiteral("C%23-G"), QStringLiteral("C%2523-G")},
        {QStringLiteral("Am7(b5)"), QStringLiteral("Am7(b5)"), QStringLiteral("Am7(b5)")},
        {QStringLiteral("R\u00e9"), QStringLiteral("R%C3%A9"), QStringLiteral("R%25C3%25A9")},
        {QStringLiteral("100%"), QStringLiteral("100%25"), QStringLiteral("100%2525")},
        // Kept by the legacy escaping, but neither may end a quoted script argument or start an entity.
        {QStringLiteral("A'&B"), QStringLiteral("A'&B"), QStringLiteral("A%27%26B")},
        {QStringLiteral("x\"<y>"), QStringLiteral("x%22%3Cy%3E"), QStringLiteral("x%2522%253Cy%253E")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Song::encodeChordName(c.name, false), c.file) << c.name.toStdString();
        EXPECT_EQ(Song::encodeChordName(c.name, true), c.href) << c.name.toStdString();
    }

    const QString page = exportPage(QStringLiteral("{define: C#/G 0 3 x 3 1 2 3}\n[C#/G]la\n"));
    EXPECT_TRUE(page.contains(link(QStringLiteral("C%2523-G"), QStringLiteral("C#/G")))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("<img src=\"C%2523-G.png\">&nbsp;</body>\n")));
    EXPECT_EQ(images(), QStringList{QStringLiteral("C%23-G.png")});
}

TEST_F(HtmlExport, CompanionFilesAreWrittenOnlyWhenAbsent)
{
    exportPage(QStringLiteral("{title: One}\nla\n"));
    const QString css = out.filePath(QStringLiteral("vellorin.css"));
    const QString js = out.filePath(QStringLiteral("vellorin.js"));
    EXPECT_TRUE(TestFiles::readText(css).contains(QStringLiteral(".linewithchord")));
    EXPECT_TRUE(TestFiles::readText(js).contains(QStringLiteral("function showChord")));
    TestFiles::write(css, "body { color: green; }\n");

    Song second;
    second.setText(QStringLiteral("{title: Two}\nla\n"));
    second.refreshTitleSubtitle();
    EXPECT_TRUE(second.exportHTMLtoURL(out.path()));
    EXPECT_EQ(TestFiles::readText(css), QStringLiteral("body { color: green; }\n"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 4); // two pages, one style sheet, one script
}

TEST_F(HtmlExport, ThePageIsNamedAsTheSongAndMadeUniqueOnlyByAPageOfThatName)
{
    // The song's own file beside it does not count.
    const QString path = TestFiles::write(QDir(songFolder.path()).filePath(QStringLiteral("Song - Band.pro")),
                                          "{title: Song}\n{subtitle: Band}\nla\n");
    Song song(path);
    ASSERT_TRUE(song.exportHTMLtoURL(out.path()));
    EXPECT_TRUE(QFileInfo::exists(out.filePath(QStringLiteral("Song - Band.html"))));
    // An older page is kept.
    ASSERT_TRUE(song.exportHTMLtoURL(out.path()));
    EXPECT_TRUE(QFileInfo::exists(out.filePath(QStringLiteral("Song - Band1.html"))));
}

// A page once swapped the ".pro" of a name already as long as a file name may be for the longer ".html". A new
// name leaves room for the 7 bytes of the temporary name its save writes first.
TEST_F(HtmlExport, ThePageOfTheLongestTitleFitsAFileName)
{
    Song song;
    song.setText(QStringLiteral("{title: %1}\nla\n").arg(QString(300, u'x')));
    song.refreshTitleSubtitle();
    ASSERT_TRUE(song.exportHTMLtoURL(out.path()));
    const QStringList pages = QDir(out.path()).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages.first(), QString(243, u'x') + QStringLiteral(".html"));
}

TEST_F(HtmlExport, FailedWritesAreLoggedAndTheExportGoesOn)
{
    // A folder where the page should be: the page cannot be written, the rest can.
    ASSERT_TRUE(QDir(out.path()).mkdir(QStringLiteral("Song.html")));
    Song song;
    song.setText(QStringLiteral("{title: Song}\n{define: G 0 3 2 0 0 0 3}\n[G]la\n"));
    song.refreshTitleSubtitle();
    LogCapture log;
    EXPECT_FALSE(song.exportHTMLtoURL(out.path()));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Could not write to ") + out.path() + QStringLiteral(": ")))
        << log.lines().join(u'\n').toStdString();
    EXPECT_EQ(images(), QStringList{QStringLiteral("G.png")});
    EXPECT_TRUE(QFileInfo::exists(out.filePath(QStringLiteral("vellorin.css"))));

    LogCapture missing;
    const QString gone = out.filePath(QStringLiteral("gone"));
    EXPECT_FALSE(song.exportHTMLtoURL(gone));
    EXPECT_TRUE(
        missing.hasLineStartingWith(QStringLiteral("Could not write to ") + gone + QStringLiteral("/vellorin.js: ")))
        << missing.lines().join(u'\n').toStdString();
}

TEST_F(HtmlExport, AnUnclosedChordStaysInTheLyrics)
{
    const QString page = exportPage(QStringLiteral("{define: C 0 x 3 2 0 1 0}\nHello [C]wor[ld\n"));
    // The definition line is a directive line: an empty lyrics line.
    EXPECT_EQ(body(page), QStringLiteral("<span class=\"lyricsline\"></span><br>\n") + kLineTable +
                              QStringLiteral("<td class=\"chord\"></td>") +
                              link(QStringLiteral("C"), QStringLiteral("C")) +
                              QStringLiteral("</tr><tr><td>Hello&nbsp;</td><td>wor[ld</td></tr></table>\n"
                                             "<img src=\"C.png\">&nbsp;</body>\n"));
}
