// What one message leads to, over the codes and what the device holds.
#include "peeractions.h"

#include <gtest/gtest.h>

namespace {

PeerActions actions(bool open, bool request, bool sendText, bool askToSave, bool transpose, bool notImplemented = false)
{
    return {open, request, sendText, askToSave, transpose, notImplemented};
}

} // namespace

TEST(PeerActions, FollowTheCodeAndWhatIsHeld)
{
    const struct
    {
        const char *name;
        quint32 code;
        bool have, match, ignoreUpdates, ignored;
        PeerActions expected;
    } cases[] = {
        // Show: the held song opens; a missing or other version is asked for once.
        {"show, same version", 0, true, true, false, false, actions(true, false, false, false, false)},
        {"show, other version", 0, true, false, false, false, actions(true, true, false, false, false)},
        {"show, other version kept", 0, true, false, true, false, actions(true, false, false, false, false)},
        {"show, missing", 0, false, false, false, false, actions(false, true, false, false, false)},
        {"show, missing, updates ignored", 0, false, false, true, false, actions(false, true, false, false, false)},
        // Need: only the holder of the version asked for answers, whatever ignoreUpdates says.
        {"need, held", 1, true, true, false, false, actions(false, false, true, false, false)},
        {"need, other version", 1, true, false, false, false, actions(false, false, false, false, false)},
        {"need, other version, updates ignored", 1, true, false, true, false,
         actions(false, false, false, false, false)},
        {"need, missing", 1, false, false, false, false, actions(false, false, false, false, false)},
        // Text: offered unless the same version is held (or any, with ignoreUpdates) or the song is ignored.
        {"text, same version", 2, true, true, false, false, actions(false, false, false, false, false)},
        {"text, other version", 2, true, false, false, false, actions(false, false, false, true, false)},
        {"text, other version kept", 2, true, false, true, false, actions(false, false, false, false, false)},
        {"text, missing", 2, false, false, false, false, actions(false, false, false, true, false)},
        {"text, missing, updates ignored", 2, false, false, true, false, actions(false, false, false, true, false)},
        {"text, ignored", 2, false, false, false, true, actions(false, false, false, false, false)},
        // Scroll is never acted on.
        {"scroll", 3, true, true, false, false, actions(false, false, false, false, false)},
        // Transpose: the held song, whatever its version; a missing one is asked for.
        {"transpose, held", 4, true, false, false, false, actions(false, false, false, false, true)},
        {"transpose, missing", 4, false, false, false, false, actions(false, true, false, false, false)},
        // Unknown codes are only reported.
        {"code 7", 7, true, true, false, false, actions(false, false, false, false, false, true)},
        {"code 5", 5, false, false, false, false, actions(false, false, false, false, false, true)},
    };
    for (const auto &c : cases) {
        const PeerActions got = PeerActions::forMessage(c.code, c.have, c.match, c.ignoreUpdates, c.ignored);
        EXPECT_EQ(got, c.expected) << c.name;
    }
}
