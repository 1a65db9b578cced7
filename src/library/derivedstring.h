// A string worked out from another (folded for searching or sorting), kept while the other stays the same.
#pragma once

#include <QString>

#include <optional>

// "The same" means the very same string data: a song hands out its title, text and plain text as shared
// copies until it changes them, so an unchanged field is recognised without comparing its characters. The
// kept copy holds the old data alive, so new data can never take its place at the same address.
class DerivedString
{
public:
    static bool isSameString(const QString &a, const QString &b)
    {
        return a.constData() == b.constData() && a.size() == b.size();
    }

    template <typename Derive> const QString &from(const QString &source, Derive derive)
    {
        if (!m_derived || !isSameString(source, m_source)) {
            m_source = source;
            m_derived = derive(source);
        }
        return *m_derived;
    }

private:
    QString m_source;
    std::optional<QString> m_derived;
};
