// The data a song text carries in directives besides its metadata (tags, users, chord definitions, tuning),
// read and rewritten as pure functions of the text; and the text's checksum and umlaut spelling.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class SongTextData
{
public:
    // The values of "{tag: ...}" (lower-case name), without surrounding white space.
    static QSet<QString> tags(const QString &text);
    // The text with "\n{tag: tag}" at its very end.
    static QString textWithTag(const QString &text, const QString &tag);
    // The text without the first tag directive of that exact value (the line break before it stays);
    // nothing when there is none.
    static std::optional<QString> textWithoutTag(const QString &text, const QString &tag);

    // The names behind "-" in "{c-...:", "{comment-...:" and "{instrument-...:" (any case), in text
    // order, repeats kept.
    static QStringList users(const QString &text);

    // The text with "\n{define: definition}" at its end.
    static QString textWithChordDefinition(const QString &text, const QString &definition);
    // The definition string of the chord defined exactly by that name ("{define: Am ...}" at a line start,
    // also the first); it ends at "}" or at the end of its line.
    static std::optional<QString> chordDefinition(const QString &text, const QString &name);
    // The text without that definition and the line breaks that opened its line; nothing when there is none.
    static std::optional<QString> textWithoutChordDefinition(const QString &text, const QString &name);

    // A tuning value when it names at least four notes (split at single blanks); nothing otherwise.
    static std::optional<QString> tuning(const QString &value);

    // The SHA-1 digest of the UTF-8 text folded into 32 bits; nearby devices compare songs by it.
    static quint32 checksum(const QString &text);
    // Spelled-out umlauts ("ae", "oe", "ue" and their capitals) as umlauts, anywhere in the text.
    static QString replacedUmlauts(const QString &text);
};
