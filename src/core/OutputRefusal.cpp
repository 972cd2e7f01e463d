#include "core/OutputRefusal.h"

#include "core/FileIdentity.h"
#include "core/Messages.h"

#include <sys/stat.h>

namespace quelvan {

std::string OutputRefusal(const std::string& output, const std::vector<std::string>& filesRead)
{
    const std::string refused = std::string(msg::kWriteRefused) + " : « " + output + " »";
    struct stat info { };
    const bool exists = ::stat(output.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        return refused + " est un dossier, pas un fichier";
    if (exists && !S_ISREG(info.st_mode))
        return refused + " n'est pas un fichier ordinaire";
    for (const std::string& input : filesRead) {
        if (input.empty() || !SameFile(output, input))
            continue;
        std::string refusal = refused;
        refusal += " est le fichier lu « ";
        refusal += input;
        refusal += " » : il serait remplacé";
        return refusal;
    }
    return {};
}

} // namespace quelvan
