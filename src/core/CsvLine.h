#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvan {

// Splits one comma-separated line; a field in double quotes may hold commas, and "" inside it
// stands for one quote. Surrounding blanks of unquoted fields are kept (callers trim).
std::vector<std::string> SplitCsvLine(std::string_view line);

// A decimal number written strictly: optional sign, digits with at most one '.', optional
// exponent; blanks around it allowed. Anything else (empty, "12#", "n/a") gives no value.
std::optional<double> StrictNumber(std::string_view text);

} // namespace quelvan
