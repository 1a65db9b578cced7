// Reading our JSON files, and reading and writing the value kinds inside them.
#include "jsonfields.h"

#include "util.h"

#include <QFile>
#include <QJsonArray>

#include <limits>

std::optional<QJsonDocument> JsonFields::readFile(const QString &path, QString *error, bool *notJson)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    QJsonParseError parseError;
    QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = parseError.errorString();
        if (notJson)
            *notJson = true;
        return std::nullopt;
    }
    return document;
}

void JsonFields::read(const QJsonObject &object, const QString &key, bool &field)
{
    const QJsonValue value = object.value(key);
    if (value.isBool())
        field = value.toBool();
}

void JsonFields::read(const QJsonObject &object, const QString &key, float &field)
{
    const QJsonValue value = object.value(key);
    if (value.isDouble())
        field = float(value.toDouble());
}

void JsonFields::read(const QJsonObject &object, const QString &key, double &field)
{
    const QJsonValue value = object.value(key);
    if (value.isDouble())
        field = double(float(value.toDouble()));
}

void JsonFields::read(const QJsonObject &object, const QString &key, qint32 &field)
{
    qint64 wide = field;
    read(object, key, wide);
    if (wide >= std::numeric_limits<qint32>::min() && wide <= std::numeric_limits<qint32>::max())
        field = qint32(wide);
}

void JsonFields::read(const QJsonObject &object, const QString &key, qint64 &field)
{
    // toInteger answers its fallback for fractions and numbers beyond 64 bits.
    field = object.value(key).toInteger(field);
}

void JsonFields::read(const QJsonObject &object, const QString &key, QString &field)
{
    const QJsonValue value = object.value(key);
    if (value.isString())
        field = value.toString();
}

void JsonFields::read(const QJsonObject &object, const QString &key, std::optional<QString> &field)
{
    const QJsonValue value = object.value(key);
    if (value.isString())
        field = value.toString();
    else if (value.isNull())
        field.reset();
}

void JsonFields::read(const QJsonObject &object, const QString &key, QStringList &field)
{
    const QJsonValue value = object.value(key);
    if (!value.isArray())
        return;
    field.clear();
    for (const QJsonValue &item : value.toArray())
        if (item.isString())
            field.append(item.toString());
}

void JsonFields::read(const QJsonObject &object, const QString &key, QColor &field)
{
    if (const auto color = Util::colorFromJson(object.value(key)))
        field = *color;
}

QJsonValue JsonFields::single(double value)
{
    return double(float(value));
}

QJsonValue JsonFields::optionalString(const std::optional<QString> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}
