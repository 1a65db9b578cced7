// The string catalogues: the window speaks German with the German one, and English stays for a language we
// have no catalogue for.
#include "translations.h"

#include "instrument.h"
#include "mainmenus.h"
#include "song.h"

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

// A failure alert names what failed by a phrase translated on its own and set into one of two sentences; in
// German the phrases are genitives, so a singular and a plural subject read right in the same sentence, and
// song titles take the German quotation marks.
TEST(Translations, GermanFailureAlertsReadAsWholeSentences)
{
    const InstalledTranslations german(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(german.found);
    const QString a = Song::fromTitleSubtitleReference(QStringLiteral("A"))->quotedTitle();
    const QString b = Song::fromTitleSubtitleReference(QStringLiteral("B"))->quotedTitle();
    struct Case
    {
        const char *sentence;
        const char *context;
        const char *what;
        QString argument;
        QString expected;
    };
    const Case cases[] = {
        {"%1 could not be saved.", "Prefs", "The preferences", {}, "Das Sichern der Einstellungen ist fehlgeschlagen."},
        {"%1 could not be saved.", "Chords", "Your chords for the %1", Instrument::fromPath("Guitar.pdb").displayName(),
         "Das Sichern Ihrer Akkorde f\u00fcr Gitarre ist fehlgeschlagen."},
        {"%1 could not be saved.", "PlayList", "The playlist \u201c%1\u201d", "Gig",
         "Das Sichern der Playlist \u201eGig\u201c ist fehlgeschlagen."},
        {"%1 could not be moved to the Trash.", "SongTrash", "The song %1", a,
         "Das Verschieben des Lieds \u201eA\u201c in den Papierkorb ist fehlgeschlagen."},
        {"%1 could not be moved to the Trash.", "SongTrash", "The songs %1", a + ", " + b,
         "Das Verschieben der Lieder \u201eA\u201c, \u201eB\u201c in den Papierkorb ist fehlgeschlagen."},
    };
    for (const Case &c : cases) {
        QString what = QCoreApplication::translate(c.context, c.what);
        if (!c.argument.isEmpty())
            what = what.arg(c.argument);
        EXPECT_EQ(QCoreApplication::translate("VellorinAppDelegate", c.sentence).arg(what), c.expected) << c.what;
    }
}

TEST(Translations, ALanguageWithoutACatalogueStaysEnglish)
{
    const InstalledTranslations swahili(QLocale(QLocale::Swahili, QLocale::Kenya));
    EXPECT_FALSE(swahili.found);
    EXPECT_EQ(menuTitles(), (QStringList{"&File", "&Edit", "&View", "&Song", "&Tools", "&Help", "Open…"}));
}
