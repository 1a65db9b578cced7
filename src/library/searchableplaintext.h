// What a text song is searched by: its plain text, folded, in UTF-8, made in one pass over the song's text.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <initializer_list>

class SearchablePlainText
{
public:
    // Song::plainTextOf(songText) folded by SearchText::folded, as UTF-8. Any thread. Cheap enough to run for
    // every song of a large library: markup is stepped over by hand and plain ASCII is lowered byte by byte.
    static QByteArray of(const QString &songText);

    // SearchText::folded(text) as UTF-8, made in the same one pass: what titles, keys and the typed text are
    // compared in.
    static QByteArray folded(const QString &text);
    // Each text folded as by folded() and followed by the byte closing, all in one array.
    static QByteArray foldedEach(std::initializer_list<QStringView> texts, char closing);

private:
    // The same by the markup pattern itself, for texts whose line breaks, spaces or surrogates the pass by
    // hand leaves to it.
    static QByteArray byPattern(const QString &songText);
};
