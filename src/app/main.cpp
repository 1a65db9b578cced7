// Entry point: sets the application's identity, makes the application delegate, launches and hands control to
// Qt's event loop. Files named on the command line are opened as songs.
#include "clock.h"
#include "mainwindowpanes.h"
#include "messageboxdialogs.h"
#include "vellorinappdelegate.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vellorin"));
    QApplication::setApplicationName(QStringLiteral("vellorin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vellorin"));
    QApplication::setApplicationVersion(QStringLiteral(VELLORIN_VERSION));

    MessageBoxDialogs dialogs;
    VellorinAppDelegate delegate(dialogs, MainWindowPanes::maker(dialogs, Clock::system()));
    delegate.applicationDidFinishLaunching();
    for (const QString &path : QApplication::arguments().mid(1))
        delegate.openFile(path);
    return app.exec();
}
