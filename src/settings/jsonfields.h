// Our JSON files (settings, font settings, window layouts) and the value kinds inside them.
#pragma once

#include <QColor>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

class JsonFields
{
public:
    // Reads and parses a JSON file. On failure nothing, with the reason in *error; *notJson tells a file that
    // was read but does not parse from one that could not be read.
    static std::optional<QJsonDocument> readFile(const QString &path, QString *error, bool *notJson = nullptr);

    // A key is read only when it is present and holds a value of its kind, so a missing or damaged entry
    // leaves the field as it was.
    static void read(const QJsonObject &object, const QString &key, bool &field);
    // Floats and doubles are both archived at single precision; doubles come back widened.
    static void read(const QJsonObject &object, const QString &key, float &field);
    static void read(const QJsonObject &object, const QString &key, double &field);
    static void read(const QJsonObject &object, const QString &key, qint32 &field);
    static void read(const QJsonObject &object, const QString &key, qint64 &field);
    static void read(const QJsonObject &object, const QString &key, QString &field);
    // null reads as no string.
    static void read(const QJsonObject &object, const QString &key, std::optional<QString> &field);
    static void read(const QJsonObject &object, const QString &key, QStringList &field);
    // null reads as no colour (an invalid QColor).
    static void read(const QJsonObject &object, const QString &key, QColor &field);

    // The single-precision value of a number, as archived.
    static QJsonValue single(double value);
    // A string, or null for none.
    static QJsonValue optionalString(const std::optional<QString> &value);
};
