// The desktop's fonts and colours as the settings' defaults use them.
#include "systemlook.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>
#include <QPalette>
#include <QPointer>

namespace {

QFont sized(QFont font, double pointSize)
{
    font.setPointSizeF(pointSize > 0 ? pointSize : SystemLook::systemFontSize());
    return font;
}

// Some desktops name a monospaced family that Qt does not report as fixed pitch (Noto Sans Mono is one);
// a tab section drawn in it would lose its columns, so the first installed family that is takes its place.
// Empty when the desktop's font will do.
QString replacementFixedPitchFamily(const QFont &desktop)
{
    if (QFontInfo(desktop).fixedPitch())
        return {};
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families)
        if (QFontDatabase::isFixedPitch(family) && !QFontDatabase::isPrivateFamily(family))
            return family;
    return {};
}

QFont monospacedFont()
{
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Asked once: the answer loads the fonts.
    static const QString replacement = replacementFixedPitchFamily(desktop);
    return replacement.isEmpty() ? desktop : QFont(replacement);
}

} // namespace

double SystemLook::systemFontSize()
{
    return 13.0;
}

QFont SystemLook::font(const QString &family, double pointSize)
{
    return sized(QFont(family), pointSize);
}

QFont SystemLook::systemFont(double pointSize)
{
    return sized(QFontDatabase::systemFont(QFontDatabase::GeneralFont), pointSize);
}

QFont SystemLook::boldSystemFont(double pointSize)
{
    QFont font = systemFont(pointSize);
    font.setBold(true);
    return font;
}

QFont SystemLook::fixedPitchFont(double pointSize)
{
    return sized(monospacedFont(), pointSize);
}

bool SystemLook::hasFamily(const QString &family)
{
    if (family.isEmpty())
        return false;
    if (!qGuiApp)
        return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
    // Every font a layout makes asks this, and listing the families costs more than laying out a short line;
    // the answers hold until the application's fonts change (or another application object takes over).
    static QMutex mutex;
    static QHash<QString, bool> answers;
    static QPointer<QGuiApplication> answeredFor;
    {
        const QMutexLocker lock(&mutex);
        if (answeredFor != qGuiApp) {
            answers.clear();
            answeredFor = qGuiApp;
            QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, [] {
                const QMutexLocker lock(&mutex);
                answers.clear();
            });
        }
        const auto known = answers.constFind(family);
        if (known != answers.constEnd())
            return *known;
    }
    // Asked without the lock: the font system may announce a change while it loads.
    const bool installed = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
    const QMutexLocker lock(&mutex);
    answers.insert(family, installed);
    return installed;
}

QString SystemLook::chordFontFamily()
{
    static const QString candidates[] = {QStringLiteral("Comic Neue"), QStringLiteral("Chilanka"),
                                         QStringLiteral("Purisa")};
    for (const QString &family : candidates)
        if (hasFamily(family))
            return family;
    return candidates[0];
}

QColor SystemLook::textColor()
{
    return QGuiApplication::palette().color(QPalette::Text);
}

QColor SystemLook::textBackgroundColor()
{
    return QGuiApplication::palette().color(QPalette::Base);
}

QColor SystemLook::clearColor()
{
    return QColor(0, 0, 0, 0);
}

QColor SystemLook::indigoColor()
{
    return QColor(88, 86, 214);
}

QColor SystemLook::yellowColor()
{
    return QColor(255, 204, 0);
}
