#include "songeditviewcontroller.h"

#include "doubleclicktextview.h"
#include "failingwrites.h"
#include "fakeappcontext.h"
#include "logcapture.h"
#include "openedurls.h"
#include "pdfsong.h"
#include "prefs.h"
#include "scripteddialogs.h"
#include "songclicks.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class SongEditCommandsTest : public ::testing::Test
{
protected:
    SongEditCommandsTest() { context.prefsObject = &prefs; }

    SongPtr songFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.filePath(name);
        write(path, bytes);
        return std::make_shared<Song>(path);
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QByteArray png(QRgb colour)
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }
    void show(const SongPtr &song)
    {
        current = song;
        editor.refresh();
    }
    void select(qsizetype start, qsizetype end)
    {
        QTextCursor cursor(view().document());
        cursor.setPosition(int(start));
        cursor.setPosition(int(end), QTextCursor::KeepAnchor);
        view().setTextCursor(cursor);
    }
    DoubleClickTextView &view() { return *editor.songTextView(); }
    QString text() { return view().rawText(); }

    QTemporaryDir folder;
    FakeAppContext context;
    Prefs prefs;
    ScriptedDialogs dialogs;
    SongPtr current;
    QChar favor;
    SongEditViewController editor{[this] { return current; }, {&dialogs, [this] { return favor; }, {}, {}}};
    QSignalSpy updates{&editor, &SongEditViewController::songTextChanged};
};

} // namespace

TEST_F(SongEditCommandsTest, AnInsertionIsOneUndoStepThatGivesBackTextAndSelectionAtOnce)
{
    prefs.setAllowAutoCorrectInEditor(true); // typing would wait a second; commands and undo do not
    const SongPtr song = songFile("a.pro", "{title: A}\nla la\n");
    show(song);
    select(11, 13); // "la"
    editor.insertChordproControl(QStringLiteral("{c:X}\n"));
    EXPECT_EQ(text(), "{title: A}\n{c:la}\n la\n");
    EXPECT_EQ(view().textCursor().position(), 11 + 7);
    EXPECT_EQ(song->text(), text());
    EXPECT_EQ(updates.count(), 1);

    // The caret moves on and more is typed; undo takes back the insertion alone, wherever the caret is now.
    view().moveCursor(QTextCursor::End);
    QTest::keyClicks(&view(), "x");
    editor.flushPendingUpdate();
    QTest::keyClick(&view(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), "{title: A}\nla la\n");
    EXPECT_EQ(view().textCursor().anchor(), 11);
    EXPECT_EQ(view().textCursor().position(), 13);
    EXPECT_EQ(song->text(), "{title: A}\nla la\n");
    EXPECT_FALSE(editor.updatePending());
    EXPECT_EQ(updates.count(), 4);

    view().redo();
    EXPECT_EQ(text(), "{title: A}\n{c:la}\n la\n");
    EXPECT_EQ(view().textCursor().position(), 11 + 7);
    EXPECT_EQ(song->text(), text());
    EXPECT_EQ(updates.count(), 5);
}

TEST_F(SongEditCommandsTest, ChordsAndMidiTextsReplaceTheSelection)
{
    show(songFile("a.pro", "{title: A}\nla la\n"));
    select(11, 13);
    editor.insertChord(QStringLiteral("Am"));
    editor.insertMidi(QStringLiteral("PC3@2"));
    EXPECT_EQ(text(), "{title: A}\n[Am]PC3@2 la\n");
    EXPECT_EQ(view().textCursor().position(), 20);
}

TEST_F(SongEditCommandsTest, NothingGoesIntoAPdfSongOrIntoNoSong)
{
    for (const SongPtr &song : {SongPtr(std::make_shared<PDFSong>(folder.filePath("b.pdf"))), SongPtr()}) {
        show(song);
        editor.insertChordproControl(QStringLiteral("[X]"));
        editor.insertFileLink(folder.filePath("score.pdf"));
        editor.insertChordproControl(QStringLiteral("{image src=\"...\"}\n"));
        EXPECT_EQ(text(), "");
        EXPECT_TRUE(dialogs.openPanelsShown.isEmpty());
    }
    EXPECT_EQ(updates.count(), 0);
}

TEST_F(SongEditCommandsTest, FileLinksReadBackToTheSamePath)
{
    const QString paths[] = {"/home/u/My Songs/a b.pdf", QStringLiteral("/tmp/x#1/100% é.pdf")};
    for (const QString &path : paths) {
        show(songFile("a.pro", "{title: A}\n"));
        view().moveCursor(QTextCursor::End);
        editor.insertFileLink(path);
        const QString link = text().mid(11);
        ASSERT_TRUE(link.startsWith("file:///") && link.endsWith(u'\n')) << qPrintable(link);
        EXPECT_EQ(view().textCursor().position(), text().size());
        OpenedUrls opened;
        EXPECT_TRUE(SongClicks::openLink(link.chopped(1)));
        ASSERT_EQ(opened.urls().size(), 1);
        EXPECT_EQ(opened.urls().constFirst().toLocalFile(), path);
    }
}

TEST_F(SongEditCommandsTest, AnImageIsCopiedNextToTheSongUnlessItIsThereAlready)
{
    QTemporaryDir elsewhere;
    const QByteArray red = png(qRgb(255, 0, 0));
    const QByteArray blue = png(qRgb(0, 0, 255));
    write(folder.filePath("own.png"), red);
    write(elsewhere.filePath("other.png"), blue);
    write(elsewhere.filePath("own.png"), blue);
    write(elsewhere.filePath("fake.png"), "not an image");
    // The song's folder reached through a link to it: the same files under another path.
    const QString alias = elsewhere.filePath("alias");
    ASSERT_TRUE(QFile::link(folder.path(), alias));

    struct Case
    {
        const char *why;
        QString chosen;
        QString line;
        const char *logged;
    };
    const Case cases[] = {
        {"already in the song's folder", folder.filePath("own.png"), "\n{image: src=\"own.png\"}\n", nullptr},
        {"the same file through a linked folder", alias + "/own.png", "\n{image: src=\"own.png\"}\n", nullptr},
        {"from elsewhere", elsewhere.filePath("other.png"), "\n{image: src=\"other.png\"}\n", nullptr},
        // Another song's image of that name stays as it is.
        {"a namesake of the song's image", elsewhere.filePath("own.png"), "\n{image: src=\"own1.png\"}\n", nullptr},
        {"no image", elsewhere.filePath("fake.png"), "", "Invalid image at "},
    };
    for (const Case &c : cases) {
        const SongPtr song = songFile("a.pro", "{title: A}\nla");
        show(song);
        select(11, 11);
        LogCapture log;
        dialogs.openPanelAnswers.push_back({c.chosen});
        editor.insertChordproControl(QStringLiteral("{image src=\"...\"}\n"));
        EXPECT_EQ(text(), "{title: A}\n" + c.line + "la") << c.why;
        EXPECT_EQ(view().textCursor().position(), 11) << c.why;
        EXPECT_EQ(song->text(), text()) << c.why;
        if (c.logged) {
            EXPECT_TRUE(log.hasLineStartingWith(c.logged)) << c.why;
        }
        EXPECT_EQ(read(folder.filePath("own.png")), red) << c.why;
    }
    EXPECT_EQ(read(folder.filePath("other.png")), blue);
    EXPECT_EQ(read(folder.filePath("own1.png")), blue);
    EXPECT_FALSE(QFile::exists(folder.filePath("fake.png")));
    const Dialogs::OpenPanel &panel = dialogs.openPanelsShown.constFirst();
    EXPECT_EQ(panel.message, "Select image to insert");
    EXPECT_EQ(panel.prompt, "Select Image");
    EXPECT_EQ(panel.allowedTypes, (QStringList{"jpg", "jpeg", "png"}));
    EXPECT_FALSE(panel.allowsMultipleSelection);
}

TEST_F(SongEditCommandsTest, AFailedCopyKeepsTheOldImageInsertsNothingAndIsTold)
{
    QTemporaryDir elsewhere;
    const QByteArray red = png(qRgb(255, 0, 0));
    write(folder.filePath("pic.png"), red);
    write(elsewhere.filePath("pic.png"), png(qRgb(0, 0, 255)));
    show(songFile("a.pro", "{title: A}\n"));
    for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
        const FailingWrites failing(step);
        LogCapture log;
        dialogs.openPanelAnswers.push_back({elsewhere.filePath("pic.png")});
        editor.insertImage();
        EXPECT_EQ(text(), "{title: A}\n");
        EXPECT_EQ(read(folder.filePath("pic.png")), red);
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Could not copy %1 to %2: ")
                                                .arg(elsewhere.filePath("pic.png"), folder.filePath("pic1.png"))));
        EXPECT_FALSE(QFile::exists(folder.filePath("pic1.png")));
        ASSERT_FALSE(context.failedWrites.isEmpty());
        EXPECT_EQ(context.failedWrites.takeLast().first, QStringLiteral("The copy of the image \u201cpic.png\u201d"));
    }
    // A cancelled panel inserts nothing either.
    editor.insertImage();
    EXPECT_EQ(text(), "{title: A}\n");
    EXPECT_EQ(updates.count(), 0);
}

TEST_F(SongEditCommandsTest, ATransposedSelectionStaysSelectedAndUndoesInOneStep)
{
    favor = u'#';
    const SongPtr song = songFile("a.pro", "{title: A}\n[C]la [Bb]li\n[C]end\n");
    show(song);
    select(11, 23);
    editor.transposeSelectionUp();
    EXPECT_EQ(text(), "{title: A}\n[C#]la [B]li\n[C]end\n");
    EXPECT_EQ(view().textCursor().selectedText(), "[C#]la [B]li");
    editor.transposeSelectionUp();
    EXPECT_EQ(text(), "{title: A}\n[D]la [C]li\n[C]end\n");
    EXPECT_EQ(song->text(), text());

    view().undo();
    view().undo();
    EXPECT_EQ(text(), "{title: A}\n[C]la [Bb]li\n[C]end\n");
    EXPECT_EQ(song->text(), text());
    favor = u'b';
    editor.transposeSelectionDown();
    EXPECT_EQ(text(), "{title: A}\n[B]la [A]li\n[C]end\n");
}

TEST_F(SongEditCommandsTest, ChordsCopiedFromLinesGoOntoOtherLyricLines)
{
    show(songFile("a.pro", "{title: A}\n[C]Hello [G]world\n[Am]Good [F]bye\nfoo bar baz\nqux quux\n"));
    const QString original = text();
    select(11, 43);
    EXPECT_TRUE(editor.validateMenuItem("copyChords"));
    editor.copyChords();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "[C]      [G]\n[Am]     [F]");

    const qsizetype lyrics = original.indexOf("foo");
    select(lyrics, lyrics + 20);
    EXPECT_TRUE(editor.validateMenuItem("applyChords"));
    editor.applyChords();
    EXPECT_EQ(text().mid(lyrics), "[C]foo ba[G]r baz\n[Am]qux q[F]uux\n");
    EXPECT_EQ(current->text(), text());

    select(lyrics, lyrics + 17);
    editor.removeChords();
    EXPECT_EQ(text().mid(lyrics), "foo bar baz\n[Am]qux q[F]uux\n");
    view().undo();
    view().undo();
    EXPECT_EQ(text(), original);
}

TEST_F(SongEditCommandsTest, TheEnabledStatesFollowSelectionTextAndClipboard)
{
    struct Case
    {
        const char *why;
        QString text;
        qsizetype start;
        qsizetype end;
        QString clipboard;
        // transpose, copy and remove chords, insert chords, trailing, leading, empty lines
        std::array<bool, 6> enabled;
    };
    const Case cases[] = {
        {"a selection with a chord", "{title: A}\n[C]la\nli", 11, 16, "", {true, true, false, false, false, false}},
        {"a selection without chords, chords to insert",
         "{title: A}\n[C]la\nli",
         17,
         19,
         "[G]",
         {true, false, true, false, false, false}},
        {"a selection with chords takes no more",
         "{title: A}\n[C]la\nli",
         11,
         16,
         "[G]",
         {true, true, false, false, false, false}},
        {"nothing selected: the whole text is looked at",
         "{title: A}\nla \n\n li",
         0,
         0,
         "[G]",
         {false, false, false, true, true, true}},
        {"white space in the selection only",
         "{title: A} \n la\n\nli",
         12,
         15,
         "",
         {true, false, false, false, true, false}},
    };
    for (const Case &c : cases) {
        show(songFile("a.pro", c.text.toUtf8()));
        QGuiApplication::clipboard()->setText(c.clipboard);
        select(c.start, c.end);
        const std::array<bool, 6> enabled = {
            editor.validateMenuItem("transposeSelectionUp") && editor.validateMenuItem("transposeSelectionDown"),
            editor.validateMenuItem("copyChords") && editor.validateMenuItem("removeChords"),
            editor.validateMenuItem("applyChords"),
            editor.validateMenuItem("removeTrailingSpaces"),
            editor.validateMenuItem("removeLeadingSpaces"),
            editor.validateMenuItem("removeEmptyLines"),
        };
        EXPECT_EQ(enabled, c.enabled) << c.why;
        EXPECT_TRUE(editor.validateMenuItem("syncViewWithEditor")) << c.why;
    }
}

TEST_F(SongEditCommandsTest, CleanUpAndTabConversionAreEachOneUndoStep)
{
    const SongPtr song = songFile("a.pro", "{title: A}  \n\nla  \n");
    show(song);
    editor.removeTrailingSpaces();
    EXPECT_EQ(text(), "{title: A}\n\nla\n");
    editor.removeEmptyLines();
    EXPECT_EQ(text(), "{title: A}\nla");
    EXPECT_EQ(song->text(), text());
    view().undo();
    EXPECT_EQ(text(), "{title: A}\n\nla\n");

    const QString tab = QStringLiteral("C     G\nHello world\n");
    show(songFile("b.pro", tab.toUtf8()));
    editor.convertTabToChordpro();
    EXPECT_EQ(text(), Song::convertedTabText(tab));
    EXPECT_NE(text(), tab);
    view().undo();
    EXPECT_EQ(text(), tab);
}

TEST_F(SongEditCommandsTest, UmlautsAreConvertedWithTheTypingNotYetTaken)
{
    prefs.setAllowAutoCorrectInEditor(true);
    const SongPtr song = songFile("a.pro", "{title: Baer}\n");
    show(song);
    view().moveCursor(QTextCursor::End);
    QTest::keyClicks(&view(), "schoen");
    editor.replaceUmlauts();
    EXPECT_EQ(text(), "{title: B\u00e4r}\nsch\u00f6n");
    EXPECT_EQ(song->text(), text());
    EXPECT_EQ(updates.count(), 2);
}

TEST_F(SongEditCommandsTest, TheChordNamesOfTheTextOnceEachSortedIgnoringCase)
{
    show(songFile("a.pro", "{title: A}\n[G]a [am]b [] [C]c\n[G]d [Am]e [Bb"));
    EXPECT_EQ(editor.currentChordNames(), (QStringList{"am", "Am", "C", "G"}));
}

TEST_F(SongEditCommandsTest, AReadOnlyEditorKeepsThePlatformsMenu)
{
    show(std::make_shared<PDFSong>(folder.filePath("b.pdf")));
    std::unique_ptr<QMenu> menu(view().createStandardContextMenu());
    const QList<QAction *> before = menu->actions();
    editor.contextMenu(*menu);
    EXPECT_EQ(menu->actions(), before);

    show(songFile("a.pro", "{title: A}\n[C]la"));
    menu.reset(view().createStandardContextMenu());
    editor.contextMenu(*menu);
    QStringList names;
    for (const QAction *action : menu->actions())
        names.append(action->objectName());
    EXPECT_EQ(names.mid(0, 2), (QStringList{"edit-undo", "edit-redo"}));
    EXPECT_TRUE(names.contains("removeEmptyLines"));
    EXPECT_LT(names.indexOf("allowAutoCorrectInEditor"), names.indexOf("edit-cut"));
}

TEST_F(SongEditCommandsTest, TheMenusUndoTakesTheSongBackAtOnce)
{
    prefs.setAllowAutoCorrectInEditor(true);
    const SongPtr song = songFile("a.pro", "{title: A}\n");
    show(song);
    view().moveCursor(QTextCursor::End);
    editor.insertChord("C");
    std::unique_ptr<QMenu> menu(view().createStandardContextMenu());
    editor.contextMenu(*menu);
    menu->actions().constFirst()->trigger();
    EXPECT_EQ(text(), "{title: A}\n");
    EXPECT_EQ(song->text(), "{title: A}\n");
    EXPECT_FALSE(editor.updatePending());
}

TEST_F(SongEditCommandsTest, AnImageForASongWithoutAFileGoesIntoTheSongFolder)
{
    QTemporaryDir elsewhere;
    write(elsewhere.filePath("pic.png"), png(qRgb(0, 255, 0)));
    prefs.setSongDirectoryPath(folder.path());
    const auto song = std::make_shared<Song>();
    song->setText(QStringLiteral("{title: New}\n"));
    show(song);
    view().moveCursor(QTextCursor::End);
    dialogs.openPanelAnswers.push_back({elsewhere.filePath("pic.png")});
    editor.insertImage();
    EXPECT_EQ(text(), "{title: New}\n\n{image: src=\"pic.png\"}\n");
    EXPECT_EQ(read(folder.filePath("pic.png")), png(qRgb(0, 255, 0)));
}
