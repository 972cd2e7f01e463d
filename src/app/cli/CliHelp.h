#pragma once

#include <memory>
#include <string>

namespace CLI {
class App;
class FormatterBase;
class Option;
} // namespace CLI

// The usage and --help texts of quelvan-cli, in French, made from the arguments each command
// declares: nothing here names a command or an option.
namespace quelvan::cli {

// For a command, "Usage : quelvan-cli run FICHIER.ksl [-o FICHIER.res] ..."; for the tool or a
// group of commands, that line and the summary of every command under it.
std::string UsageText(const CLI::App& app);

// The summary, the usage, then every argument and option with its description.
std::string HelpText(const CLI::App& app);

// Makes CLI::App::help() give HelpText.
std::shared_ptr<CLI::FormatterBase> FrenchHelpFormatter();

// Whether the app is the tool or a group of commands rather than a command.
bool IsGroup(const CLI::App& app);

// "quelvan-cli weather import": the names from the tool down to the app.
std::string CommandPath(const CLI::App& app);

// How an option is named in the texts: "-o FICHIER.res", "--out DOSSIER", "FICHIER.ksl".
std::string OptionUsage(const CLI::Option& option);

} // namespace quelvan::cli
