// Keeps one running Vellorin per user: two would write the same settings file. A second start hands its files
// to the first over a local socket and ends.
#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The socket for a support folder: its path hashed, in XDG_RUNTIME_DIR or else the temporary folder, so
    // programs with different homes (tests, other users) never meet.
    static QString serverNameFor(const QString &supportDirectory);

    explicit SingleInstance(QString serverName, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Hands the files (made absolute) to a running first instance, or with none only asks it to come forward.
    // False when no instance answers within the time.
    bool handOver(const QStringList &paths, int timeoutMs = 3000);
    // Becomes the first instance. A socket left by a killed instance is removed first. False, with a log
    // line, when the socket cannot be made.
    bool listen();

Q_SIGNALS:
    // A later start handed these files over (absolute paths); empty when it only asked to be shown.
    void filesHandedOver(const QStringList &paths);

private:
    void receive();

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};
