#pragma once

#include <cstddef>
#include <string_view>

namespace quelvan {

// The characters of a UTF-8 text, not its bytes: what an edit field's limit and a column's
// width count (every byte but the continuation bytes 10xxxxxx starts a character).
constexpr std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

} // namespace quelvan
