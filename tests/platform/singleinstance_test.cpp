#include "singleinstance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
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
