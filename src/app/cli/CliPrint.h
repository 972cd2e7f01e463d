#pragma once

#include "core/ControlText.h"
#include "core/MessageSink.h"

#include <set>
#include <string>
#include <string_view>

// What the commands print on the terminal: every line goes through the one printer of
// core/ControlText.h (PrintLine, PrintError, PrintLines, PrintErrorLines).
namespace quelvan::cli {

// The solver's progress lines are for someone watching one step; a batch run keeps only the
// other notes (a direct solve replacing the sweeps), each once, on standard error.
class NotesToStandardError final : public MessageSink {
public:
    void Message(std::string_view text) override;
    bool WantsProgress() const override { return false; }

private:
    std::set<std::string> shown_;
};

} // namespace quelvan::cli
