#include "app/cli/CliArguments.h"

#include "core/NumberText.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <system_error>

namespace quelvan::cli {

namespace {

// The reasons come after the option's name in the message ("-o : le nom est vide").
const CLI::Validator kNotEmpty(
    [](const std::string& text) { return text.empty() ? std::string("le nom est vide") : ""; }, "");

const CLI::Validator kExistingFolder(
    [](const std::string& text) {
        std::error_code error;
        return std::filesystem::is_directory(text, error)
            ? std::string()
            : "le dossier « " + text + " » n'existe pas";
    },
    "");

} // namespace

CLI::Option* AddProjectArgument(CLI::App& command, std::string& path, const std::string& what)
{
    return command.add_option("FICHIER.ksl", path, what)->required()->check(kNotEmpty);
}

CLI::Option* AddOutputOption(CLI::App& command, const std::string& names, std::string& path,
    const std::string& placeholder, const std::string& description)
{
    return command.add_option(names, path, description)->type_name(placeholder)->check(kNotEmpty);
}

CLI::Option* AddWeatherDirectoryOption(CLI::App& command, std::string& directory)
{
    return command
        .add_option("--weather-dir", directory, "le dossier où chercher d'abord les fichiers météo")
        ->type_name("DOSSIER")
        ->check(kExistingFolder);
}

CLI::Option* AddNumberOption(CLI::App& command, const std::string& name,
    std::optional<double>& value, const Bounds& bounds, const std::string& placeholder,
    const std::string& description)
{
    return command
        .add_option_function<std::string>(
            name,
            [&value, name, bounds](const std::string& text) {
                const ValueFault fault = CheckNumber(text, bounds);
                if (fault != ValueFault::None)
                    throw CLI::ValidationError(name, DescribeValueFault(text, fault, bounds));
                value = FloatValue(text);
            },
            description)
        ->type_name(placeholder);
}

CLI::Option* AddNameOption(CLI::App& command, const std::string& name, std::string& text,
    const std::string& placeholder, const std::string& description)
{
    return command.add_option(name, text, description)->type_name(placeholder)->check(kNotEmpty);
}

CLI::Option* AddFineFlag(CLI::App& command, bool& fine, const std::string& description)
{
    return command.add_flag("--fine", fine, description);
}

CLI::Option* AddForceFlag(CLI::App& command, bool& force, const std::string& description)
{
    return command.add_flag("--force", force, description);
}

} // namespace quelvan::cli
