// The user defaults, kept by QSettings in the desktop's native store.
#include "userdefaults.h"

#include <QSettings>

namespace {
QSettings &store()
{
    static QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("vellorin"),
                              QStringLiteral("vellorin"));
    return settings;
}
} // namespace

QVariant UserDefaults::value(const QString &key, const QVariant &fallback)
{
    return store().value(key, fallback);
}

void UserDefaults::setValue(const QString &key, const QVariant &value)
{
    store().setValue(key, value);
}

bool UserDefaults::contains(const QString &key)
{
    return store().contains(key);
}

void UserDefaults::remove(const QString &key)
{
    store().remove(key);
}

void UserDefaults::synchronize()
{
    store().sync();
}
