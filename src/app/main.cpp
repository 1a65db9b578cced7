// Entry point: sets the application's identity, hands the files to a running Vellorin if there is one, makes the
// application delegate, launches and hands control to Qt's event loop. Files named on the command line are
// opened as songs.
#include "clock.h"
#include "heappolicy.h"
#include "mainwindowpanes.h"
#include "messageboxdialogs.h"
#include "paths.h"
#include "singleinstance.h"
#include "songview.h"
#include "tcppeersession.h"
#include "translations.h"
#include "vellorinappdelegate.h"
#include "windowset.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    HeapPolicy::keepFreedMemory();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vellorin"));
    QApplication::setApplicationName(QStringLiteral("vellorin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vellorin"));
    QApplication::setApplicationVersion(QStringLiteral(VELLORIN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(VELLORIN_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" VELLORIN_APP_ID ".svg")));

    const QStringList files = QApplication::arguments().mid(1);
    SingleInstance instance(SingleInstance::serverNameFor(Paths::supportDirectory()));
    if (instance.handOver(files))
        return 0;
    instance.listen();

    Translations::install(QLocale::system());
    MessageBoxDialogs dialogs;
    WindowSet windows(dialogs);
    VellorinAppDelegate delegate(dialogs, MainWindowPanes::maker(dialogs, Clock::system()));
    delegate.setToolWindows(&windows);
    delegate.setPeerSessionMaker(TcpPeerSession::maker(dialogs));
    QObject::connect(&instance, &SingleInstance::filesHandedOver, &delegate,
                     &VellorinAppDelegate::openFilesFromAnotherStart);
    delegate.applicationDidFinishLaunching();
    for (const QString &path : files)
        delegate.openFile(path);
    // Once the window shows, while the user picks a song.
    QTimer::singleShot(0, &SongView::prepareFonts);
    return app.exec();
}
