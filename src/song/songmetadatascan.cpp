// One pass over the "{" of a song text, as loading a library does for every song.
#include "songmetadatascan.h"

#include "song.h"
#include "tagdirective.h"
#include "textchars.h"
#include "titledirectives.h"

#include <QStringList>
#include <QVarLengthArray>

namespace {

// Whether the name is the wanted one (lower-case ASCII) ignoring case, as QStringView::compare tells it: ASCII
// is compared here, the rare other characters (a few fold to ASCII letters) by Qt.
bool isName(QStringView name, QStringView wanted)
{
    if (name.size() != wanted.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (unit >= 0x80)
            return name.compare(wanted, Qt::CaseInsensitive) == 0;
        const char16_t want = wanted[i].unicode();
        if (unit != want && !(want >= u'a' && want <= u'z' && (unit | 0x20) == want))
            return false;
    }
    return true;
}

// Whether the directive opening behind a "{" may give a playing time: most songs have none, or only a time
// signature, and their playing time is then known without the lookups.
bool mayGivePlayingTime(QStringView rest)
{
    // Most directives are ruled out by their first letter; the rare others are compared as the lookups do.
    if (rest.isEmpty() ||
        (rest[0].unicode() < 0x80 && (rest[0].unicode() | 0x20) != u't' && (rest[0].unicode() | 0x20) != u'd'))
        return false;
    if (rest.startsWith(u"duration", Qt::CaseInsensitive))
        return true;
    if (!rest.startsWith(u"time", Qt::CaseInsensitive))
        return false;
    // A value holding "/" is a time signature; a time value ends at its "}" or at the end of its line.
    for (const QChar c : rest) {
        if (c == u'/')
            return false;
        if (c == u'}' || TextChars::isLineTerminator(c))
            return true;
    }
    return true;
}

// The directive names looked up ignoring case: where the value of the first directive of each starts.
class ValueStarts
{
public:
    ValueStarts()
    {
        for (const QStringList *names : {&TitleDirectives::title(), &TitleDirectives::subtitle()})
            for (const QString &name : *names)
                add(name);
        add(QStringLiteral("key"));
        add(QStringLiteral("musicpath"));
        add(QStringLiteral("midi-index"));
    }

    // Takes the directive whose name runs from the "{" at brace to the ":" at colon.
    void take(QStringView name, qsizetype colon)
    {
        for (Slot &slot : m_slots)
            if (slot.start < 0 && isName(name, slot.name))
                slot.start = colon + 1;
    }
    qsizetype startOf(const QString &name) const
    {
        for (const Slot &slot : m_slots)
            if (slot.name == name)
                return slot.start;
        return -1;
    }
    static qsizetype longestName() { return 10; } // "midi-index"

private:
    struct Slot
    {
        QString name;
        qsizetype start = -1;
    };
    void add(const QString &name)
    {
        Q_ASSERT(name.size() <= longestName());
        m_slots.append({name, -1});
    }
    QVarLengthArray<Slot, 8> m_slots;
};

// Where the ":" that ends a directive name opening at the "{" at brace stands; -1 when none stands within
// the longest name looked up.
qsizetype nameEnd(QStringView text, qsizetype brace)
{
    const qsizetype last = std::min(text.size(), brace + 2 + ValueStarts::longestName());
    for (qsizetype at = brace + 1; at < last; ++at)
        if (text[at] == u':')
            return at;
    return -1;
}

// The value of the first directive of the name; "" without one.
QString valueOf(const QString &text, const ValueStarts &starts, const QString &name)
{
    const qsizetype start = starts.startOf(name);
    return start >= 0 ? Song::valueFromInText(text, start) : QString();
}

// The first non-empty value among the first directives of the names, in the names' order.
QString firstNonEmptyValue(const QString &text, const ValueStarts &starts, const QStringList &names)
{
    for (const QString &name : names) {
        if (const qsizetype start = starts.startOf(name); start >= 0) {
            QString value = Song::valueFromInText(text, start);
            if (!value.isEmpty())
                return value;
        }
    }
    return QString();
}

} // namespace

SongMetadataScan::SongMetadataScan(const QString &text)
{
    const QStringView view(text);
    ValueStarts starts;
    // A tag directive's value may hold a "{": the tags go on behind its "}", as a search for the next does.
    qsizetype tagsFrom = 0;
    bool playingTimeNamed = false;
    // QString's search for one character is the vectorised one.
    for (qsizetype brace = text.indexOf(u'{'); brace >= 0; brace = text.indexOf(u'{', brace + 1)) {
        playingTimeNamed = playingTimeNamed || mayGivePlayingTime(view.sliced(brace + 1));
        const qsizetype colon = nameEnd(view, brace);
        if (colon < 0)
            continue;
        starts.take(view.sliced(brace + 1, colon - brace - 1), colon);
        if (brace < tagsFrom)
            continue;
        if (const std::optional<TagDirective::Match> tag = TagDirective::at(text, brace)) {
            m_tags.insert(tag->value);
            tagsFrom = tag->end;
        }
    }
    m_title = firstNonEmptyValue(text, starts, TitleDirectives::title());
    m_subtitle = firstNonEmptyValue(text, starts, TitleDirectives::subtitle());
    m_key = valueOf(text, starts, QStringLiteral("key"));
    m_musicpath = valueOf(text, starts, QStringLiteral("musicpath"));
    m_midiIndex = valueOf(text, starts, QStringLiteral("midi-index"));
    if (playingTimeNamed)
        m_playingTime = Song::playingTimeOf(text);
}
