// The main() of every test executable: a private home folder and a headless application.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Points HOME and the XDG folders at a fresh folder, so no test reads or writes the user's files
// and parallel test processes never share settings.
void useTemporaryHome(const QTemporaryDir &home)
{
    const QByteArray root = home.path().toUtf8();
    setenv("HOME", root.constData(), 1);
    setenv("XDG_DATA_HOME", (root + "/.local/share").constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/.config").constData(), 1);
    setenv("XDG_CACHE_HOME", (root + "/.cache").constData(), 1);
}

// Lets fontconfig see only the fonts the set-up installs (tests/fonts.conf), so text is measured and drawn
// alike on every machine, whatever fonts the desktop has besides.
void useProjectFonts()
{
    setenv("FONTCONFIG_FILE", VELLORIN_TEST_FONTCONFIG, 1);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    useTemporaryHome(home);
    useProjectFonts();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vellorin"));
    QApplication::setApplicationName(QStringLiteral("vellorin"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
