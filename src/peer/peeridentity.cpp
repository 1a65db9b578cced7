// Who this process is to its peers: one id and one display name for the whole run.
#include "peeridentity.h"

#include <QFile>
#include <QHostInfo>
#include <QStringView>

namespace {

// Undoes the shell quoting that machine-info values may carry: surrounding quotes and backslash escapes.
QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    QString plain;
    plain.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == u'\\' && i + 1 < value.size())
            ++i;
        plain.append(value.at(i));
    }
    return plain;
}

} // namespace

PeerIdentity::PeerIdentity(const QUuid &id, const QString &displayName)
    : m_id(id)
    , m_displayName(displayName)
{}

const PeerIdentity &PeerIdentity::process()
{
    static const PeerIdentity identity = [] {
        QFile machineInfo(QStringLiteral("/etc/machine-info"));
        const QByteArray info = machineInfo.open(QIODevice::ReadOnly) ? machineInfo.readAll() : QByteArray();
        return PeerIdentity(QUuid::createUuid(), displayNameFrom(prettyHostNameFrom(info), QHostInfo::localHostName()));
    }();
    return identity;
}

QString PeerIdentity::idText() const
{
    return m_id.toString(QUuid::WithoutBraces);
}

QString PeerIdentity::displayNameFrom(const QString &prettyHostName, const QString &hostName)
{
    QString name = prettyHostName.trimmed();
    if (name.isEmpty())
        name = hostName.trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Vellorin");
    return cutToUtf8Bytes(name, maxNameBytes);
}

QString PeerIdentity::prettyHostNameFrom(const QByteArray &machineInfo)
{
    static const QByteArray key = "PRETTY_HOSTNAME=";
    QString value;
    for (const QByteArray &line : machineInfo.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith(key))
            value = unquoted(QString::fromUtf8(trimmed.mid(key.size())));
    }
    return value;
}

QString PeerIdentity::cutToUtf8Bytes(const QString &name, int maxBytes)
{
    int bytes = 0;
    qsizetype end = 0;
    while (end < name.size()) {
        const bool pair = name.at(end).isHighSurrogate() && end + 1 < name.size() && name.at(end + 1).isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const int size = int(QStringView(name).mid(end, units).toUtf8().size());
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        end += units;
    }
    return name.left(end);
}
