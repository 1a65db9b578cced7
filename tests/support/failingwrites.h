// Makes one step of every file write fail while it lives, as a full disk would.
#pragma once

#include "textfile.h"

class FailingWrites
{
public:
    explicit FailingWrites(TextFile::WriteStep failing)
    {
        TextFile::setWriteHook([failing](TextFile::WriteStep step) { return step == failing; });
    }
    ~FailingWrites() { TextFile::setWriteHook({}); }
    FailingWrites(const FailingWrites &) = delete;
    FailingWrites &operator=(const FailingWrites &) = delete;

    static constexpr TextFile::WriteStep kAllSteps[] = {TextFile::WriteStep::Open, TextFile::WriteStep::Write,
                                                        TextFile::WriteStep::Flush, TextFile::WriteStep::Commit};
};
