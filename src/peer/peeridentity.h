// Who this process is to its peers: one id and one display name for the whole run.
#pragma once

#include <QString>
#include <QUuid>

class PeerIdentity
{
public:
    // A DNS-SD instance name is one DNS label, at most 63 bytes.
    static constexpr int maxNameBytes = 63;

    PeerIdentity(const QUuid &id, const QString &displayName);

    // The identity of this process, made on first use and kept until the process ends.
    static const PeerIdentity &process();

    QUuid id() const { return m_id; }
    // The id as it travels in messages and TXT records: lower-case, without braces.
    QString idText() const;
    QString displayName() const { return m_displayName; }

    // The name shown to peers: the desktop's pretty host name when set, else the host name; an empty
    // name becomes "Vellorin"; cut to fit one DNS label.
    static QString displayNameFrom(const QString &prettyHostName, const QString &hostName);
    // PRETTY_HOSTNAME of a machine-info file's text (shell-style KEY=VALUE lines, optionally quoted);
    // empty when it is not set.
    static QString prettyHostNameFrom(const QByteArray &machineInfo);
    // The longest start of the name whose UTF-8 form fits in maxBytes, never splitting a character.
    static QString cutToUtf8Bytes(const QString &name, int maxBytes);

private:
    QUuid m_id;
    QString m_displayName;
};
