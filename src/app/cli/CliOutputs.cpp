#include "app/cli/CliOutputs.h"

#include "app/cli/CliPrint.h"

#include "core/FileIdentity.h"
#include "core/Messages.h"
#include "core/OutputRefusal.h"
#include "engine/WeatherFiles.h"
#include "persistence/ProjectFile.h"
#include "weather/EpwImport.h"

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace quelvan::cli {

namespace {

constexpr const char* kOnlyWithForce = " : il n'est remplacé qu'avec --force";

// "Écriture refusée : « out.csv", to be followed by the closing quote and the reason.
std::string RefusalOf(const std::string& output)
{
    return std::string(msg::kWriteRefused) + " : « " + output;
}

std::string Quoted(const std::string& path)
{
    return "« " + path + " »";
}

// Why the output may not be written whatever the options, or an empty text.
std::string Refusal(const std::string& output, const std::vector<std::string>& inputs,
    const std::vector<std::string>& earlierOutputs)
{
    if (std::string refusal = OutputRefusal(output, inputs); !refusal.empty())
        return refusal;
    for (const std::string& earlier : earlierOutputs) {
        if (SameFile(output, earlier))
            return RefusalOf(output) + " » et " + Quoted(earlier) + " sont le même fichier";
    }
    return {};
}

// Why an existing output holds work that only --force may replace, or an empty text.
std::string KeptUnlessForced(const std::string& output)
{
    struct stat info { };
    if (::stat(output.c_str(), &info) != 0)
        return {};
    if (HoldsProject(output))
        return RefusalOf(output) + " » est un projet" + kOnlyWithForce;
    // An EPW file is weather data a user keeps, as much as a weather file made from it.
    if (HoldsWeatherYear(output) || weather::LooksLikeEpwFile(output))
        return RefusalOf(output) + " » est un fichier météo" + kOnlyWithForce;
    return {};
}

} // namespace

bool OutputsAreSafe(
    const std::vector<std::string>& inputs, const std::vector<std::string>& outputs, bool force)
{
    std::vector<std::string> checked;
    for (const std::string& output : outputs) {
        if (output.empty())
            continue;
        std::string refusal = Refusal(output, inputs, checked);
        if (refusal.empty() && !force)
            refusal = KeptUnlessForced(output);
        if (!refusal.empty()) {
            PrintError(refusal);
            return false;
        }
        checked.push_back(output);
    }
    return true;
}

bool OutputFoldersAreWritable(const std::vector<std::string>& outputs)
{
    for (const std::string& output : outputs) {
        if (output.empty())
            continue;
        const std::filesystem::path parent = std::filesystem::path(output).parent_path();
        const std::string folder = parent.empty() ? std::string(".") : parent.string();
        std::error_code error;
        std::string reason;
        if (!std::filesystem::is_directory(folder, error))
            reason = "le dossier " + Quoted(folder) + " n'existe pas";
        else if (::access(folder.c_str(), W_OK | X_OK) != 0)
            reason = "le dossier " + Quoted(folder) + " n'est pas accessible en écriture";
        if (!reason.empty()) {
            std::string message = RefusalOf(output);
            message += " » : ";
            message += reason;
            PrintError(message);
            return false;
        }
    }
    return true;
}

} // namespace quelvan::cli
