// The application launched on a song folder made by the test, with the real panes and scripted dialogs.
#pragma once

#include "fakeclock.h"
#include "scripteddialogs.h"
#include "song.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class Prefs;
class SongEditViewController;
class SongListViewController;
class SongTableView;
class VellorinAppDelegate;

class PanesTestWindow : public ::testing::Test
{
protected:
    PanesTestWindow();
    ~PanesTestWindow() override;

    // Launches on the test's song folder (nothing stored: no song folder), and waits for the library's load.
    void launch(bool withSongFolder = true);
    // The same, returning while the library still loads.
    void startLaunch(bool withSongFolder = true);
    // The sample folder:
    //   Amazing Grace.pro (Traditional, G)   Live/Wild Rover.pro (D)   Live/amsterdam.pro (Brel, Am)
    //   Blues/Yesterday.pro (Beatles, F)
    void writeSampleFolder();
    QString write(const QString &relativePath, const QString &text);
    QString path(const QString &relativePath) const;
    static QString read(const QString &path);

    SongListViewController &songList() const;
    SongEditViewController &editor() const;
    SongTableView &table() const;
    Prefs &prefs() const;
    // The titles of the list's rows, in order.
    QStringList rowTitles() const;
    int rowOfTitle(const QString &title) const;
    // A click on the row, as the user makes it.
    void clickRow(int row);
    // Selects the rows of these titles as the program does, asking nothing.
    void selectRows(const QStringList &titles);
    // Text typed at the end of the editor and not yet saved.
    void typeIntoEditor(const QString &text);
    // The song the song pane shows once it has refreshed.
    SongPtr songPaneSong() const;
    SongPtr currentSong() const;

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    std::unique_ptr<VellorinAppDelegate> delegate;
};
