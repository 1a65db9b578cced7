// A value worked out from a string (a folded title, a playing time), kept while the string stays the same.
#pragma once

#include <QString>

#include <optional>

// "The same" means the very same string data: a song hands out its title, text and plain text as shared
// copies until it changes them, so an unchanged field is recognised without comparing its characters. The
// kept copy holds the old data alive, so new data can never take its place at the same address.
template <typename T> class Derived
{
public:
    static bool isSameString(const QString &a, const QString &b)
    {
        return a.constData() == b.constData() && a.size() == b.size();
    }

    template <typename Derive> const T &from(const QString &source, Derive derive)
    {
        if (!m_value || !isSameString(source, m_source)) {
            m_source = source;
            m_value = derive(source);
        }
        return *m_value;
    }

    // True when the value is the one worked out from this very string.
    bool isFrom(const QString &source) const { return m_value && isSameString(source, m_source); }
    // The value last worked out; only after from() or seed().
    const T &value() const { return *m_value; }
    // Takes a value worked out elsewhere (on another thread, say) from the source.
    void seed(const QString &source, T value)
    {
        m_source = source;
        m_value = std::move(value);
    }

private:
    QString m_source;
    std::optional<T> m_value;
};

using DerivedString = Derived<QString>;
