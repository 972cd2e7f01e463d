#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The entry points shared by the libFuzzer targets (fuzz_<name>) and by the regression test
// that replays the saved inputs of fuzz/regressions/<name>/ in the normal test suite. Each one
// takes arbitrary bytes, must return normally whatever they hold, and calls
// ReportBrokenInvariant (an abort) when a documented rule of the code under test is broken.
namespace quelvan::fuzz {

int FuzzNumbers(const std::uint8_t* data, std::size_t size);
int FuzzTextTable(const std::uint8_t* data, std::size_t size);
int FuzzProject(const std::uint8_t* data, std::size_t size);
int FuzzProfile(const std::uint8_t* data, std::size_t size);
int FuzzEpw(const std::uint8_t* data, std::size_t size);
int FuzzEngine(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    const char* name; // folder name under fuzz/corpus and fuzz/regressions
    int (*entry)(const std::uint8_t*, std::size_t);
};
inline constexpr FuzzTarget kFuzzTargets[] = {
    { "numbers", FuzzNumbers },
    { "text_table", FuzzTextTable },
    { "project", FuzzProject },
    { "profile", FuzzProfile },
    { "epw", FuzzEpw },
    { "engine", FuzzEngine },
};

// File bytes as the readers see them: decoded (UTF-8 kept, else Windows-1252) and split at LF,
// a CR before the LF dropped, exactly like ReadTextLines. lastLineEnded tells whether the last
// line had its line end.
std::vector<std::string> DecodedLines(std::string_view bytes, bool* lastLineEnded = nullptr);

// Takes leading bytes of the input as small parameters; 0 once the input is used up.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    std::uint8_t Byte();
    // The rest of the input, as bytes.
    std::string_view Rest() const;
    // Up to n bytes, stopping after a NUL (the NUL is not kept).
    std::string Text(std::size_t n);

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
};

[[noreturn]] void ReportBrokenInvariant(const char* what);

} // namespace quelvan::fuzz
