#pragma once

#include <string_view>

namespace quelvan {

// Texts of numbers still being typed. The number readers take a lone sign as 0 and "0.04e" as
// 0.04, as a scanf-style reader does; a field that holds such a text has not been given a number
// yet, and what reads it must refuse it rather than compute with what the reader made of it.

// A lone sign or decimal separator ("-", ".", "-,"), or a number whose exponent has no digit yet
// ("1e", "0.04e-"); blanks around are ignored.
bool IsUnfinishedNumber(std::string_view text);

// Whether the text can still become a number by typing more: an optional sign, digits, one
// decimal separator (point or comma) and an exponent whose digits may be missing ("-", ".",
// "1e", "12,", "-20", "1.5e+"). A letter, a blank or a second separator can lead to none.
bool CanBecomeNumber(std::string_view text);

} // namespace quelvan
