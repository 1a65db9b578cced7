// The form in which the song search compares texts: without case and without accents.
#pragma once

#include <QString>

class SearchText
{
public:
    // The text decomposed, without its combining marks, case-folded: "Café" and "CAFE" both give "cafe".
    // A folded needle is found in a folded text exactly when the search ignoring case and diacritics finds it.
    static QString folded(const QString &text);
};
