// Messages from nearby devices: any bytes a peer sends are refused or read as one message, and a message read
// is written back to bytes that read the same.
#include "fuzzcheck.h"
#include "fuzzsetup.h"
#include "peermessage.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzSetup::bytesOf(data, size);
    const auto message = PeerMessage::parseMessage(bytes);
    if (!message)
        return 0;
    const auto reread = PeerMessage::parseMessage(message->encode());
    FUZZ_CHECK(reread && reread->code == message->code && reread->line == message->line &&
               reread->checksum == message->checksum && reread->payload == message->payload);
    return 0;
}
