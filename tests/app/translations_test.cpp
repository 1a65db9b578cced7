// The string catalogues: the window speaks German with the German one, and English stays for a language we
// have no catalogue for.
#include "translations.h"

#include "mainmenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

QStringList menuTitles()
{
    QMainWindow window;
    const MainMenus menus(window);
    QStringList titles;
    for (const QAction *top : window.menuBar()->actions())
        titles.append(top->text());
    titles.append(menus.action(QStringLiteral("actOpenDocument"))->text());
    return titles;
}

// Removes the catalogues again whatever the test found, so later tests read English.
struct InstalledTranslations
{
    explicit InstalledTranslations(const QLocale &locale)
        : found(Translations::install(locale))
    {}
    ~InstalledTranslations() { Translations::remove(); }
    const bool found;
};

} // namespace

TEST(Translations, TheGermanCatalogueTranslatesMenusAndAlertButtons)
{
    const InstalledTranslations german(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(german.found);
    EXPECT_EQ(menuTitles(),
              (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Lied", "&Werkzeuge", "&Hilfe", "Öffnen…"}));
    EXPECT_EQ(QCoreApplication::translate("VellorinAppDelegate", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("VellorinAppDelegate", "The file %1 could not be read.").arg("a.pro"),
              QStringLiteral("Die Datei a.pro konnte nicht gelesen werden."))
        << "the placeholder survives";
    EXPECT_EQ(QCoreApplication::translate("EditorContextMenu", "Remove empty lines"),
              QStringLiteral("Leere Zeilen entfernen"));
}

TEST(Translations, ALanguageWithoutACatalogueStaysEnglish)
{
    const InstalledTranslations swahili(QLocale(QLocale::Swahili, QLocale::Kenya));
    EXPECT_FALSE(swahili.found);
    EXPECT_EQ(menuTitles(), (QStringList{"&File", "&Edit", "&View", "&Song", "&Tools", "&Help", "Open…"}));
}
