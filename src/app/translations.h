// The user-visible strings in the user's language: our catalogue and Qt's own for the standard dialogs.
#pragma once

#include <QLocale>

class QTranslator;

class Translations
{
public:
    // Installs our catalogue for the locale's language and, when the system has it, Qt's "qtbase" one.
    // Answers whether our catalogue was found; without it every string stays English.
    static bool install(const QLocale &locale);
    // Removes what install() put in, so a test can go back to English.
    static void remove();
};
