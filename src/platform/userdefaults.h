// The user defaults: the few values kept outside the settings archive (song folder, pane widths, review counters).
#pragma once

#include <QString>
#include <QVariant>

class UserDefaults
{
public:
    static QVariant value(const QString &key, const QVariant &fallback = {});
    static void setValue(const QString &key, const QVariant &value);
    static bool contains(const QString &key);
    static void remove(const QString &key);
    // Writes pending changes to disk; called before the program quits.
    static void synchronize();
};
