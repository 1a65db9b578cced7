// The main window's division into columns and panes, and its stored form.
#include "vellorinwindowlayout.h"

#include "jsonfields.h"
#include "log.h"
#include "textfile.h"

#include <QJsonDocument>

#include <limits>

namespace {

const QString kClassKey = QStringLiteral("class");
const QString kClassName = QStringLiteral("VellorinWindowLayout");

// The seven fields with their keys, in declaration order.
struct Key
{
    const char *name;
    double (VellorinWindowLayout::*get)() const;
    void (VellorinWindowLayout::*set)(double);
};
const Key kKeys[] = {
    {"songlistcol0", &VellorinWindowLayout::songlistcol0, &VellorinWindowLayout::setSonglistcol0},
    {"songlistcol1", &VellorinWindowLayout::songlistcol1, &VellorinWindowLayout::setSonglistcol1},
    {"songlistcol2", &VellorinWindowLayout::songlistcol2, &VellorinWindowLayout::setSonglistcol2},
    {"songlistcol3", &VellorinWindowLayout::songlistcol3, &VellorinWindowLayout::setSonglistcol3},
    {"leftPanePercentage", &VellorinWindowLayout::leftPanePercentage, &VellorinWindowLayout::setLeftPanePercentage},
    {"middlePanePercentage", &VellorinWindowLayout::middlePanePercentage,
     &VellorinWindowLayout::setMiddlePanePercentage},
    {"rightPanePercentage", &VellorinWindowLayout::rightPanePercentage, &VellorinWindowLayout::setRightPanePercentage},
};

bool isFraction(double value)
{
    return value >= 0 && value <= 1; // false for NaN
}

} // namespace

bool VellorinWindowLayout::isValid() const
{
    for (const Key &key : kKeys)
        if (!isFraction((this->*key.get)()))
            return false;
    return m_songlistcol0 != 0 &&
           (m_leftPanePercentage != 0 || m_middlePanePercentage != 0 || m_rightPanePercentage != 0);
}

bool VellorinWindowLayout::save(const QString &path) const
{
    QString error;
    if (TextFile::writeBytes(path, QJsonDocument(encode()).toJson(), &error))
        return true;
    Log::write(QStringLiteral("Error writing %1: %2").arg(path, error));
    return false;
}

std::unique_ptr<VellorinWindowLayout> VellorinWindowLayout::load(const QString &path)
{
    QString error;
    const auto document = JsonFields::readFile(path, &error);
    auto layout = document ? fromCoder(document->object(), &error) : nullptr;
    if (!layout)
        Log::write(QStringLiteral("Error loading layout: %1").arg(error));
    return layout;
}

QJsonObject VellorinWindowLayout::encode() const
{
    QJsonObject coder{{kClassKey, kClassName}};
    for (const Key &key : kKeys)
        coder.insert(QLatin1String(key.name), JsonFields::single((this->*key.get)()));
    return coder;
}

std::unique_ptr<VellorinWindowLayout> VellorinWindowLayout::fromCoder(const QJsonObject &coder, QString *error)
{
    if (coder.value(kClassKey).toString() != kClassName) {
        if (error)
            *error = QStringLiteral("not a window layout");
        return nullptr;
    }
    auto layout = std::make_unique<VellorinWindowLayout>();
    for (const Key &key : kKeys) {
        const QJsonValue value = coder.value(QLatin1String(key.name));
        if (value.isUndefined())
            continue;
        // A NaN or infinite value is written as null; reading it back as NaN keeps the record invalid.
        const double number =
            value.isDouble() ? double(float(value.toDouble())) : std::numeric_limits<double>::quiet_NaN();
        ((*layout).*key.set)(number);
    }
    return layout;
}
