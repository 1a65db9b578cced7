// One running program per user: a second start hands its song to the first and ends at once.
#include "paths.h"
#include "singleinstance.h"
#include "textfile.h"
#include "userdefaults.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The program, started offscreen with this test's home, so its support folder and socket are this test's own.
std::unique_ptr<QProcess> startProgram(const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(QStringLiteral(VELLORIN_EXECUTABLE),
                   QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")} + arguments);
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
}

} // namespace

TEST(SecondStart, HandsItsSongToTheRunningProgramAndEnds)
{
    QTemporaryDir songFolder;
    QDir(Paths::supportDirectory()).removeRecursively();
    UserDefaults::setValue(QStringLiteral("songDirSecurityBookmark"), songFolder.path());
    UserDefaults::synchronize();
    QTemporaryDir outside;
    const QString given = outside.filePath(QStringLiteral("Handed Over.pro"));
    ASSERT_TRUE(TextFile::write(given, QStringLiteral("{title: Handed Over}\n[G]words")));

    const auto first = startProgram({});
    // The first is up once it answers; until then a second start would become the first itself.
    const QString socket = SingleInstance::serverNameFor(Paths::supportDirectory());
    ASSERT_TRUE(QTest::qWaitFor([&] { return SingleInstance(socket).handOver({}, 200); }, 10000));

    const auto second = startProgram({given});
    ASSERT_TRUE(second->waitForFinished(10000)) << "the second start ends by itself";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);

    // The first imports the song into its song folder and shows it.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return QFile::exists(songFolder.filePath(QStringLiteral("Handed Over.pro"))); }, 10000));
    EXPECT_EQ(first->state(), QProcess::Running);
    first->terminate();
    EXPECT_TRUE(first->waitForFinished(10000));
}
