// A value worked out from a source (a folded title, a song text's revision), kept while the source stays the same.
#pragma once

#include <QString>

#include <optional>
#include <type_traits>

// For a string source, "the same" means the very same string data: a song hands out its title and subtitle as
// shared copies until it changes them, so an unchanged field is recognised without comparing its characters.
// The kept copy holds the old data alive, so new data can never take its place at the same address. Any other
// source (a revision number) is the same when it is equal.
template <typename T, typename Source = QString> class Derived
{
public:
    static bool isSameString(const QString &a, const QString &b)
    {
        return a.constData() == b.constData() && a.size() == b.size();
    }

    template <typename Derive> const T &from(const Source &source, Derive derive)
    {
        if (!isFrom(source)) {
            m_source = source;
            m_value = derive(source);
        }
        return *m_value;
    }

    // True when the value is the one worked out from this very source.
    bool isFrom(const Source &source) const
    {
        if constexpr (std::is_same_v<Source, QString>)
            return m_value && isSameString(source, m_source);
        else
            return m_value && source == m_source;
    }
    // The value last worked out; only after from() or seed().
    const T &value() const { return *m_value; }
    // Takes a value worked out elsewhere (on another thread, say) from the source.
    void seed(const Source &source, T value)
    {
        m_source = source;
        m_value = std::move(value);
    }

private:
    Source m_source{};
    std::optional<T> m_value;
};

using DerivedString = Derived<QString>;
