#pragma once

#include "core/MessageSink.h"

#include <set>
#include <string>
#include <string_view>

// What the commands print on the terminal.
namespace quelvan::cli {

// One line on standard output, one on standard error; control characters the text holds (from a
// project's texts, a file name) are shown escaped (ShowControls), line feeds kept.
void PrintLine(std::string_view text);
void PrintError(std::string_view text);

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
