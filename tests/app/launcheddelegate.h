// The delegate launched on its song folder, which holds one song in the category "Rock" (so the library makes no
// sample song, whose write would pause the folder watching).
#pragma once

#include "appdelegatefixture.h"
#include "mainwindow.h"
#include "prefs.h"
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

    QString root() const { return QFileInfo(folder.path()).absoluteFilePath(); }
    QString path(const QString &relative) const { return QDir(root()).filePath(relative); }
};
