// Entry point: sets the application's identity and hands control to Qt's event loop.
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vellorin"));
    QApplication::setApplicationName(QStringLiteral("vellorin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vellorin"));
    QApplication::setApplicationVersion(QStringLiteral(VELLORIN_VERSION));

    MainWindow window;
    window.show();
    return app.exec();
}
