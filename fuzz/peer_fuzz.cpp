// What a nearby device sends, the whole way in: its byte stream, arriving in pieces, is cut into messages; each
// message is read as a greeting, as a connection does before it is accepted, and handled as a song message by
// a device with a small library, as after acceptance. The messages cut out, with what is left, are the stream;
// a message read writes back to bytes that read the same; and no message writes into the song folder while the
// user answers every offer with "Ignore".
#include "dialogs.h"
#include "fuzzcheck.h"
#include "fuzzcontext.h"
#include "fuzzsetup.h"
#include "peerapplication.h"
#include "peercontrol.h"
#include "peerframereader.h"
#include "peerhandshake.h"
#include "peermessage.h"
#include "peersession.h"
#include "songs.h"
#include "textfile.h"

#include <QDir>
#include <QGuiApplication>

namespace {

// A connected device that only receives: what the device sends back goes nowhere.
class FuzzSession : public PeerSession
{
public:
    QStringList connectedPeerNames() const override { return {QStringLiteral("Stage Left")}; }
    bool send(const QByteArray &, QString &) override { return true; }
    void deliver(const QByteArray &frame) { Q_EMIT messageReceived(frame, QStringLiteral("Stage Left")); }
};

class FuzzApplication : public PeerApplication
{
public:
    const SongPtr &currentSong() const override { return m_current; }
    void showSongFromPeer(const SongPtr &song) override { m_current = song; }
    void peerTranspose(int) override {}
    void showConnectedPeers(const QString &) override {}

private:
    SongPtr m_current;
};

// A user who ignores every song offered and cancels everything else.
class IgnoringDialogs : public Dialogs
{
public:
    Answer runAlert(const Alert &) override { return Answer::Alternate; }
    void closeAlert() override {}
    QString runSavePanel(const SavePanel &) override { return {}; }
    TextAnswer runTextAlert(const TextPrompt &) override { return {}; }
    QString runFolderPanel(const FolderPanel &) override { return {}; }
    QStringList runOpenPanel(const OpenPanel &) override { return {}; }
    bool runPrintPanel(QPrinter &) override { return false; }
    bool runPageSetup(QPrinter &) override { return false; }
    std::optional<QFont> runFontPanel(const QFont &) override { return std::nullopt; }
    std::optional<QColor> runColorPanel(const QColor &) override { return std::nullopt; }
};

// Default settings and a song folder holding two songs, so messages can name songs the device has.
class PeerFuzzContext : public FuzzContext
{
public:
    PeerFuzzContext()
    {
        QDir().mkpath(m_folder);
        TextFile::write(m_folder + QStringLiteral("/Grace.cho"), QStringLiteral("{title: Grace}\n[G]Amazing [C]grace"));
        TextFile::write(m_folder + QStringLiteral("/Home.cho"),
                        QStringLiteral("{title: Home}\n{subtitle: Slow}\n[D]Take me [A]home"));
        prefs()->setSongDirectoryPath(m_folder);
        m_songs.refresh();
    }
    Songs *songs() override { return &m_songs; }
    QStringList songFiles() const { return QDir(m_folder).entryList(QDir::Files); }

private:
    const QString m_folder = FuzzSetup::scratchFolder() + QStringLiteral("/songs");
    Songs m_songs;
};

PeerFuzzContext *context;

// The stream arrives in pieces whose size follows from its length, so every way of cutting it gets tried.
QList<QByteArray> framesOf(const QByteArray &stream)
{
    const qsizetype piece = 1 + stream.size() % 61;
    PeerFrameReader reader;
    QList<QByteArray> frames;
    bool tooLong = false;
    for (qsizetype at = 0; at < stream.size() && !tooLong; at += piece) {
        reader.append(stream.mid(at, piece));
        QByteArray frame;
        PeerFrameReader::Result result;
        while ((result = reader.next(frame)) == PeerFrameReader::Result::Frame)
            frames.append(frame);
        tooLong = result == PeerFrameReader::Result::TooLong;
    }
    const QByteArray rest = reader.takePartial();
    const QByteArray taken = frames.join();
    FUZZ_CHECK(stream.startsWith(taken));
    FUZZ_CHECK(tooLong ? stream.mid(taken.size()).startsWith(rest) : taken + rest == stream);
    return frames;
}

void checkRoundTrip(const QByteArray &frame)
{
    const auto message = PeerMessage::parseMessage(frame);
    if (!message)
        return;
    const auto reread = PeerMessage::parseMessage(message->encode());
    FUZZ_CHECK(reread && reread->code == message->code && reread->line == message->line &&
               reread->checksum == message->checksum && reread->payload == message->payload);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The settings hold fonts, which need a GUI application.
    FuzzSetup::start<QGuiApplication>(argc, argv);
    context = new PeerFuzzContext;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList filesBefore = context->songFiles();
    FuzzApplication application;
    IgnoringDialogs dialogs;
    auto owned = std::make_unique<FuzzSession>();
    FuzzSession *session = owned.get();
    {
        PeerControl control(std::move(owned), application, dialogs);
        for (const QByteArray &frame : framesOf(FuzzSetup::bytesOf(data, size))) {
            checkRoundTrip(frame);
            if (const auto handshake = PeerHandshake::decode(frame))
                FUZZ_CHECK(!handshake->id.isEmpty() && !handshake->name.isEmpty());
            session->deliver(frame);
        }
        // What the messages led to runs on later passes of the event loop.
        for (int pass = 0; pass < 4; ++pass)
            QCoreApplication::processEvents();
    }
    FUZZ_CHECK(context->songFiles() == filesBefore);
    return 0;
}
