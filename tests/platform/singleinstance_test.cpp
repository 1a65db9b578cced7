#include "singleinstance.h"

#include "logcapture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A socket file as a killed instance leaves it: bound, never listening, nobody behind it.
void leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    ASSERT_LT(static_cast<size_t>(name.size()), sizeof(address.sun_path));
    std::copy(name.begin(), name.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));
}

struct FileStatus
{
    uint owner = 0;
    uint mode = 0;
};

FileStatus statusOf(const QString &path)
{
    struct stat status = {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &status), 0) << path.toStdString();
    return {status.st_uid, uint(status.st_mode & 07777)};
}

// Neither end uses the socket: the first does not listen, the second hands nothing over.
void expectRefused(const QString &name, const QString &reason)
{
    LogCapture log;
    SingleInstance first(name);
    EXPECT_FALSE(first.listen());
    EXPECT_FALSE(SingleInstance(name).handOver({QStringLiteral("/songs/Private.cho")}, 500));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("No single running program: ")));
    EXPECT_TRUE(log.lines().join(u'\n').contains(reason)) << log.lines().join(u'\n').toStdString();
}

// No XDG_RUNTIME_DIR, and a temporary folder of the test's own as the shared one.
struct TemporaryFolderEnvironment
{
    TemporaryFolderEnvironment()
    {
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", temp.path().toUtf8());
    }
    ~TemporaryFolderEnvironment()
    {
        restore("XDG_RUNTIME_DIR", runtimeBefore);
        restore("TMPDIR", tempBefore);
    }
    static void restore(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tempBefore = qgetenv("TMPDIR");
    QTemporaryDir temp;
};

} // namespace

TEST(SingleInstance, ASecondStartHandsItsFilesToTheFirstAsAbsolutePaths)
{
    QTemporaryDir runtime;
    const QString name = runtime.filePath(QStringLiteral("vellorin-test"));
    SingleInstance first(name);
    ASSERT_TRUE(first.listen());
    QSignalSpy handed(&first, &SingleInstance::filesHandedOver);

    SingleInstance second(name);
    EXPECT_TRUE(second.handOver({QStringLiteral("relative.pro"), QStringLiteral("/songs/Grace.cho")}));
    ASSERT_TRUE(handed.wait(5000));
    EXPECT_EQ(handed[0][0].toStringList(),
              (QStringList{QDir::current().absoluteFilePath(QStringLiteral("relative.pro")),
                           QStringLiteral("/songs/Grace.cho")}));

    // Without files the second start only asks the first to come forward.
    EXPECT_TRUE(second.handOver({}));
    ASSERT_TRUE(handed.wait(5000));
    EXPECT_EQ(handed[1][0].toStringList(), QStringList());
}

TEST(SingleInstance, NobodyAnswersWhenNoFirstInstanceRunsAndAKilledOnesSocketIsTakenOver)
{
    QTemporaryDir runtime;
    const QString name = runtime.filePath(QStringLiteral("vellorin-test"));
    SingleInstance alone(name);
    EXPECT_FALSE(alone.handOver({QStringLiteral("a.pro")}, 1000));

    leaveStaleSocket(name);
    EXPECT_FALSE(alone.handOver({QStringLiteral("a.pro")}, 1000));
    ASSERT_TRUE(alone.listen());
    QSignalSpy handed(&alone, &SingleInstance::filesHandedOver);
    EXPECT_TRUE(SingleInstance(name).handOver({QStringLiteral("/b.pro")}));
    EXPECT_TRUE(handed.wait(5000));
}

TEST(SingleInstance, EachSupportFolderHasItsOwnSocket)
{
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QByteArray());
    const QString a = SingleInstance::serverNameFor(QStringLiteral("/home/a/.local/share/vellorin"));
    const QString b = SingleInstance::serverNameFor(QStringLiteral("/home/b/.local/share/vellorin"));
    EXPECT_NE(a, b);
    EXPECT_TRUE(a.startsWith(QDir::tempPath() + QStringLiteral("/vellorin-")));
    EXPECT_EQ(a, SingleInstance::serverNameFor(QStringLiteral("/home/a/.local/share/vellorin")));

    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    EXPECT_TRUE(SingleInstance::serverNameFor(QStringLiteral("/x")).startsWith(runtime.path() + u'/'));
    qputenv("XDG_RUNTIME_DIR", runtimeBefore);
}

TEST(SingleInstance, AnotherUserNeitherHandsFilesOverNorReceivesThem)
{
    const SingleInstance::PeerUser anotherUser = [](qintptr) { return std::optional<uint>(::geteuid() + 1); };
    const struct
    {
        const char *who;
        SingleInstance::PeerUser firstSees;
        SingleInstance::PeerUser secondSees;
        QString logged;
    } cases[] = {
        {"another user starts the program", anotherUser, &SingleInstance::peerUserOf,
         QStringLiteral("Refused a second start by another user")},
        {"another user's program listens", &SingleInstance::peerUserOf, anotherUser,
         QStringLiteral("The program listening on")},
    };
    for (const auto &c : cases) {
        LogCapture log;
        QTemporaryDir runtime;
        const QString name = runtime.filePath(QStringLiteral("vellorin-test"));
        SingleInstance first(name, c.firstSees);
        ASSERT_TRUE(first.listen()) << c.who;
        QSignalSpy handed(&first, &SingleInstance::filesHandedOver);
        SingleInstance(name, c.secondSees).handOver({QStringLiteral("/songs/Private.cho")});
        EXPECT_TRUE(QTest::qWaitFor([&] { return log.hasLineStartingWith(c.logged); }, 5000)) << c.who;
        QTest::qWait(50);
        EXPECT_TRUE(handed.isEmpty()) << c.who;
    }
}

TEST(SingleInstance, TheSocketsFolderIsMadeForThisUserAloneAndALinkInItsPlaceIsRefused)
{
    const TemporaryFolderEnvironment environment;
    const QString name = SingleInstance::serverNameFor(QStringLiteral("/home/a/.local/share/vellorin"));
    const QString folder = QFileInfo(name).path();
    EXPECT_EQ(folder, environment.temp.filePath(QStringLiteral("vellorin-%1").arg(::geteuid())));

    // Made on first use, and a folder of ours that others could enter is closed to them.
    for (const uint modeBefore : {0u, 0777u}) {
        if (modeBefore != 0) {
            ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), modeBefore), 0);
        }
        SingleInstance first(name);
        ASSERT_TRUE(first.listen()) << modeBefore;
        EXPECT_EQ(statusOf(folder).owner, ::geteuid());
        EXPECT_EQ(statusOf(folder).mode, 0700u) << modeBefore;
    }

    ASSERT_TRUE(QDir(folder).removeRecursively());
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), folder));
    expectRefused(name, QStringLiteral("is not a folder"));
}

TEST(SingleInstance, AFolderPlantedByAnotherUserIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a folder to another user";
    const TemporaryFolderEnvironment environment;
    const QString name = SingleInstance::serverNameFor(QStringLiteral("/home/a/.local/share/vellorin"));
    const QString folder = QFileInfo(name).path();
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0700), 0);
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 4242, 4242), 0);
    expectRefused(name, QStringLiteral("belongs to user 4242"));
}
