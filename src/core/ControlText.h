#pragma once

#include <string>
#include <string_view>

namespace quelvan {

// A text made safe to print on a terminal as one line: every control character is shown as an
// escape, so that a project's texts or a file's name cannot move the cursor, recolour, rewrite
// what is shown or forge a line of its own. C0 controls (the line feed included) and DEL become
// "\x" and two lower-case hexadecimal digits (ESC is "\x1b", a line feed "\x0a", a bare CR
// "\x0d"); the C1 controls U+0080 to U+009F become "\u0080" to "\u009f"; a byte that is not part
// of well-formed UTF-8 (a lone 0x9B, which 8-bit terminals take as CSI, a Windows-1252 "é" in a
// file name) becomes "\x" and its two digits too, so that what is printed is always valid UTF-8.
// Every other character, accents included, is kept as it is.
std::string ShowControls(std::string_view text);

// A JSON text as nlohmann dumps it, with DEL and the C1 controls U+0080 to U+009F written as
// JSON escapes ("\u007f", "\u0080"...). JSON lets them stand raw, but the printer would then show
// DEL as "\x7f", which no JSON reader takes; escaped, the text reads back the same everywhere.
std::string JsonControlsEscaped(std::string_view json);

// The one way the program prints on standard output and standard error: every line goes
// through ShowControls. PrintLine and PrintError print one line (a line feed inside the text is
// shown escaped); PrintLines and PrintErrorLines print a text of several lines that the program
// made itself (help, usage, JSON), each line as PrintLine would.
void PrintLine(std::string_view text);
void PrintError(std::string_view text);
void PrintLines(std::string_view text);
void PrintErrorLines(std::string_view text);
// Flushes standard output; false when anything printed there could not be written (a full
// disk, a closed file), which a command must not report as success.
bool StandardOutputWritten();

} // namespace quelvan
