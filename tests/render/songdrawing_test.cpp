// Drawing a laid-out song takes the decisions its measuring took: checked on a recording paint device.
#include "recordingpainter.h"
#include "songfixture.h"
#include "textmetrics.h"

#include <QPainter>
#include <QTemporaryDir>

class SongDrawingTest : public SongFixture
{
protected:
    SongDrawingTest() { prefs.setShowTitleSubtitle(false); }

    void layOutSong(const QString &body, float width = 400) { layOut(QStringLiteral("{title: Test}\n") + body, width); }

    // Draws every record one below the other, as screen and print drawing do, and checks that each moves y by
    // exactly the height it was measured with.
    void drawAll()
    {
        QPainter painter(&device);
        float y = 0;
        for (qsizetype i = 0; i < view.lines().size(); ++i) {
            const LineInfo &line = view.lines()[i];
            const float top = y;
            recordStarts.append(device.texts.size());
            view.drawLineInfo(text, line, usableWidth(), y, &painter);
            EXPECT_FLOAT_EQ(y - top, line.height) << "record " << i << ": " << textOf(line).toStdString();
            y = top + line.height;
        }
        recordStarts.append(device.texts.size());
    }
    // The texts drawn for one record.
    QStringList textsOf(qsizetype record) const
    {
        QStringList result;
        for (qsizetype i = recordStarts[record]; i < recordStarts[record + 1]; ++i)
            result.append(device.texts[i].text);
        return result;
    }
    qreal widthOf(const RecordingPaintDevice::Text &drawn) const { return TextMetrics(drawn.font).width(drawn.text); }

    RecordingPaintDevice device;
    QList<qsizetype> recordStarts;
};

TEST_F(SongDrawingTest, everyKindOfLineIsDrawnAtTheHeightItWasMeasured)
{
    QTemporaryDir folder;
    QImage picture(600, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("pic.png"))));
    prefs.setShowTitleSubtitle(true);
    text = QStringLiteral("{title: A title rather too long for this narrow column}\n{subtitle: And its subtitle}\n"
                          "[C]Hello [G]world, this line is long enough to wrap [Am]twice or more\n"
                          "{soc}\n[F]Chorus line {c: with a comment} and a www.example.org link\n{eoc}\n"
                          "{soh #FFCC00}highlighted words in a wider font, wrapping too{eoh} and after\n"
                          "{sot}\ne|-----------------------------------------------------------------|\n{eot}\n"
                          "{sog}\n| C . | G . | Am . | F . | C . | G . |\n| D | G |\n{eog}\n"
                          "{image: src=\"pic.png\"}\n\n[C] [G]\n");
    song = std::make_shared<Song>();
    song->setText(text);
    song->setPath(folder.filePath(QStringLiteral("song.pro")));
    view.calcLineInfosForText(text, 220);
    ASSERT_GT(view.lines().size(), 12);
    drawAll();
    EXPECT_EQ(device.images.size(), 1);
}

TEST_F(SongDrawingTest, highlightedWordsAreMeasuredAndDrawnInTheHighlightFont)
{
    layOutSong(QStringLiteral("plain {soh}alpha beta gamma delta epsilon zeta eta theta{eoh} iota kappa\n"), 200);
    ASSERT_GE(view.lines().size(), 3);
    drawAll();
    QStringList drawn;
    for (const RecordingPaintDevice::Text &word : device.texts) {
        drawn.append(word.text);
        const bool highlighted = word.text != u"plain" && word.text != u"iota" && word.text != u"kappa";
        EXPECT_EQ(word.font.family(), highlighted ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"))
            << word.text.toStdString();
        // Nothing spills out of the column: the layout measured with the font that draws.
        EXPECT_LE(word.baseline.x() + widthOf(word), usableWidth() + 0.01) << word.text.toStdString();
    }
    EXPECT_EQ(drawn.join(u' '), QStringLiteral("plain alpha beta gamma delta epsilon zeta eta theta iota kappa"));
    // The highlight's background lies behind the highlighted words and the blanks between them.
    ASSERT_FALSE(device.fills.isEmpty());
    EXPECT_EQ(device.fills.first().color, prefs.highlightfontprefs()->backgroundColor());
}

TEST_F(SongDrawingTest, highlightColourOfItsOwn)
{
    layOutSong(QStringLiteral("{soh #FF0000}red{eoh} {soh #zz}plain{eoh}\n"));
    drawAll();
    EXPECT_EQ(textsOf(0), (QStringList{"red", "plain"}));
    ASSERT_GE(device.fills.size(), 2);
    EXPECT_EQ(device.fills[0].color, QColor(255, 0, 0));
    EXPECT_EQ(device.fills.last().color, prefs.highlightfontprefs()->backgroundColor());
}

TEST_F(SongDrawingTest, chordsSitAboveTheirSyllables)
{
    layOutSong(QStringLiteral("[C]Hello [G]world\n"));
    drawAll();
    ASSERT_EQ(textsOf(0), (QStringList{"C", "Hello", "G", "world"}));
    const auto &texts = device.texts;
    EXPECT_EQ(texts[0].baseline.x(), texts[1].baseline.x());
    EXPECT_EQ(texts[2].baseline.x(), texts[3].baseline.x());
    EXPECT_LT(texts[0].baseline.y(), texts[1].baseline.y());
    EXPECT_EQ(texts[0].font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_TRUE(texts[0].font.bold());
}

TEST_F(SongDrawingTest, aWordWiderThanTheColumnIsBrokenBetweenGraphemesOnScreenAndInPrint)
{
    // A long unbroken text (a URL, a row of "=") used to run past the column's edge, its rest never seen.
    QString letters;
    for (int i = 0; i < 300; ++i)
        letters += QChar(u'a' + i % 26);
    struct Case
    {
        const char *what;
        QString word;
    };
    const Case cases[] = {
        {"letters with a chord at the 150th", letters.left(150) + QStringLiteral("[G]") + letters.mid(150)},
        {"letters with combining accents", QString(QStringLiteral("e\u0301")).repeated(120)},
        {"Devanagari conjuncts", QString(QStringLiteral("\u0915\u094D\u0937\u093F")).repeated(60)},
    };
    for (const Case &c : cases) {
        layOutSong(c.word + u'\n', 200);
        device.texts.clear();
        recordStarts.clear();
        drawAll();
        ASSERT_GT(view.lines().size(), 2) << c.what;
        QString joined;
        QList<TextRange> ranges;
        for (const LineInfo &record : view.lines()) {
            joined += textOf(record);
            ranges.append(record.range);
            // Never inside a grapheme cluster: no line starts with a combining mark or a vowel sign.
            EXPECT_NE(textOf(record).at(0).category(), QChar::Mark_NonSpacing) << c.what;
        }
        EXPECT_EQ(joined, c.word + u'\n') << c.what;
        for (const RecordingPaintDevice::Text &drawn : std::as_const(device.texts))
            EXPECT_LE(drawn.baseline.x() + widthOf(drawn), usableWidth() + 0.01) << c.what;

        // Printed, the word breaks where it breaks on screen.
        view.setPrinting(true);
        layOutSong(c.word + u'\n', 200);
        QList<TextRange> printed;
        for (const LineInfo &record : view.lines())
            printed.append(record.range);
        EXPECT_EQ(printed, ranges) << c.what;
        view.setPrinting(false);
    }

    // The chord stands over the character it was written before, on the line that character starts.
    layOutSong(cases[0].word + u'\n', 200);
    device.texts.clear();
    recordStarts.clear();
    drawAll();
    const qsizetype chord =
        std::find_if(device.texts.cbegin(), device.texts.cend(), [](const auto &drawn) { return drawn.text == u"G"; }) -
        device.texts.cbegin();
    ASSERT_LT(chord + 1, device.texts.size());
    EXPECT_TRUE(device.texts[chord + 1].text.startsWith(letters.mid(150, 5)));
    EXPECT_EQ(device.texts[chord].baseline.x(), device.texts[chord + 1].baseline.x());
}

TEST_F(SongDrawingTest, chordsStayOverTheirSyllablesInAScriptTheFontLacks)
{
    // No test font has Devanagari: the words are drawn as boxes of Qt's stand-in, as outlines.
    layOutSong(QStringLiteral("[C]\u0928\u092E\u0938\u094D\u0924\u0947 [G]\u0926\u0941\u0928\u093F\u092F\u093E\n"));
    drawAll();
    ASSERT_EQ(textsOf(0), (QStringList{"C", "G"}));
    ASSERT_EQ(device.paths.size(), 2) << "each word drawn";
    const auto &chords = device.texts;
    EXPECT_NEAR(device.paths[0].left(), chords[0].baseline.x(), 2);
    EXPECT_NEAR(device.paths[1].left(), chords[1].baseline.x(), 2);
    EXPECT_LT(device.paths[0].right(), chords[1].baseline.x()) << "the second chord after the first word";
    EXPECT_GT(chords[0].baseline.y(), 0);
    EXPECT_LT(chords[0].baseline.y(), device.paths[0].bottom()) << "chords above the words";
}

TEST_F(SongDrawingTest, aWideChordPushesTheLyricsOnAndJoinsTheSplitWord)
{
    layOutSong(QStringLiteral("Hel[Cmaj7]lo[G]ween [D]next\n"));
    drawAll();
    ASSERT_EQ(textsOf(0), (QStringList{"Hel", "Cmaj7", "lo", "G", "ween", "D", "next"}));
    const auto &texts = device.texts;
    // The chord stands over its syllable; the syllable after the next chord moves past the wide chord.
    EXPECT_EQ(texts[1].baseline.x(), texts[2].baseline.x());
    const qreal wideChordEnd = texts[1].baseline.x() + widthOf(texts[1]);
    EXPECT_GE(texts[4].baseline.x(), wideChordEnd);
    EXPECT_EQ(texts[3].baseline.x(), texts[4].baseline.x());
    // One line joins "lo" and "ween", at half the height of the lyric row; none joins separate words.
    ASSERT_EQ(device.lines.size(), 1);
    EXPECT_DOUBLE_EQ(device.lines[0].x1(), texts[2].baseline.x() + widthOf(texts[2]));
    EXPECT_DOUBLE_EQ(device.lines[0].x2(), texts[4].baseline.x() - 1.0);
    EXPECT_DOUBLE_EQ(device.lines[0].y1(), chordRowHeight() + 0.5 * textHeight());
}

TEST_F(SongDrawingTest, chordHitRecordsAreInViewCoordinatesAfterDrawing)
{
    layOutSong(QStringLiteral("[C]Hello\n{sog}\n| D | G |\n{eog}\n"));
    view.chords().clear();
    view.setCurrentOffset(QPointF(7, 7));
    drawAll();
    ASSERT_EQ(view.chords().size(), 3);
    const QRectF inlineChord = view.chords()[0].bounds();
    EXPECT_FALSE(inlineChord.isEmpty());
    EXPECT_GE(inlineChord.left(), 7 - 2);
    // Grid chords are offset in x and in y, so clicks hit what is drawn.
    const QRectF gridChord = view.chords()[1].bounds();
    EXPECT_GT(gridChord.top(), view.lines()[0].height);

    view.chords().clear();
    view.setPrinting(true);
    drawAll();
    EXPECT_TRUE(view.chords()[0].bounds().isEmpty());
}

TEST_F(SongDrawingTest, linksAreUnderlinedAndRecorded)
{
    layOutSong(QStringLiteral("see www.example.org now\n"));
    view.setCurrentOffset(QPointF(7, 7));
    drawAll();
    ASSERT_EQ(view.links().size(), 1);
    EXPECT_EQ(view.links()[0].link, QStringLiteral("www.example.org"));
    EXPECT_GT(view.links()[0].bounds.left(), 7);
    EXPECT_EQ(device.lines.size(), 1);

    // Too long for the column, a link is broken over lines: every piece is underlined and leads to all of it.
    const QString url = QStringLiteral("https://example.org/a/very/long/path/that/never/ends/index.html");
    layOutSong(url + u'\n', 150);
    device.lines.clear();
    view.links().clear();
    drawAll();
    ASSERT_GT(view.lines().size(), 1);
    ASSERT_EQ(view.links().size(), view.lines().size());
    for (const LinkInfo &link : view.links())
        EXPECT_EQ(link.link, url);
    EXPECT_EQ(device.lines.size(), view.lines().size());
}

TEST_F(SongDrawingTest, commentsAndHiddenDirectives)
{
    layOutSong(QStringLiteral("{c: Intro} {capo: 2} {x: y}la\n"));
    drawAll();
    EXPECT_EQ(textsOf(0), (QStringList{" Intro", "capo: 2", "la"}));

    // With lyrics hidden a comment is not drawn, but keeps its width and its row.
    view.setShowLyrics(false);
    layOutSong(QStringLiteral("[C]{c: Intro}\n"));
    EXPECT_FLOAT_EQ(view.lines()[0].height, float(TextMetrics(view.chordfont()).height() + textHeight()));
    device.texts.clear();
    drawAll();
    EXPECT_EQ(device.joinedText(), QStringLiteral("C"));
}

TEST_F(SongDrawingTest, chorusMarkers)
{
    layOutSong(QStringLiteral("{soc}\nla la\n{eoc}\n"));
    drawAll();
    const qreal space = TextMetrics(view.textfont()).width(QStringLiteral(" "));
    ASSERT_EQ(device.fills.size(), 1);
    EXPECT_EQ(device.fills[0].rect, QRectF(0, 0, space, view.lines()[0].height));
    EXPECT_DOUBLE_EQ(device.texts[0].baseline.x(), 2 * space);

    prefs.setChorusMarker(2);
    layOutSong(QStringLiteral("{soc}\nla la\n{eoc}\n"));
    device.fills.clear();
    device.texts.clear();
    drawAll();
    ASSERT_EQ(device.fills.size(), 1);
    EXPECT_EQ(device.fills[0].rect.width(), view.maxwidth());
    EXPECT_NEAR(device.fills[0].color.alphaF(), 0.1, 0.001);
    EXPECT_DOUBLE_EQ(device.texts[0].baseline.x(), 0);
}

TEST_F(SongDrawingTest, rightToLeftLinesAreMirrored)
{
    layOutSong(QStringLiteral("[Am]שלום עליכם\n"));
    ASSERT_TRUE(view.rightToLeft());
    drawAll();
    ASSERT_EQ(textsOf(0).size(), 3);
    const auto &chord = device.texts[0];
    const auto &firstWord = device.texts[1];
    EXPECT_NEAR(firstWord.baseline.x() + widthOf(firstWord), usableWidth(), 0.01);
    EXPECT_NEAR(chord.baseline.x() + widthOf(chord), usableWidth(), 0.01);
    EXPECT_LT(device.texts[2].baseline.x(), firstWord.baseline.x());
}

TEST_F(SongDrawingTest, tabsAdvanceByEightBlanks)
{
    layOutSong(QStringLiteral("a\tb\n"));
    drawAll();
    const TextMetrics metrics(view.textfont());
    EXPECT_DOUBLE_EQ(device.texts[1].baseline.x(),
                     metrics.width(QStringLiteral("a")) + metrics.width(QString(8, u' ')));
}

TEST_F(SongDrawingTest, highlightOfAUserWhoseNameHasPatternCharacters)
{
    prefs.setCurrentUser(QStringLiteral("A+B (live)"));
    layOutSong(QStringLiteral("{soh-A+B (live) #FF0000}red{eoh}\n"));
    drawAll();
    EXPECT_EQ(device.joinedText(), QStringLiteral("red"));
    ASSERT_FALSE(device.fills.isEmpty());
    EXPECT_EQ(device.fills[0].color, QColor(255, 0, 0));
}

TEST_F(SongDrawingTest, titlesShrinkToFitAndTheSubtitleFollowsTheTitle)
{
    prefs.setShowTitleSubtitle(true);
    layOut(QStringLiteral("{title: A title far too wide for this column}\n{subtitle: Below}\n"), 160);
    ASSERT_LT(view.titlefontsize(), 1.5f);
    drawAll();
    ASSERT_EQ(device.texts.size(), 2);
    const auto &title = device.texts[0];
    const auto &subtitle = device.texts[1];
    EXPECT_NEAR(widthOf(title), usableWidth(), 0.2);
    EXPECT_TRUE(title.font.bold());
    EXPECT_NEAR(subtitle.font.pointSizeF(), 0.8 * title.font.pointSizeF(), 0.01);
    // Centred.
    EXPECT_NEAR(subtitle.baseline.x(), (usableWidth() - widthOf(subtitle)) / 2, 0.01);

    device.texts.clear();
    layOut(QStringLiteral("{subtitle: Alone}\n"), 400);
    drawAll();
    EXPECT_NEAR(device.texts[0].font.pointSizeF(), 1.2 * prefs.textfontprefs()->size(), 0.01);
}

TEST_F(SongDrawingTest, chordNamesInTabSongsAreDrawnAsChords)
{
    useChordLibrary();
    prefs.chordfontprefs()->setColor(Qt::red);
    prefs.textfontprefs()->setColor(Qt::black);
    layOut(QStringLiteral("A    D\nA lovely day\nE\nHello Xm\n"));
    ASSERT_TRUE(view.isTab());
    view.chords().clear();
    drawAll();
    QStringList chordWords;
    for (const RecordingPaintDevice::Text &word : device.texts) {
        if (word.color == QColor(Qt::red))
            chordWords.append(word.text);
    }
    // "A" is a chord only among chords: before "D" and at the end of a line, not before "lovely".
    EXPECT_EQ(chordWords, (QStringList{"A", "D", "E"}));
    ASSERT_EQ(view.chords().size(), 3);
    EXPECT_FALSE(view.chords()[0].bounds().isEmpty());
}

TEST_F(SongDrawingTest, theSongsOwnChordComesBeforeTheLibrarys)
{
    useChordLibrary();
    layOutSong(QStringLiteral("{define: Am 0 x 0 2 2 2 0}\n[Am]la\n"));
    ASSERT_TRUE(view.chordForName(QStringLiteral("Am")));
    EXPECT_TRUE(view.chordForName(QStringLiteral("Am"))->temp());
    ASSERT_TRUE(view.chordForName(QStringLiteral("D")));
    EXPECT_FALSE(view.chordForName(QStringLiteral("D"))->temp());
    EXPECT_FALSE(view.chordForName(QStringLiteral("H13")));
}

TEST_F(SongDrawingTest, chordDiagramsInPlaceOfNames)
{
    prefs.setShowChordDiagrams(true);
    layOutSong(QStringLiteral("[C]Hello\n"));
    EXPECT_FLOAT_EQ(view.lines()[0].height, float(60 + textHeight()));
    drawAll();
    // The diagram is drawn in the chord row, titled with the chord's name; the lyrics below it.
    ASSERT_FALSE(device.paths.isEmpty());
    const QRectF chordRow(0, 0, 60, 60);
    for (const QRectF &path : std::as_const(device.paths))
        EXPECT_TRUE(chordRow.adjusted(-3, -3, 3, 3).contains(path)) << path.x() << "," << path.y();
    EXPECT_EQ(device.joinedText(), QStringLiteral("C Hello"));
}

TEST_F(SongDrawingTest, diagramTitlesAreNamedOnceInGermanNaming)
{
    // The diagram names its chord itself; naming it before would turn the German "B" (B flat) into "H".
    prefs.setShowChordDiagrams(true);
    prefs.setGermanChords(true);
    layOutSong(QStringLiteral("[Bb]la [B]lo\n"));
    drawAll();
    EXPECT_EQ(device.joinedText(), QStringLiteral("B la H lo"));
}
