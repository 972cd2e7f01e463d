#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <map>
#include <string>
#include <utility>

// The command registry of quelvan-cli. A command is declared once: its name, its summary, the
// arguments and options it declares on its CLI::App, and what it runs. The usage and --help
// texts (CliHelp.h) and the French messages for wrong arguments come from those declarations.
namespace quelvan::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the command could not do its work
inline constexpr int kExitUsage = 2; // the arguments were wrong

// What a command runs once its arguments are parsed; gives the process exit code.
using CommandAction = std::function<int(const CLI::App& command)>;

class CommandLine {
public:
    CommandLine(const std::string& program, const std::string& summary);

    CLI::App& Root() { return root_; }
    // A command under the tool or under a group; its arguments are declared on the App given.
    CLI::App& Add(CLI::App& parent, const std::string& name, const std::string& summary,
        CommandAction action);
    // A group of commands ("weather generate", "weather import"): one of them must follow.
    CLI::App& AddGroup(CLI::App& parent, const std::string& name, const std::string& summary);

    // Parses the arguments and runs the command they name. "--help" (or "help" first) prints the
    // help on standard output and gives kExitOk; wrong arguments give kExitUsage, with the reason
    // and the usage on standard error.
    int Run(int argc, const char* const* argv);

    // Arguments that do not reach one of the commands declared here (another command, none, or
    // the tool's own help and usage texts, which list every command) are handed, unchanged, to
    // the program of that name beside this one, which declares every command. When it cannot be
    // started, this program answers them itself.
    void PassOtherCommandsTo(std::string program) { otherCommandsProgram_ = std::move(program); }

private:
    // Replaces the process by the program that declares every command, unless the parse reached
    // a command declared here with nothing left over before it.
    void HandOverUnlessOwnCommand(const char* const* argv) const;

    CLI::App root_;
    std::map<const CLI::App*, CommandAction> actions_;
    std::string otherCommandsProgram_;
};

// A refusal of the arguments that only the command can see (a rule between options): the reason
// and the command's usage on standard error; gives kExitUsage.
int UsageError(const CLI::App& command, const std::string& reason);

} // namespace quelvan::cli
