// Filling an insert template ("X" stands for the selected text) into the text to insert and the caret offset.
#pragma once

#include <QList>
#include <QString>

class EditorTemplate
{
public:
    struct Input
    {
        QString templateText;
        // The selected text; empty when nothing is selected.
        QString selection;
        // The character right after the selection; null at the end of the text.
        QChar next;
        // The open tones of the current instrument's strings, first string first.
        QList<int> stringTones;
    };

    struct Result
    {
        QString text;
        // Where the caret goes, counted from the start of the selection replaced.
        qsizetype caret = 0;
        // The template asks for an image file instead: nothing is inserted from the text.
        bool chooseImage = false;
        bool operator==(const Result &other) const = default;
    };

    static Result fill(const Input &input);

    // Each non-empty blank-separated word of the words as the template with "X" replaced by the word; every
    // part, an empty one between two blanks too, is followed by one blank.
    static QString applyToWords(const QString &words, const QString &templateText);
    // A blank between every bar sign and a letter or digit that touches it.
    static QString fixChordGrid(const QString &grid);
    // An empty tab line per string, the last string first, each named after its open tone.
    static QString defaultTab(const QList<int> &stringTones);
};
