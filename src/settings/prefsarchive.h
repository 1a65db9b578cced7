// The settings archive: every persisted setting of Prefs under its key, as a JSON object.
#pragma once

#include <QJsonObject>

#include <memory>

class Prefs;

class PrefsArchive
{
public:
    // All 71 keys; "currentCategory", "currentTag" and "currentUser" only when set, "currentSong",
    // "currentPlaylist" and "layout" always (null when unset). Floating-point values at single precision.
    static QJsonObject encode(const Prefs &prefs);
    // Defaults first, then every key that is present with a value of its kind. "songDirectory" (a path) is
    // read when "songDirectoryURL" is absent. numPrintChordsPerRow outside 4..12 becomes 8.
    static std::unique_ptr<Prefs> decode(const QJsonObject &archive);

private:
    // Whether a string setting without a value is written (as null) or left out.
    enum class Nil { Omitted, Written };
    struct Writer;
    struct Reader;
    // Hands every archived member with its key to the visitor; the one list both directions share.
    template <class PrefsType, class Visitor> static void visit(PrefsType &prefs, Visitor &visitor);
};
