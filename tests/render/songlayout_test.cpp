// A song's text laid out into line records: kinds, ranges and heights.
#include "logcapture.h"
#include "songfixture.h"
#include "textmetrics.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QTemporaryDir>

#include <string_view>
#include <tuple>

namespace {

// "T" title, "S" subtitle, "C" chorus, "B" tab, "G" grid row, "I" image, "P" page break, "-" ordinary line.
QString kindOf(const LineInfo &line)
{
    QString kind;
    if (line.title)
        kind += u'T';
    if (line.subtitle)
        kind += u'S';
    if (line.chorus)
        kind += u'C';
    if (line.tab)
        kind += u'B';
    if (line.gridCells)
        kind += u'G';
    if (!line.image.isNull())
        kind += u'I';
    if (line.newPage)
        kind += u'P';
    return kind.isEmpty() ? QStringLiteral("-") : kind;
}

} // namespace

class SongLayoutTest : public SongFixture
{
protected:
    SongLayoutTest() { prefs.setShowTitleSubtitle(false); }

    // A song of this format (it has a title, so it is no tab song) with the body as its text after the title.
    void layOutSong(const QString &body, float width = 400) { layOut(QStringLiteral("{title: Test}\n") + body, width); }

    QStringList kinds() const
    {
        QStringList result;
        for (const LineInfo &line : view.lines())
            result.append(kindOf(line));
        return result;
    }
    QStringList texts() const
    {
        QStringList result;
        for (const LineInfo &line : view.lines())
            result.append(textOf(line));
        return result;
    }
    qreal tabLineHeight() const { return TextMetrics(view.tabfont()).height(); }
    qreal gridRowHeight() const { return TextMetrics(view.textfont()).height(); }
};

TEST_F(SongLayoutTest, measuresWithTheFontsOfTheProjectsOwnConfiguration)
{
    // Every layout number in these tests holds for these fonts only: a font the machine has besides them
    // (a Noto family taking "monospace", say) must never be seen by a test.
    const QStringList projectFamilies = {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Sans Mono"),
                                         QStringLiteral("DejaVu Serif")};
    for (const QString &family : QFontDatabase::families()) // "Monospace" and the like are names for them
        EXPECT_TRUE(projectFamilies.contains(QFontInfo(QFont(family)).family())) << family.toStdString();
    layOut(QStringLiteral("{title: Song}\nWords\n{sot}\nE|---\n{eot}\n"));
    EXPECT_EQ(QFontInfo(view.textfont()).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(QFontInfo(view.tabfont()).family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family(),
              QStringLiteral("DejaVu Sans Mono"));
}

TEST_F(SongLayoutTest, emptyTextHasNoRecords)
{
    layOut(QString());
    EXPECT_TRUE(view.lines().isEmpty());
    EXPECT_EQ(view.heightOfSong(), 14.0f);
    EXPECT_EQ(view.maxwidth(), 0.0f);
}

TEST_F(SongLayoutTest, noSongNoRecords)
{
    layOut(QStringLiteral("{title: T}\nla la\n"));
    song.reset();
    view.calcLineInfosForText(text, 400);
    EXPECT_TRUE(view.lines().isEmpty());
}

TEST_F(SongLayoutTest, lineKinds)
{
    layOutSong(QStringLiteral("# note\n # indented note\n{key: G}\n{unknown}\n{soc}\nla\n{eoc}\n{start_of_bridge}\n"
                              "lo\n{end_of_bridge}\n{soblk}\nli\n{eoblk}\nlu\n"));
    EXPECT_EQ(kinds(), (QStringList{"-", "C", "C", "C", "-"}));
    EXPECT_EQ(texts(), (QStringList{" # indented note\n", "la\n", "lo\n", "li\n", "lu\n"}));
}

TEST_F(SongLayoutTest, titlesFollowTheSetting)
{
    prefs.setShowTitleSubtitle(true);
    layOut(QStringLiteral("{title: A}\n{subtitle: B}\n{artist: C}\nla\n"));
    EXPECT_EQ(kinds(), (QStringList{"T", "S", "S", "-"}));
    EXPECT_EQ(view.lines()[0].range.length, 11);
    EXPECT_GT(view.titlewidth(), 0.0f);

    prefs.setShowTitleSubtitle(false);
    layOut(QStringLiteral("{title: A}\n{subtitle: B}\n{artist: C}\nla\n"));
    EXPECT_EQ(kinds(), (QStringList{"-"}));
}

TEST_F(SongLayoutTest, chordsAboveAndInline)
{
    const QString line = QStringLiteral("[C]Hello [G]world\n");
    layOutSong(line + QStringLiteral("[C] [G]\nno chords\n"));
    ASSERT_EQ(view.lines().size(), 3);
    EXPECT_EQ(textOf(0), line);
    EXPECT_FLOAT_EQ(view.lines()[0].height, float(chordRowHeight() + textHeight()));
    EXPECT_FLOAT_EQ(view.lines()[1].height, float(chordRowHeight())); // chords only: no lyric row
    EXPECT_FLOAT_EQ(view.lines()[2].height, float(textHeight()));

    prefs.setInlinechords(true);
    layOutSong(line + QStringLiteral("[C] [G]\n"));
    EXPECT_FLOAT_EQ(view.lines()[0].height, float(textHeight()));
    EXPECT_FLOAT_EQ(view.lines()[1].height, float(textHeight()));
}

TEST_F(SongLayoutTest, chordHitRecordsExistRightAfterTheLayout)
{
    layOutSong(QStringLiteral("[C]Hello [(Am)]world [G|] [N.C.]\n{sog}\n| F . | D |\n{eog}\n"));
    QStringList titles;
    for (const Chord &chord : view.chords()) {
        titles.append(chord.title());
        EXPECT_TRUE(chord.bounds().isEmpty());
    }
    EXPECT_EQ(titles, (QStringList{"C", "Am", "G", "F", "D"}));
}

TEST_F(SongLayoutTest, longLineWrapsWithoutGapsAndContinuationsLoseTheChordRow)
{
    const QString line = QStringLiteral("[C]one two three four five six seven eight nine ten eleven twelve\n");
    layOutSong(QStringLiteral("{soc}\n") + line, 150);
    ASSERT_GE(view.lines().size(), 3);
    qsizetype position = view.lines()[0].range.location;
    for (const LineInfo &record : view.lines()) {
        EXPECT_EQ(record.range.location, position);
        EXPECT_TRUE(record.chorus);
        position = record.range.end();
    }
    EXPECT_EQ(position, text.size());
    EXPECT_FLOAT_EQ(view.lines()[0].height, float(chordRowHeight() + textHeight()));
    EXPECT_FLOAT_EQ(view.lines()[1].height, float(textHeight()));
    EXPECT_LE(view.maxwidth(), 150 - 14);
}

TEST_F(SongLayoutTest, wordWiderThanTheColumnIsBrokenBetweenCharacters)
{
    // It used to be taken whole, running past the column's edge, its end never seen.
    layOutSong(QStringLiteral("Supercalifragilisticexpialidocious yes\n"), 60);
    ASSERT_GE(view.lines().size(), 3);
    QString joined;
    for (const LineInfo &record : view.lines())
        joined += textOf(record);
    EXPECT_EQ(joined, QStringLiteral("Supercalifragilisticexpialidocious yes\n"));
    EXPECT_TRUE(textOf(0).startsWith(QStringLiteral("Super")));
    EXPECT_FALSE(textOf(0).contains(u' '));
    EXPECT_LE(view.maxwidth(), usableWidth());
}

TEST_F(SongLayoutTest, tabSectionKeepsLeftPartsAndShowsRestsAfterIt)
{
    const QString wide = QStringLiteral("e|") + QString(80, u'-') + QStringLiteral("|\n");
    layOutSong(QStringLiteral("{sot}\n") + wide + QStringLiteral("\nB|--|\n\n\nG|--|\n{eot}\nla\n"), 300);
    // One blank line after a tab line is passed over; of two, one stays.
    EXPECT_EQ(texts(), (QStringList{wide.left(view.lines()[0].range.length), "B|--|\n", "\n", "G|--|\n",
                                    wide.mid(view.lines()[0].range.length), "la\n"}));
    EXPECT_EQ(kinds(), (QStringList{"B", "B", "B", "B", "B", "-"}));
    const int fitting = int((300 - 14) / TextMetrics(view.tabfont()).width(QStringLiteral("-")));
    EXPECT_EQ(view.lines()[0].range.length, fitting);
    EXPECT_FLOAT_EQ(view.lines()[4].height, float(tabLineHeight()));
}

TEST_F(SongLayoutTest, tabSectionHiddenWithoutChords)
{
    view.setShowChords(false);
    layOutSong(QStringLiteral("{sot}\ne|--|\n{eot}\nla\n"));
    EXPECT_EQ(texts(), (QStringList{"la\n"}));
}

TEST_F(SongLayoutTest, tabTextOfASongWithoutEndOfTabIsStillShown)
{
    const QString wide = QString(80, u'-');
    layOutSong(QStringLiteral("{sot}\ne|") + wide + QStringLiteral("|\nB|--|"), 300);
    EXPECT_EQ(kinds(), (QStringList{"B", "B", "B"}));
    EXPECT_EQ(view.lines()[1].range.end(), text.size());
    EXPECT_EQ(textOf(2).size() + view.lines()[0].range.length, 84); // the whole first line, its break included
}

TEST_F(SongLayoutTest, sectionsForAUserOrAnInstrument)
{
    const QString body = QStringLiteral("{sot-Vocals}\ne|--|\n{define: Am 0 x 0 2 2 1 0}\n{eot}\nla\n");
    prefs.setCurrentUser(QStringLiteral("Vocals"));
    layOutSong(body);
    EXPECT_EQ(kinds(), (QStringList{"B", "-"}));

    prefs.setCurrentUser(QStringLiteral("Bass"));
    layOutSong(body);
    EXPECT_EQ(kinds(), (QStringList{"-"}));
    ASSERT_EQ(view.tempchords().size(), 1); // defined inside a hidden section all the same
    EXPECT_TRUE(view.tempchords()[0].temp());

    prefs.setCurrentInstrumentTitle(QStringLiteral("Vocals"));
    layOutSong(body);
    EXPECT_EQ(kinds(), (QStringList{"B", "-"}));
}

TEST_F(SongLayoutTest, gridCellsAlignInColumnsAndWrappedRowsGrow)
{
    layOutSong(QStringLiteral("{sog}\n| C . | G . |\n| Am | F |\n{eog}\n"));
    ASSERT_EQ(kinds(), (QStringList{"G", "G"}));
    const QList<GridCell> &first = *view.lines()[0].gridCells;
    const QList<GridCell> &second = *view.lines()[1].gridCells;
    for (qsizetype i = 0; i < second.size(); ++i)
        EXPECT_EQ(first[i].width, second[i].width) << i;
    EXPECT_FLOAT_EQ(view.lines()[0].height, float(gridRowHeight()));

    const QString wide = QStringLiteral("| C . | G . | Am . | F . | C . | G . | Am . | F . |\n");
    layOutSong(QStringLiteral("{sog}\n") + wide + QStringLiteral("{eog}\n"), 120);
    EXPECT_GT(view.lines()[0].height, 2 * gridRowHeight());
    const int rows = qRound(view.lines()[0].height / gridRowHeight());
    EXPECT_FLOAT_EQ(view.lines()[0].height, float(rows * gridRowHeight()));
}

TEST_F(SongLayoutTest, gridOpenAtTheEndStillAlignsAndWraps)
{
    const QString rows = QStringLiteral("| C . | G . | Am . | F . | C . | G . |\n| Am | F |");
    layOutSong(QStringLiteral("{sog}\n") + rows + QStringLiteral("\n{eog}\n"), 120);
    const QList<LineInfo> closed = view.lines();
    layOutSong(QStringLiteral("{sog}\n") + rows, 120);
    ASSERT_EQ(view.lines().size(), closed.size());
    for (qsizetype i = 0; i < closed.size(); ++i) {
        EXPECT_EQ(view.lines()[i].height, closed[i].height) << i;
        EXPECT_EQ((*view.lines()[i].gridCells)[1].width, (*closed[i].gridCells)[1].width) << i;
    }
    EXPECT_GT(view.lines()[0].height, gridRowHeight());
}

TEST_F(SongLayoutTest, imagesBesideTheSongFile)
{
    QTemporaryDir folder;
    QImage wide(800, 100, QImage::Format_RGB32);
    wide.fill(Qt::red);
    ASSERT_TRUE(wide.save(folder.filePath(QStringLiteral("pic.png"))));
    QImage small(50, 20, QImage::Format_RGB32);
    small.fill(Qt::blue);
    ASSERT_TRUE(small.save(folder.filePath(QStringLiteral("small.png"))));

    LogCapture log;
    text = QStringLiteral("{title: T}\n{image: src=\"pic.png\"}\n{image: src=\"small.png\"}\n"
                          "{image: src=\"missing.png\"}\n{image: pic.png}\n");
    song = std::make_shared<Song>();
    song->setText(text);
    song->setPath(folder.filePath(QStringLiteral("song.pro")));
    view.calcLineInfosForText(text, 400);
    EXPECT_EQ(kinds(), (QStringList{"I", "I", "-"}));
    EXPECT_FLOAT_EQ(view.lines()[0].height, 100.0f * 386 / 800); // scaled to the usable width
    EXPECT_FLOAT_EQ(view.lines()[1].height, 20.0f);
    EXPECT_EQ(view.lines()[0].range.length, 0);
    EXPECT_FLOAT_EQ(view.maxwidth(), 386.0f);
    EXPECT_TRUE(log.hasLineStartingWith(
        QStringLiteral("Image %1 not found").arg(QUrl::fromLocalFile(folder.filePath("missing.png")).toString())));
}

TEST_F(SongLayoutTest, imagesOfASongWithoutFileComeFromTheSongFolderAndCategory)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("Live"));
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(folder.filePath(QStringLiteral("Live/pic.png"))));
    prefs.setSongDirectoryPath(folder.path());
    prefs.setCurrentCategory(QStringLiteral("Live"));
    layOutSong(QStringLiteral("{image: src=\"pic.png\"}\n"));
    EXPECT_EQ(kinds(), (QStringList{"I"}));
}

TEST_F(SongLayoutTest, imageSourcesAreLocalFilesOnly)
{
    LogCapture log;
    layOutSong(QStringLiteral("{image: src=\"http://example.org/pic.png\"}\nla\n"));
    EXPECT_EQ(kinds(), (QStringList{"-"}));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Image http://example.org/pic.png not found")));
}

TEST_F(SongLayoutTest, pausesSitBelowTheLinesBeforeThem)
{
    layOutSong(QStringLiteral("one\n[C]two\nthree\n{pause: 2.5}\n{pause: 0}\n{pause: -3}\n{pause:}\nfour\n"
                              "{pause: 1}\n"));
    ASSERT_EQ(view.pauses().size(), 2);
    EXPECT_DOUBLE_EQ(view.pauses()[0].pause_s, 2.5);
    EXPECT_DOUBLE_EQ(view.pauses()[0].position,
                     double(view.lines()[0].height) + view.lines()[1].height + view.lines()[2].height);
    EXPECT_DOUBLE_EQ(view.pauses()[1].pause_s, 1.0);
}

TEST_F(SongLayoutTest, pageBreaksOnlyWhilePrinting)
{
    layOutSong(QStringLiteral("one\n{new_page}\ntwo\n"));
    EXPECT_EQ(kinds(), (QStringList{"-", "-"}));
    view.setPrinting(true);
    layOutSong(QStringLiteral("one\n{new_page}\ntwo\n"));
    EXPECT_EQ(kinds(), (QStringList{"-", "P", "-"}));
    EXPECT_EQ(view.lines()[1].height, 0.0f);
}

TEST_F(SongLayoutTest, heightsAreWholePointsWhilePrinting)
{
    view.setPrinting(true);
    layOutSong(QStringLiteral("[C]one\ntwo\n{sog}\n| C . | G . | Am . | F . | C . | G . |\n{eog}\n"), 120);
    for (const LineInfo &line : view.lines())
        EXPECT_EQ(line.height, std::round(line.height));
}

TEST_F(SongLayoutTest, commentsForAUserOrInstrument)
{
    const QString body = QStringLiteral("{c-Vocals: hello}\n{c-Vocals: hello} more\n{c: all}\n{capo: 2}\n");
    prefs.setCurrentUser(QStringLiteral("Vocals"));
    layOutSong(body);
    EXPECT_EQ(view.lines().size(), 4);
    prefs.setCurrentUser(QStringLiteral("Drums"));
    layOutSong(body);
    EXPECT_EQ(texts(), (QStringList{"{c-Vocals: hello} more\n", "{c: all}\n", "{capo: 2}\n"}));
}

TEST_F(SongLayoutTest, temporaryChords)
{
    const QString body =
        QStringLiteral("{chordfont: 12}\n{define: Am 0 x 0 2 2 1 0}\n{define-Guitar: D 0 x x 0 2 3 2}\n"
                       "{define: nonsense}\n");
    layOutSong(body);
    EXPECT_TRUE(view.lines().isEmpty());
    QStringList titles;
    for (const Chord &chord : view.tempchords())
        titles.append(chord.title());
    EXPECT_EQ(titles, (QStringList{"Am", "D"}));

    prefs.setCurrentInstrumentTitle(QStringLiteral("Ukulele"));
    layOutSong(body);
    EXPECT_EQ(view.tempchords().size(), 1);
    ASSERT_TRUE(view.chordForName(QStringLiteral("Am")));
    EXPECT_EQ(view.chordForName(QStringLiteral("Am"))->title(), QStringLiteral("Am"));
    EXPECT_FALSE(view.tempChordForTitle(QStringLiteral("am")));
}

TEST_F(SongLayoutTest, rightToLeftSong)
{
    LogCapture log;
    layOutSong(QStringLiteral("[Am]שלום [G]עליכם\n"));
    EXPECT_TRUE(view.rightToLeft());
    EXPECT_TRUE(log.lines().contains(QStringLiteral("Right-to-left text")));
    layOutSong(QStringLiteral("[Am]Hello\n"));
    EXPECT_FALSE(view.rightToLeft());
}

TEST_F(SongLayoutTest, layoutIsTheSameEveryTime)
{
    // A highlight section and a title left open at the end must not leak into the next pass.
    prefs.setShowTitleSubtitle(true);
    const QString songText = QStringLiteral("{subtitle: Sub}\n{title: A rather long title for a narrow column}\n"
                                            "la {soh}highlighted words that wrap around\n");
    layOut(songText, 160);
    const QList<LineInfo> first = view.lines();
    const float firstTitleWidth = view.titlewidth();
    layOut(songText, 160);
    ASSERT_EQ(view.lines().size(), first.size());
    for (qsizetype i = 0; i < first.size(); ++i) {
        EXPECT_EQ(view.lines()[i].range.location, first[i].range.location) << i;
        EXPECT_EQ(view.lines()[i].height, first[i].height) << i;
    }
    EXPECT_EQ(view.titlewidth(), firstTitleWidth);
}

TEST_F(SongLayoutTest, longSongsAreNeverCut)
{
    QString body;
    for (int i = 0; i < 12000; ++i)
        body += QStringLiteral("line %1\n").arg(i);
    LogCapture log;
    layOutSong(body);
    EXPECT_EQ(view.lines().size(), 12000);
    EXPECT_FALSE(log.hasLineStartingWith(QStringLiteral("internal ERROR")));
}

TEST_F(SongLayoutTest, settingsForDisplayComeFromTheApplication)
{
    // A private copy of the settings changes fonts and options, never the current user or the chord names.
    Prefs privateCopy;
    privateCopy.setCurrentUser(QStringLiteral("Vocals"));
    privateCopy.setShowTitleSubtitle(false);
    privateCopy.setShowChordDiagrams(true);
    privateCopy.setLatinChords(true);
    privateCopy.setInlinechords(true);
    *privateCopy.textfontprefs() = *prefs.textfontprefs();
    *privateCopy.chordfontprefs() = *prefs.chordfontprefs();
    view.setPrefs(&privateCopy);
    layOutSong(QStringLiteral("{c-Vocals: hi}\n[C]la\n"));
    EXPECT_EQ(texts(), (QStringList{"[C]la\n"}));
    EXPECT_TRUE(view.inlinechords());
    EXPECT_EQ(view.displayChordName(QStringLiteral("C")), QStringLiteral("C"));
    privateCopy.setInlinechords(false);
    layOutSong(QStringLiteral("[C]la\n"));
    EXPECT_FLOAT_EQ(view.lines()[0].height, float(chordRowHeight() + textHeight())); // names, not diagrams
}

// Print auto-zoom passes over a zoom that these heights show too large without laying the song out there: they
// must be the very heights a layout at that zoom gives, or it could choose another zoom.
TEST_F(SongLayoutTest, LinesAtAnotherZoomHaveTheHeightsALayoutThereGives)
{
    prefs.setShowTitleSubtitle(true);
    const QString songText = QStringLiteral("{title: A Title Long Enough To Be Made Smaller In A Narrow Column}\n"
                                            "{subtitle: Someone}\n"
                                            "[C]Words under [G]chords\n"
                                            "Words alone\n"
                                            "[Am] [F]\n"
                                            "\n"
                                            "{c: A comment}\n"
                                            "Words {ci: in-line comment} and [D]more\n"
                                            "{soc}\n[D]In the [E]chorus\n{eoc}\n"
                                            "{soh}[C]Highlighted{eoh} words\n"
                                            "{sot}\ne|---0---|\n{eot}\n"
                                            "{new_page}\n"
                                            "Last line\n");
    struct Case
    {
        const char *name;
        bool printing;
        bool lyrics;
        bool inlineChords;
        bool diagrams;
    };
    const Case cases[] = {
        {"printing", true, true, false, false},      {"on screen", false, true, false, false},
        {"chords only", true, false, false, false},  {"in-line chords", true, true, true, false},
        {"chord diagrams", true, true, false, true},
    };
    for (const Case &c : cases) {
        view.setPrinting(c.printing);
        view.setShowLyrics(c.lyrics);
        prefs.setInlinechords(c.inlineChords);
        prefs.setShowChordDiagrams(c.diagrams);
        for (const float zoom : {0.93f, 0.71f, 0.52f}) {
            const float width = 555.0f / 2;
            view.setZoomScale(1.0f);
            layOut(songText, 555);
            const QList<LineInfo> before = view.lines();
            view.setZoomScale(zoom);
            const std::optional<LinesAtZoom> measured = view.linesAtZoom(text, width);
            EXPECT_EQ(view.lines().size(), before.size()) << c.name << " keeps its layout";
            view.calcLineInfosForText(text, width);
            ASSERT_TRUE(measured) << c.name << " at " << zoom;
            ASSERT_EQ(measured->lines.size(), view.lines().size()) << c.name << " at " << zoom;
            for (qsizetype i = 0; i < measured->lines.size(); ++i) {
                const LineInfo &line = measured->lines.at(i);
                EXPECT_EQ(line.range, view.lines().at(i).range) << c.name << " at " << zoom << " line " << i;
                EXPECT_EQ(line.height, view.lines().at(i).height) << c.name << " at " << zoom << " line " << i;
            }
        }
    }
}

// Print auto-zoom takes the lines it measured at the zoom it keeps as the song's layout there: they must be the
// layout there, or the printed page would change.
TEST_F(SongLayoutTest, LinesTakenAtAnotherZoomAreTheLayoutThere)
{
    prefs.setShowTitleSubtitle(true);
    view.setPrinting(true);
    const QString songText = QStringLiteral("{title: A Title Long Enough To Be Made Smaller In A Narrow Column}\n"
                                            "{subtitle: Someone}\n"
                                            "[C]Words under [G]chords\n"
                                            "{pause: 2}\n"
                                            "{soc}\n[D]In the [E]chorus\n{eoc}\n"
                                            "{soh}[C]Highlighted{eoh} words\n"
                                            "{sot}\ne|---0---|\n{eot}\n"
                                            "Last line\n");
    const float width = 555.0f / 2;
    for (const float zoom : {0.93f, 0.52f}) {
        view.setZoomScale(1.0f);
        layOut(songText, 555);
        view.setZoomScale(zoom);
        std::optional<LinesAtZoom> measured = view.linesAtZoom(text, width);
        ASSERT_TRUE(measured) << zoom;
        ASSERT_TRUE(view.takeLinesAtZoom(text, std::move(*measured))) << zoom;
        const QList<LineInfo> taken = view.lines();
        const QList<PauseInfo> pauses = view.pauses();
        const float maxwidth = view.maxwidth();
        const float titlewidth = view.titlewidth();
        const float titlefontsize = view.titlefontsize();
        const QList<QFont> fonts = {view.textfont(), view.chordfont(), view.commentfont(), view.tabfont(),
                                    view.highlightfont()};

        view.calcLineInfosForText(text, width);
        ASSERT_EQ(taken.size(), view.lines().size()) << zoom;
        for (qsizetype i = 0; i < taken.size(); ++i) {
            const LineInfo &mine = taken[i];
            const LineInfo &laidOut = view.lines()[i];
            EXPECT_EQ(kindOf(mine), kindOf(laidOut)) << zoom << " line " << i;
            EXPECT_EQ(mine.range, laidOut.range) << zoom << " line " << i;
            EXPECT_EQ(mine.height, laidOut.height) << zoom << " line " << i;
            EXPECT_EQ(std::tuple(mine.chordRow, mine.wordRow, mine.broken, mine.highlight),
                      std::tuple(laidOut.chordRow, laidOut.wordRow, laidOut.broken, laidOut.highlight))
                << zoom << " line " << i;
            EXPECT_EQ(mine.highlightcolor, laidOut.highlightcolor) << zoom << " line " << i;
            EXPECT_EQ(mine.titlefontsize, laidOut.titlefontsize) << zoom << " line " << i;
        }
        ASSERT_EQ(pauses.size(), 1);
        EXPECT_EQ(pauses[0].position, view.pauses()[0].position) << zoom;
        EXPECT_EQ(titlewidth, view.titlewidth()) << zoom;
        EXPECT_EQ(titlefontsize, view.titlefontsize()) << zoom;
        EXPECT_EQ(fonts, (QList<QFont>{view.textfont(), view.chordfont(), view.commentfont(), view.tabfont(),
                                       view.highlightfont()}))
            << zoom;
        EXPECT_GE(maxwidth, view.maxwidth()) << zoom << " bounds the widest line";
    }
}

TEST_F(SongLayoutTest, LinesAreNotTakenAtAnotherZoomOrWhereDrawingNeedsTheWidestLine)
{
    const QString body = QStringLiteral("{soc}\n[D]In the [E]chorus\n{eoc}\n");
    struct Case
    {
        const char *name;
        int chorusMarker;
        float takenAt;
    };
    const Case cases[] = {
        {"a chorus with a bar", 0, 0.8f},
        {"a shaded chorus, as wide as the widest line", 2, 0.8f},
        {"another zoom than measured", 0, 0.7f},
        {"a layout made after measuring", 0, 0.8f},
    };
    for (const Case &c : cases) {
        prefs.setChorusMarker(c.chorusMarker);
        view.setZoomScale(1.0f);
        layOutSong(body);
        const QList<double> before = view.lineHeights();
        view.setZoomScale(0.8f);
        std::optional<LinesAtZoom> measured = view.linesAtZoom(text, 400);
        ASSERT_TRUE(measured) << c.name;
        view.setZoomScale(c.takenAt);
        const bool laidOutAgain = std::string_view(c.name) == "a layout made after measuring";
        if (laidOutAgain)
            view.calcLineInfosForText(text, 400);
        const bool expected = c.chorusMarker != 2 && c.takenAt == 0.8f && !laidOutAgain;
        EXPECT_EQ(view.takeLinesAtZoom(text, std::move(*measured)), expected) << c.name;
        if (!expected && !laidOutAgain) {
            EXPECT_EQ(view.lineHeights(), before) << c.name << " keeps its layout";
        }
    }
}

TEST_F(SongLayoutTest, LinesAtAnotherZoomAreNotMeasuredWhereALineMightWrapDifferently)
{
    const QString wide = QStringLiteral("[C]A line of words wide enough to fill a column");
    struct Case
    {
        const char *name;
        QString body;
        float width;
    };
    const Case cases[] = {
        {"a line broken over records", wide, 150},
        {"a line that would not fit the narrower width", wide, 400},
        {"a tab line cut at the column's edge", QStringLiteral("{sot}\ne|---0---3---5---7---8---10---12---|\n{eot}\n"),
         150},
        {"a grid row", QStringLiteral("{sog}\n| C . | G . |\n{eog}\n"), 400},
    };
    for (const Case &c : cases) {
        view.setZoomScale(1.0f);
        layOutSong(c.body, c.width);
        view.setZoomScale(0.9f);
        EXPECT_FALSE(view.linesAtZoom(text, c.width / 2)) << c.name;
    }
}
