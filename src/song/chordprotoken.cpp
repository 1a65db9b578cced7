// One typed range of a song text, as the editor colours it.
#include "chordprotoken.h"

ChordproToken::ChordproToken(int type, qsizetype location)
    : m_type(type)
    , m_location(location)
{}

QString ChordproToken::description() const
{
    static const char *const names[] = {"text", "control", "comment", "chord", "tab"};
    const QString name =
        m_type >= Text && m_type <= Tab ? QString::fromLatin1(names[m_type]) : QStringLiteral("unknown");
    return QStringLiteral("%1 %2-%3").arg(name).arg(m_location).arg(m_location + m_length);
}
