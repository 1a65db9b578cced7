// A song folder made by the test, with the shared settings pointing at it.
#pragma once

#include "fakeappcontext.h"
#include "prefs.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class LibraryFolder : public ::testing::Test
{
protected:
    LibraryFolder();

    // The absolute path of a file or folder of the song folder.
    QString path(const QString &relativePath) const;
    // Writes a file (making its folders); with minutesAgo set, the file's modification time is that far back.
    QString write(const QString &relativePath, const QByteArray &bytes, int minutesAgo = -1);
    static QByteArray read(const QString &path);
    // A song text with these directives.
    static QByteArray songText(const QString &title, const QString &subtitle = QString(),
                               const QString &more = QString());
    // A one-page PDF document holding the text.
    static QByteArray pdfWithText(const QString &text);

    // The folder most tests share:
    //   Amazing Grace.pro (hymn, G, 4:05)   Blues.tab (a tab song)   Hallelujah.pdf (text "Moonlight")
    //   Guitar.chords.txt (no song)   notes.md (no song)   .hidden.pro (hidden)
    //   acoustic/Yesterday.cho   Ballads/Café Song.pro (hymn)   Rock/Highway.pro (rock, Em)
    //   Rock/Deep/Nested.pro (too deep)   .Hidden/Secret.pro (hidden category)
    void writeSampleFolder();

    QTemporaryDir folder;
    Prefs prefs;
    FakeAppContext context;
};
