#pragma once

#include <string>
#include <string_view>

namespace quelvan {

// A text made safe to print on a terminal: every control character is shown as an escape, so
// that a project's texts cannot move the cursor, recolour or rewrite what is shown. C0 controls
// other than the line feed, and DEL, become "\x" and two lower-case hexadecimal digits (ESC is
// "\x1b", a bare CR "\x0d", a tab "\x09"); the C1 controls U+0080 to U+009F become "\u0080" to
// "\u009f". Every other byte, UTF-8 accents included, is kept as it is.
std::string ShowControls(std::string_view text);

} // namespace quelvan
