#include "app/cli/CliPrint.h"

namespace quelvan::cli {

void NotesToStandardError::Message(std::string_view text)
{
    // The matrix check ends its line with a line feed of its own.
    while (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    if (text.empty() || text.front() == '\b')
        return;
    if (shown_.insert(std::string(text)).second)
        PrintError(text);
}

} // namespace quelvan::cli
