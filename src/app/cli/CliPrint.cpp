#include "app/cli/CliPrint.h"

#include "core/ControlText.h"

#include <cstdio>

namespace quelvan::cli {

void PrintLine(std::string_view text)
{
    const std::string shown = ShowControls(text);
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintError(std::string_view text)
{
    const std::string shown = ShowControls(text);
    std::fwrite(shown.data(), 1, shown.size(), stderr);
    std::fputc('\n', stderr);
}

void NotesToStandardError::Message(std::string_view text)
{
    if (text.empty() || text.front() == '\b')
        return;
    if (shown_.insert(std::string(text)).second)
        PrintError(text);
}

} // namespace quelvan::cli
