// The delegate launched on its song folder, which holds one song in the category "Rock" (so the library makes no
// sample song, whose write would pause the folder watching).
#pragma once

#include "appdelegatefixture.h"
#include "mainwindow.h"
#include "prefs.h"
#include "songs.h"
#include "testfiles.h"

class LaunchedDelegateTest : public AppDelegateTest
{
protected:
    void SetUp() override
    {
        AppDelegateTest::SetUp();
        TestFiles::write(path(QStringLiteral("Rock/first.pro")), "{title: First}\n[G]la");
    }

    void launchOnFolder()
    {
        launch(folder.path());
        calls.calls.clear();
    }

    // Launched with the library showing the category "Rock" (where imported songs go).
    void launchInRock()
    {
        launchOnFolder();
        delegate->songs()->setCurrentCategory(QStringLiteral("Rock"));
        delegate->songs()->refresh();
    }

    // A file of another program, its bytes as given (a song by default).
    QString outside(const QString &name, const QByteArray &bytes = "{title: Dropped}\nla")
    {
        return TestFiles::write(QDir(elsewhere.path()).filePath(name), bytes);
    }

    QString root() const { return QFileInfo(folder.path()).absoluteFilePath(); }
    QString path(const QString &relative) const { return QDir(root()).filePath(relative); }

    // Where the files of other programs lie.
    QTemporaryDir elsewhere;
};
