#include "songeditviewcontroller.h"

#include "doubleclicktextview.h"
#include "fakeappcontext.h"
#include "logcapture.h"
#include "pdfsong.h"
#include "prefs.h"
#include "songsyntaxhighlighter.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class SongEditViewControllerTest : public ::testing::Test
{
protected:
    SongEditViewControllerTest() { context.prefsObject = &prefs; }

    SongPtr songFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        return std::make_shared<Song>(path);
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    void show(const SongPtr &song)
    {
        current = song;
        editor.refresh();
    }
    void typeAtEnd(const QString &keys)
    {
        editor.songTextView()->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor.songTextView(), keys);
    }

    QTemporaryDir folder;
    FakeAppContext context;
    Prefs prefs;
    SongPtr current;
    SongEditViewController editor{[this] { return current; }, {}};
    QSignalSpy updates{&editor, &SongEditViewController::songTextChanged};
};

} // namespace

TEST_F(SongEditViewControllerTest, LoadsTheCurrentSongCleanAndEditable)
{
    show(songFile("a.pro", "{title: A}\n[C]la\n"));
    EXPECT_EQ(editor.songTextView()->rawText(), "{title: A}\n[C]la\n");
    EXPECT_FALSE(editor.songTextView()->isReadOnly());
    EXPECT_FALSE(editor.isDirty());
    EXPECT_EQ(editor.origText(), QString("{title: A}\n[C]la\n"));
    EXPECT_EQ(updates.count(), 0);
}

TEST_F(SongEditViewControllerTest, NoSongAndPdfSongsAreEmptyReadOnlyAndNeverDirty)
{
    show(songFile("a.pro", "{title: A}\n"));
    show(std::make_shared<PDFSong>(folder.filePath("b.pdf")));
    EXPECT_EQ(editor.songTextView()->rawText(), "");
    EXPECT_TRUE(editor.songTextView()->isReadOnly());
    EXPECT_FALSE(editor.origText());
    EXPECT_FALSE(editor.isDirty());

    show(nullptr);
    EXPECT_TRUE(editor.songTextView()->isReadOnly());
    EXPECT_FALSE(editor.isDirty());
}

TEST_F(SongEditViewControllerTest, TypingUpdatesTheSongAtOnceAndColouringIsNoTyping)
{
    const SongPtr song = songFile("a.pro", "{title: A}\n[C]la");
    show(song);
    editor.highlighter()->rehighlight();
    editor.performSyntaxColoring();
    EXPECT_EQ(updates.count(), 0);

    typeAtEnd("ab");
    EXPECT_EQ(song->text(), "{title: A}\n[C]laab");
    // One update per keystroke: recolouring after an update does not count as a change of the text.
    EXPECT_EQ(updates.count(), 2);
    EXPECT_TRUE(editor.isDirty());
    QCoreApplication::processEvents();
    EXPECT_EQ(updates.count(), 2);
}

TEST_F(SongEditViewControllerTest, WithSmartInsertABurstOfTypingIsOneUpdateAndNeverLost)
{
    prefs.setAllowAutoCorrectInEditor(true);
    const SongPtr song = songFile("a.pro", "{title: A}\n");
    show(song);
    typeAtEnd("0123456789");
    EXPECT_EQ(updates.count(), 0);
    EXPECT_TRUE(editor.updatePending());
    EXPECT_EQ(song->text(), "{title: A}\n");

    // Asking for unsaved changes within the delay carries the waiting update into the song first.
    EXPECT_TRUE(editor.isDirty());
    EXPECT_EQ(updates.count(), 1);
    EXPECT_EQ(song->text(), "{title: A}\n0123456789");
    EXPECT_FALSE(editor.updatePending());
}

TEST_F(SongEditViewControllerTest, ATimedOutUpdateWritesTheSong)
{
    prefs.setAllowAutoCorrectInEditor(true);
    const SongPtr song = songFile("a.pro", "{title: A}\n");
    show(song);
    typeAtEnd("x");
    EXPECT_TRUE(QTest::qWaitFor([&] { return updates.count() == 1; }, 3000));
    EXPECT_EQ(song->text(), "{title: A}\nx");
}

TEST_F(SongEditViewControllerTest, LoadingAnotherSongFirstCarriesTheWaitingEditIntoTheFormerOne)
{
    prefs.setAllowAutoCorrectInEditor(true);
    const SongPtr first = songFile("a.pro", "{title: A}\n");
    const SongPtr second = songFile("b.pro", "{title: B}\n");
    show(first);
    typeAtEnd("x");
    show(second);
    EXPECT_EQ(first->text(), "{title: A}\nx");
    EXPECT_EQ(second->text(), "{title: B}\n");
    EXPECT_EQ(editor.songTextView()->rawText(), "{title: B}\n");
    EXPECT_FALSE(editor.isDirty());
}

TEST_F(SongEditViewControllerTest, CrLfSongLoadsCleanAndIsSavedWithLineFeeds)
{
    const SongPtr song = songFile("crlf.pro", "{title: A}\r\nla\r\n");
    show(song);
    QCoreApplication::processEvents();
    EXPECT_FALSE(editor.isDirty());
    EXPECT_EQ(song->text(), "{title: A}\r\nla\r\n");
    editor.refresh();
    EXPECT_FALSE(editor.isDirty());

    typeAtEnd("x");
    EXPECT_TRUE(editor.isDirty());
    ASSERT_TRUE(song->save());
    EXPECT_EQ(read(song->path()), "{title: A}\nla\nx");
}

TEST_F(SongEditViewControllerTest, KeepsNoBreakSpacesAndLineSeparators)
{
    const SongPtr song = songFile("a.pro", "{title: A}\n");
    show(song);
    editor.songTextView()->moveCursor(QTextCursor::End);
    editor.songTextView()->insertPlainText(QStringLiteral("a\u00a0b\u2028c"));
    EXPECT_EQ(song->text(), QStringLiteral("{title: A}\na\u00a0b\u2028c"));
}

TEST_F(SongEditViewControllerTest, TabSongsAreColouredOnceTheyHaveATitle)
{
    const SongPtr song = songFile("a.pro", "C   G\nla  la\n");
    show(song);
    EXPECT_TRUE(editor.isTab());
    EXPECT_FALSE(editor.highlighter()->coloring());

    editor.songTextView()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(editor.songTextView(), "{title: T}");
    QTest::keyClick(editor.songTextView(), Qt::Key_Return);
    EXPECT_FALSE(editor.isTab());
    EXPECT_TRUE(editor.highlighter()->coloring());

    prefs.setSupportTabs(false);
    show(songFile("b.pro", "C   G\n"));
    EXPECT_FALSE(editor.isTab());
}

TEST_F(SongEditViewControllerTest, DiscardingEditsRestoresSongAndEditor)
{
    const SongPtr song = songFile("a.pro", "{title: A}\n");
    show(song);
    typeAtEnd("xyz");
    editor.discardEdits();
    EXPECT_EQ(song->text(), "{title: A}\n");
    EXPECT_EQ(editor.songTextView()->rawText(), "{title: A}\n");
    EXPECT_FALSE(editor.isDirty());
}

TEST_F(SongEditViewControllerTest, ShowingTheSongAgainKeepsItsEditsUntilTheSongIsStored)
{
    // Showing the song already shown (re-selecting it, a capo change) used to take the typed text as saved.
    prefs.setAllowAutoCorrectInEditor(true); // the word typed last still waits to be taken
    const SongPtr song = songFile("a.pro", "{title: A}\n");
    show(song);
    typeAtEnd("word");
    show(song);
    EXPECT_TRUE(editor.isDirty());
    EXPECT_EQ(song->text(), "{title: A}\nword");
    EXPECT_EQ(editor.songTextView()->rawText(), "{title: A}\nword");
    EXPECT_EQ(editor.origText(), QString("{title: A}\n"));

    // Stored, the text loaded counts as saved: once written to the file, once read back from it.
    ASSERT_TRUE(song->save());
    show(song);
    EXPECT_FALSE(editor.isDirty());
    EXPECT_EQ(editor.origText(), QString("{title: A}\nword"));

    typeAtEnd("s");
    editor.flushPendingUpdate();
    ASSERT_TRUE(song->reloadFromDisk()); // the typing discarded
    show(song);
    EXPECT_FALSE(editor.isDirty());
    EXPECT_EQ(editor.songTextView()->rawText(), "{title: A}\nword");
}

TEST_F(SongEditViewControllerTest, SwitchingTheDelayKeepsUnsavedEdits)
{
    prefs.setAllowAutoCorrectInEditor(true);
    const SongPtr song = songFile("a.pro", "{title: A}\n");
    show(song);
    typeAtEnd("x");
    editor.allowAutoCorrectInEditor();
    EXPECT_FALSE(prefs.allowAutoCorrectInEditor());
    EXPECT_EQ(song->text(), "{title: A}\nx");
    EXPECT_TRUE(editor.isDirty());
}

TEST_F(SongEditViewControllerTest, DroppedFilesBecomeLinksExceptSongs)
{
    show(songFile("a.pro", "{title: A}\n"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(folder.filePath("score.pdf")), QUrl::fromLocalFile(folder.filePath("b.pro"))});
    editor.show();
    QWidget *viewport = editor.songTextView()->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    const QString link = QUrl::fromLocalFile(folder.filePath("score.pdf")).toString(QUrl::FullyEncoded) + u'\n';
    EXPECT_EQ(editor.songTextView()->rawText(), link + "{title: A}\n");
    EXPECT_EQ(current->text(), editor.songTextView()->rawText());
}

TEST_F(SongEditViewControllerTest, TheSongPaneFollowsTheEditorWhileTheSettingIsOn)
{
    QSignalSpy syncs(&editor, &SongEditViewController::syncSongView);
    QString text = QStringLiteral("{title: A}\n");
    for (int line = 0; line < 200; ++line)
        text += QStringLiteral("line %1\n").arg(line);
    show(songFile("long.pro", text.toUtf8()));
    editor.resize(300, 200);
    editor.show();
    editor.songTextView()->verticalScrollBar()->setValue(50);
    EXPECT_EQ(syncs.count(), 0);

    editor.syncViewWithEditor();
    EXPECT_TRUE(prefs.syncViewWithEditor());
    ASSERT_EQ(syncs.count(), 1);
    EXPECT_EQ(text.mid(syncs.at(0).at(0).toLongLong(), 7), "line 49");
}

TEST_F(SongEditViewControllerTest, ADarkAppearanceRecoloursAtOnce)
{
    show(songFile("a.pro", "{title: A}\n[C]la"));
    EXPECT_FALSE(editor.highlighter()->dark());
    LogCapture log;
    QPalette dark = editor.palette();
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    editor.songTextView()->setPalette(dark);
    editor.setPalette(dark);
    EXPECT_TRUE(editor.highlighter()->dark());
    EXPECT_TRUE(log.lines().contains("light/dark theme changed"));
    EXPECT_EQ(updates.count(), 0);
    EXPECT_FALSE(editor.isDirty());
}

TEST_F(SongEditViewControllerTest, ADoubleClickOnAChordSelectsItWithItsBrackets)
{
    show(songFile("a.pro", "{title: A}\nla [Am]day x"));
    editor.resize(400, 200);
    editor.show();
    DoubleClickTextView &view = *editor.songTextView();
    QTextCursor at(view.document());
    at.setPosition(QStringLiteral("{title: A}\nla [A").size());
    const QPoint point = view.cursorRect(at).center() + QPoint(2, 0);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, point);
    EXPECT_EQ(view.textCursor().selectedText(), "[Am]");

    // A right-button double-click keeps the selection.
    QTest::mouseDClick(view.viewport(), Qt::RightButton, Qt::NoModifier, point + QPoint(30, 0));
    EXPECT_EQ(view.textCursor().selectedText(), "[Am]");
}
