// Text files from anywhere: every decoding step must cope with any bytes, and Latin-1 as the last resort
// always gives a text.
#include "fuzzcheck.h"
#include "fuzzsetup.h"
#include "textfile.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzSetup::bytesOf(data, size);
    FUZZ_CHECK(TextFile::decode(bytes, TextFile::LastResort::Latin1).has_value());
    TextFile::decode(bytes, TextFile::LastResort::None);
    TextFile::decodeWindows1252(bytes);
    return 0;
}
