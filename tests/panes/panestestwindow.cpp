#include "panestestwindow.h"

#include "doubleclicktextview.h"
#include "libraryload.h"
#include "mainwindowpanes.h"
#include "paths.h"
#include "prefs.h"
#include "songeditviewcontroller.h"
#include "songlistviewcontroller.h"
#include "songs.h"
#include "songtableview.h"
#include "songviewviewcontroller.h"
#include "textfile.h"
#include "userdefaults.h"
#include "vellorinappdelegate.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

PanesTestWindow::PanesTestWindow()
{
    // Each test starts as a first launch: no settings, no stored folder or pane widths.
    QDir(Paths::supportDirectory()).removeRecursively();
    for (const char *key :
         {"songDirSecurityBookmark", "currentSongPath", "songListViewController.width", "songViewViewController.width",
          "songEditViewController.width", "mainWindow.geometry", "mainWindow.maximized"})
        UserDefaults::remove(QString::fromLatin1(key));
}

PanesTestWindow::~PanesTestWindow() = default;

void PanesTestWindow::launch(bool withSongFolder)
{
    startLaunch(withSongFolder);
    EXPECT_TRUE(waitForLibrary(*delegate->songs()));
    QCoreApplication::processEvents();
}

void PanesTestWindow::startLaunch(bool withSongFolder)
{
    if (withSongFolder)
        UserDefaults::setValue(QStringLiteral("songDirSecurityBookmark"), folder.path());
    delegate = std::make_unique<VellorinAppDelegate>(dialogs, MainWindowPanes::maker(dialogs, clock));
    delegate->applicationDidFinishLaunching();
}

void PanesTestWindow::writeSampleFolder()
{
    write("Amazing Grace.pro", "{title: Amazing Grace}\n{subtitle: Traditional}\n{key: G}\n[G]Amazing [C]grace\n");
    write("Live/Wild Rover.pro", "{title: Wild Rover}\n{key: D}\n[D]I've been a wild rover\n");
    write("Live/amsterdam.pro", "{title: amsterdam}\n{subtitle: Brel}\n{key: Am}\n[Am]Dans le port\n");
    write("Blues/Yesterday.pro", "{title: Yesterday}\n{subtitle: Beatles}\n{key: F}\n[F]Yesterday\n");
}

QString PanesTestWindow::write(const QString &relativePath, const QString &text)
{
    const QString file = path(relativePath);
    EXPECT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    EXPECT_TRUE(TextFile::write(file, text));
    return file;
}

QString PanesTestWindow::path(const QString &relativePath) const
{
    return QDir(folder.path()).filePath(relativePath);
}

QString PanesTestWindow::read(const QString &path)
{
    return TextFile::read(path, TextFile::LastResort::Latin1).value_or(QString());
}

SongListViewController &PanesTestWindow::songList() const
{
    return *dynamic_cast<SongListViewController *>(delegate->panes().songList);
}

SongEditViewController &PanesTestWindow::editor() const
{
    return *dynamic_cast<SongEditViewController *>(delegate->panes().songEdit);
}

SongTableView &PanesTestWindow::table() const
{
    return *songList().songsTable();
}

Prefs &PanesTestWindow::prefs() const
{
    return *delegate->prefs();
}

QStringList PanesTestWindow::rowTitles() const
{
    QStringList titles;
    for (int row = 0; row < delegate->songs()->numberOfRows(); ++row)
        titles.append(delegate->songs()->songForRow(row)->title());
    return titles;
}

int PanesTestWindow::rowOfTitle(const QString &title) const
{
    return int(rowTitles().indexOf(title));
}

void PanesTestWindow::clickRow(int row)
{
    const QRect rect = table().visualRect(table().model()->index(row, 0));
    QTest::mouseClick(table().viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QCoreApplication::processEvents();
}

void PanesTestWindow::selectRows(const QStringList &titles)
{
    const QSignalBlocker quiet(table().selectionModel());
    table().clearSelection();
    for (const QString &title : titles)
        table().selectionModel()->select(table().model()->index(rowOfTitle(title), 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void PanesTestWindow::typeIntoEditor(const QString &text)
{
    editor().songTextView()->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor().songTextView(), text);
}

SongPtr PanesTestWindow::songPaneSong() const
{
    QCoreApplication::processEvents();
    return delegate->songViewViewController()->song();
}

SongPtr PanesTestWindow::currentSong() const
{
    return delegate->currentSong();
}
