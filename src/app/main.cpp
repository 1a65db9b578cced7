// Entry point: sets the application's identity, starts the review prompt and hands control to Qt's event loop.
#include "appreviewmanager.h"
#include "mainwindow.h"
#include "messageboxdialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vellorin"));
    QApplication::setApplicationName(QStringLiteral("vellorin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vellorin"));
    QApplication::setApplicationVersion(QStringLiteral(VELLORIN_VERSION));

    MessageBoxDialogs dialogs;
    AppReviewManager &reviews = AppReviewManager::defaultManager();
    reviews.setAppID(QStringLiteral("1000000001"));
    reviews.setDialogs(&dialogs);

    MainWindow window;
    window.show();

    // Launching has finished: the use is counted first, so the check below sees it.
    reviews.applicationDidFinishLaunching();
    reviews.showPromptIfNecessary();
    return app.exec();
}
