#pragma once

#include "core/MessageSink.h"

#include <string>
#include <string_view>
#include <vector>

namespace quelvan::test {

// A message sink that keeps every line it is given, for a test to read back. A progress line
// of the solvers starts by erasing the previous one (backspaces): Progress() counts them.
struct CollectedMessages final : MessageSink {
    std::vector<std::string> lines;
    void Message(std::string_view text) override { lines.emplace_back(text); }
    int Progress() const
    {
        int n = 0;
        for (const auto& line : lines)
            n += !line.empty() && line.front() == '\b';
        return n;
    }
};

} // namespace quelvan::test
