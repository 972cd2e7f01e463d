#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quelvan {

// Columns of the project file count characters, not bytes: a file of the original platform
// holds one byte per character, and a UTF-8 file written here is padded by characters, so the
// same column numbers read both. Lines are UTF-8; a byte that starts no valid sequence counts as
// one character.
int CharacterCount(std::string_view text);

// The text right-aligned in at least width characters, never cut (the "%<width>s" rule).
std::string PadLeft(std::string_view text, int width);

// Cuts fields out of one line of the fixed-column format. A value longer than its width pushes
// the rest of its line to the right (the writer never cuts a text), so a field whose width is
// followed by a character other than a blank runs on to the next blank, and every later field
// of the line moves by as many characters. A value that fits its width reads exactly from its
// columns, as in the original format.
class FixedColumnLine {
public:
    explicit FixedColumnLine(std::string_view line);

    // The trimmed text of the field starting at column (counted from 0) for width characters;
    // runOn allows the field to run on past its width (only for fields followed by a blank in
    // the format). Columns past the end of the line read as nothing.
    std::string Field(int column, int width, bool runOn = true);
    // The untrimmed text from column to the end of the line.
    std::string Rest(int column) const;
    // Whether the line reaches the given column (shifted like the fields).
    bool Reaches(int column) const;
    int Length() const { return static_cast<int>(starts_.size()); }

private:
    std::string Slice(int from, int to) const;
    char ByteAt(int character) const { return line_[starts_[static_cast<size_t>(character)]]; }

    std::string line_;
    std::vector<size_t> starts_; // byte offset of every character
    int shift_ = 0; // characters added by over-long values so far
};

} // namespace quelvan
