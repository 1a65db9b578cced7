// One font record: the font it gives at a scale, and its archive and font-settings-file forms.
#include "fontprefs.h"

#include "jsonfields.h"
#include "log.h"
#include "systemlook.h"
#include "util.h"

namespace {

const QString kColor = QStringLiteral("color");
const QString kBackgroundColor = QStringLiteral("backgroundColor");
const QString kSize = QStringLiteral("size");
const QString kName = QStringLiteral("name");
const QString kFontName = QStringLiteral("fontName");
const QString kBold = QStringLiteral("bold");
const QString kItalic = QStringLiteral("italic");
const QString kFixed = QStringLiteral("fixed");

// Truth values of a font settings entry: JSON booleans, or numbers (non-zero is true).
std::optional<bool> truthValue(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return value.toDouble() != 0;
    return std::nullopt;
}

void logWrongKind(const QString &key)
{
    Log::write(QStringLiteral("Error converting font prefs:\"%1\" has a value of the wrong kind").arg(key));
}

} // namespace

FontPrefs::FontPrefs()
    : m_size(SystemLook::systemFontSize())
    , m_color(SystemLook::textColor())
    , m_backgroundColor(SystemLook::clearColor())
{}

QFont FontPrefs::fontWithScale(float scale) const
{
    const double wanted = m_size * double(scale);
    if (SystemLook::hasFamily(m_name)) {
        // On this desktop a name is a family, which does not name a face: the record's traits complete it.
        QFont font = SystemLook::font(m_name, wanted);
        font.setBold(m_bold);
        font.setItalic(m_italic);
        return font;
    }
    if (m_fixed) {
        // The bold Courier face is family "Courier" in bold; the regular one is "Courier New".
        const QString courier = m_bold ? QStringLiteral("Courier") : QStringLiteral("Courier New");
        if (SystemLook::hasFamily(courier)) {
            QFont font = SystemLook::font(courier, wanted);
            font.setBold(m_bold);
            return font;
        }
        // Scaled like every other font, so a zoomed tab section keeps its proportions.
        return SystemLook::fixedPitchFont(wanted);
    }
    return m_bold ? SystemLook::boldSystemFont(wanted) : SystemLook::systemFont(wanted);
}

QJsonObject FontPrefs::toDict() const
{
    QJsonObject dict{
        {kColor, Util::hexStringFromColor(m_color)},
        {kBackgroundColor, Util::hexStringFromColor(m_backgroundColor)},
        {kSize, m_size},
        {kBold, m_bold},
        {kItalic, m_italic},
        {kFixed, m_fixed},
    };
    if (!m_name.isEmpty())
        dict.insert(kFontName, m_name);
    return dict;
}

void FontPrefs::fromDict(const QJsonObject &dict)
{
    for (const auto &[key, field] : {std::pair{kColor, &m_color}, std::pair{kBackgroundColor, &m_backgroundColor}}) {
        if (!dict.contains(key))
            continue;
        if (!dict.value(key).isString()) {
            logWrongKind(key);
            return;
        }
        *field = Util::colorFromHexString(dict.value(key).toString());
    }
    if (dict.contains(kSize)) {
        if (!dict.value(kSize).isDouble()) {
            logWrongKind(kSize);
            return;
        }
        m_size = double(float(dict.value(kSize).toDouble()));
    }
    if (!dict.contains(kFontName)) {
        m_name.clear();
    } else if (!dict.value(kFontName).isString()) {
        logWrongKind(kFontName);
        return;
    } else if (const QString name = dict.value(kFontName).toString(); SystemLook::hasFamily(name)) {
        m_name = name;
    }
    for (const auto &[key, field] :
         {std::pair{kBold, &m_bold}, std::pair{kItalic, &m_italic}, std::pair{kFixed, &m_fixed}}) {
        if (!dict.contains(key))
            continue;
        const auto truth = truthValue(dict.value(key));
        if (!truth) {
            logWrongKind(key);
            return;
        }
        *field = *truth;
    }
}

QJsonObject FontPrefs::encode() const
{
    QJsonObject coder{
        {kColor, Util::jsonFromColor(m_color)},
        {kBackgroundColor, Util::jsonFromColor(m_backgroundColor)},
        {kSize, JsonFields::single(m_size)},
        {kBold, m_bold},
        {kFixed, m_fixed},
    };
    if (!m_name.isEmpty())
        coder.insert(kName, m_name);
    return coder;
}

FontPrefs FontPrefs::fromCoder(const QJsonObject &coder)
{
    FontPrefs record;
    JsonFields::read(coder, kColor, record.m_color);
    JsonFields::read(coder, kBackgroundColor, record.m_backgroundColor);
    JsonFields::read(coder, kSize, record.m_size);
    if (record.m_size == 0)
        record.m_size = SystemLook::systemFontSize();
    JsonFields::read(coder, kName, record.m_name);
    JsonFields::read(coder, kBold, record.m_bold);
    JsonFields::read(coder, kFixed, record.m_fixed);
    return record;
}
