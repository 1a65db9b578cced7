// What every fuzz target sets up once: a home folder of its own, so nothing a target writes touches the
// user's files, and a Qt application object for the code that asks for one.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace FuzzSetup {

// The folder of this process's scratch files, inside its own temporary home.
inline QString scratchFolder()
{
    static QTemporaryDir home;
    return home.path();
}

// The input as bytes, without copying it.
inline QByteArray bytesOf(const std::uint8_t *data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

template <class Application = QCoreApplication> inline void start(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("HOME", scratchFolder().toUtf8());
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR"})
        qputenv(variable, (scratchFolder() + QLatin1Char('/') + QLatin1String(variable)).toUtf8());
    // A target reports through its checks, never through the log: thousands of runs a second would flood it.
    qputenv("QT_LOGGING_RULES", "*=false");
    static std::unique_ptr<Application> application(new Application(*argc, *argv));
}

} // namespace FuzzSetup
