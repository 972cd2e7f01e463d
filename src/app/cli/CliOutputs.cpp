#include "app/cli/CliOutputs.h"

#include "app/cli/CliPrint.h"

#include "core/FileIdentity.h"

namespace quelvan::cli {

namespace {

constexpr const char* kRefused = "Écriture refusée : « ";

std::string Quoted(const std::string& path)
{
    return "« " + path + " »";
}

} // namespace

bool OutputsAreSafe(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs)
{
    for (size_t i = 0; i < outputs.size(); ++i) {
        const std::string& output = outputs[i];
        if (output.empty())
            continue;
        if (IsFolder(output)) {
            PrintError(kRefused + output + " » est un dossier, pas un fichier");
            return false;
        }
        for (const std::string& input : inputs) {
            if (SameFile(output, input)) {
                PrintError(kRefused + output + " » est le fichier lu " + Quoted(input)
                    + " : il serait remplacé");
                return false;
            }
        }
        for (size_t j = 0; j < i; ++j) {
            if (SameFile(output, outputs[j])) {
                PrintError(
                    kRefused + output + " » et " + Quoted(outputs[j]) + " sont le même fichier");
                return false;
            }
        }
    }
    return true;
}

} // namespace quelvan::cli
