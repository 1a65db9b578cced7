// The desktop's fonts and colours as the settings' defaults use them.
#include "systemlook.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPalette>

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
    return !family.isEmpty() && QFontDatabase::families().contains(family, Qt::CaseInsensitive);
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
