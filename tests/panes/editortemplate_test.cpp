#include "editortemplate.h"

#include <gtest/gtest.h>

namespace {

const QList<int> guitar = {-8, -3, 2, 7, 11, 16};
const QString grid = QStringLiteral("{sog}\nX\n{eog}\n");
const QString tabLine = QStringLiteral("|-------------------------------\n");

} // namespace

TEST(EditorTemplate, FillsTheTemplateAndPlacesTheCaret)
{
    struct Case
    {
        const char *why;
        QString templateText;
        QString selection;
        QChar next;
        EditorTemplate::Result expected;
    };
    const QString defaultGrid = QStringLiteral("{sog}\n|| . . . . | . . . . |\n| . . . . | . . . . ||\n{eog}\n");
    const QString tab = QStringLiteral("{sot}\n") + u'E' + tabLine + u'B' + tabLine + u'G' + tabLine + u'D' + tabLine +
                        u'A' + tabLine + u'E' + tabLine + QStringLiteral("\n{eot}\n");
    const Case cases[] = {
        {"chords over words with one blank", "[X]", "C G", u'x', {"[C] [G] ", 8}},
        {"an empty part between two blanks", "[X]", "C  G", u'x', {"[C]  [G] ", 9}},
        {"one word", "[X]", "Am7", u'x', {"[Am7]", 5}},
        {"nothing selected", "[X]", "", u'x', {"[]", 1}},
        {"a bracketed label with a trailing blank", "{c:X}\n", "[Chorus] ", u'a', {"{c:Chorus}\n", 11}},
        {"two characters stay as they are", "{c:X}\n", "[]", u'a', {"{c:[]}\n", 7}},
        {"a comment mentioning an image", "{c:X}\n", "an image of you", QChar(), {"{c:an image of you}\n", 20}},
        {"an empty grid at the end of the text", grid, "", QChar(), {defaultGrid, 6}},
        {"an empty grid before a line feed", grid, "", u'\n', {"{sog}\n\n{eog}", 6}},
        {"bars without blanks", grid, "|C G|Am|\n|F||", QChar(), {"{sog}\n| C G | Am |\n| F ||\n{eog}\n", 32}},
        {"the tab of a six-string guitar, last string first", "{sot}\nX\n{eot}\n", "", QChar(), {tab, 6}},
        {"a template without X before a line feed", "{new_page}\n", "", u'\n', {"{new_page}", 11}},
        {"a template without X replaces the selection", "{new_page}\n", "old", u'a', {"{new_page}\n", 11}},
        {"the image template", "{image src=\"...\"}\n", "", QChar(), {"{image src=\"...\"}\n", 18, true}},
    };
    for (const Case &c : cases) {
        const EditorTemplate::Result result = EditorTemplate::fill({c.templateText, c.selection, c.next, guitar});
        EXPECT_EQ(result.text, c.expected.text) << c.why;
        EXPECT_EQ(result.caret, c.expected.caret) << c.why;
        EXPECT_EQ(result.chooseImage, c.expected.chooseImage) << c.why;
    }
}

TEST(EditorTemplate, AnInstrumentWithoutStringsHasAnEmptyTab)
{
    EXPECT_EQ(EditorTemplate::defaultTab({}), "");
    EXPECT_EQ(EditorTemplate::defaultTab({0, 4}), QStringLiteral("E") + tabLine + u'C' + tabLine);
}
