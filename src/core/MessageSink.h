#pragma once

#include <string_view>

namespace quelvan {

// Where the engine's progress lines and diagnostics go (never straight to standard output):
// the command-line tool may print them, the desktop application ignores them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Message(std::string_view text) = 0;
    // Whether the solver's progress lines are wanted: when not, they are not even formatted.
    virtual bool WantsProgress() const { return true; }
};

// Discards everything.
class NullMessageSink final : public MessageSink {
public:
    void Message(std::string_view) override { }
    bool WantsProgress() const override { return false; }
};

} // namespace quelvan
