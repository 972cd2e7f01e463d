#pragma once

#include "core/PhysicalBounds.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <optional>
#include <string>

// The arguments several commands share, declared once, and the way a command declares an
// option whose text is read into a value.
namespace quelvan::cli {

// FICHIER.ksl: the project the command reads; required, not empty.
CLI::Option* AddProjectArgument(CLI::App& command, std::string& path, const std::string& what);

// A file or folder the command writes ("-o", "--out"...); an empty name is refused.
CLI::Option* AddOutputOption(CLI::App& command, const std::string& names, std::string& path,
    const std::string& placeholder, const std::string& description);

// --weather-dir DOSSIER: the folder searched first for the weather files; it must exist.
CLI::Option* AddWeatherDirectoryOption(CLI::App& command, std::string& directory);

// --fine: the calculation in the fine mode rather than the standard one.
CLI::Option* AddFineFlag(CLI::App& command, bool& fine,
    const std::string& description = "calcul fin : mailles bornées par la profondeur de "
                                     "pénétration, six sous-pas par heure, résolution directe");

// --force: an existing project or weather file among the outputs is replaced (OutputsAreSafe).
CLI::Option* AddForceFlag(CLI::App& command, bool& force,
    const std::string& description = "remplace un projet ou un fichier météo existant");

// An option (one long name) holding a number, read as every typed number is (ParseFloat: a
// decimal comma as in the forms) within its bounds; any other text is a wrong argument:
// "--period : « 0 » hors limites (de 0,1 à 8760 h)", "--period : « 24h » n'est pas un nombre".
CLI::Option* AddNumberOption(CLI::App& command, const std::string& name,
    std::optional<double>& value, const Bounds& bounds, const std::string& placeholder,
    const std::string& description);

// An option (one long name) whose text is a name: an empty one is refused.
CLI::Option* AddNameOption(CLI::App& command, const std::string& name, std::string& text,
    const std::string& placeholder, const std::string& description);

// An option (one long name) whose text `read` turns into a value; a text it refuses is a wrong
// argument: "--size : « 10x10 » n'est pas " followed by `expected`.
template <typename T>
CLI::Option* AddReadOption(CLI::App& command, const std::string& name, std::optional<T>& value,
    std::function<std::optional<T>(const std::string&)> read, const std::string& placeholder,
    const std::string& description, const std::string& expected)
{
    return command
        .add_option_function<std::string>(
            name,
            [&value, read, name, expected](const std::string& text) {
                value = read(text);
                if (!value)
                    throw CLI::ValidationError(name, "« " + text + " » n'est pas " + expected);
            },
            description)
        ->type_name(placeholder);
}

} // namespace quelvan::cli
