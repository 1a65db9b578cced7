// Keeps one running Vellorin per user: two would write the same settings file. A second start hands its files
// to the first over a local socket and ends.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QLocalServer;

// The socket lives in a folder only its user can enter, and each end checks that the other runs as the same
// user before anything goes over it: another user of the computer must neither receive the paths a user
// opens nor be able to hand files to that user's program.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The user id of the process at the other end of a connected local socket; nothing when it cannot be told.
    using PeerUser = std::function<std::optional<uint>(qintptr socketDescriptor)>;
    // The system's answer: the credentials the kernel recorded for the other end.
    static std::optional<uint> peerUserOf(qintptr socketDescriptor);

    // The socket for a support folder: its path hashed, in this user's own folder "vellorin-<uid>" in
    // XDG_RUNTIME_DIR or else the temporary folder, so programs with different homes (tests, other users)
    // never meet.
    static QString serverNameFor(const QString &supportDirectory);

    explicit SingleInstance(QString serverName, PeerUser peerUser = &peerUserOf, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Hands the files (made absolute) to a running first instance, or with none only asks it to come forward.
    // False when no instance of this user answers within the time, or the socket's folder is not private.
    bool handOver(const QStringList &paths, int timeoutMs = 3000);
    // Becomes the first instance. A socket left by a killed instance is removed first. False, with a log
    // line, when the socket's folder is not this user's alone or the socket cannot be made.
    bool listen();

Q_SIGNALS:
    // A later start handed these files over (absolute paths); empty when it only asked to be shown.
    void filesHandedOver(const QStringList &paths);

private:
    // Makes the socket's folder when needed; false, with a log line, when it is not this user's alone.
    bool ensureFolder() const;
    bool isSameUser(qintptr socketDescriptor) const;
    void receive();

    QString m_serverName;
    PeerUser m_peerUser;
    QLocalServer *m_server = nullptr;
};
