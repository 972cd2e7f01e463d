#include "app/cli/CommandLine.h"

#include "app/cli/CliHelp.h"
#include "app/cli/CliPrint.h"
#include "app/cli/ProgramHandOver.h"
#include "core/ReleaseVersion.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace quelvan::cli {

namespace {

// The app the parse reached: the tool, a group or a command.
const CLI::App& Deepest(const CLI::App& root)
{
    const CLI::App* app = &root;
    for (std::vector<CLI::App*> parsed = app->get_subcommands(); !parsed.empty();
         parsed = app->get_subcommands())
        app = parsed.front();
    return *app;
}

constexpr const char* kEndOfOptions = "--";

// The first argument that no declaration took, with the app it was left to. "--" is none: it
// only says that the words after it are arguments.
std::optional<std::pair<const CLI::App*, std::string>> LeftOver(const CLI::App& root)
{
    const CLI::App* app = &root;
    for (;;) {
        for (const std::string& word : app->remaining())
            if (word != kEndOfOptions)
                return std::make_pair(app, word);
        const std::vector<CLI::App*> parsed = app->get_subcommands();
        if (parsed.empty())
            return std::nullopt;
        app = parsed.front();
    }
}

std::string LeftOverReason(const CLI::App& app, const std::string& argument)
{
    if (argument.size() > 1 && argument.front() == '-')
        return "Option inconnue : " + argument;
    if (IsGroup(app))
        return (app.get_parent() == nullptr ? "Commande inconnue : " : "Sous-commande inconnue : ")
            + argument;
    return "Argument inattendu : " + argument;
}

// The declared option that CLI11 names at the start of its message ("-o: ..."), if any.
const CLI::Option* NamedOption(const CLI::App& app, const std::string& message)
{
    for (const CLI::Option* option : app.get_options()) {
        const std::string name = option->get_name(!option->nonpositional());
        if (!name.empty() && message.rfind(name + ":", 0) == 0)
            return option;
    }
    return nullptr;
}

// The reason, in French, for arguments that CLI11 refused.
std::string ParseErrorReason(const CLI::App& app, const CLI::ParseError& error)
{
    const std::string message = error.what();
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        if (IsGroup(app))
            return app.get_parent() == nullptr ? "Commande manquante" : "Sous-commande manquante";
        for (const CLI::Option* option : app.get_options()) {
            if (option->get_required() && option->count() == 0)
                return (option->nonpositional() ? "Option obligatoire manquante : "
                                                : "Argument manquant : ")
                    + OptionUsage(*option);
        }
    }
    const CLI::Option* option = NamedOption(app, message);
    if (option == nullptr)
        return "Arguments refusés : " + message;
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr)
        return "Valeur manquante : " + OptionUsage(*option);
    // Validators and readers of values give their own French reason after the name.
    const std::string name = option->get_name(!option->nonpositional());
    return name + " :" + message.substr(name.size() + 1);
}

void PrintUsageError(const CLI::App& app, const std::string& reason)
{
    PrintError(reason);
    PrintErrorLines(UsageText(app));
    PrintError("Aide : " + CommandPath(app) + " --help");
}

} // namespace

CommandLine::CommandLine(const std::string& program, const std::string& summary)
    : root_(summary, program)
{
    root_.formatter(FrenchHelpFormatter());
    root_.set_help_flag("-h,--help", "affiche cette aide");
    // "quelvan-cli 1.21.0": the release version, for a bug report.
    root_.set_version_flag(
        "--version", program + " " + kReleaseVersion, "affiche la version du programme");
    root_.footer(program + " --version affiche la version du programme.");
    // Every command inherits the help flag and this: the last value of an option given twice wins.
    root_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    // One command; once it is named, the next words are its own (a project called "new").
    root_.require_subcommand(1);
}

CLI::App& CommandLine::Add(
    CLI::App& parent, const std::string& name, const std::string& summary, CommandAction action)
{
    CLI::App* command = parent.add_subcommand(name, summary);
    // CLI11 copies the parent's footer: the tool's line on --version is not the command's.
    command->footer(std::string());
    actions_[command] = std::move(action);
    return *command;
}

CLI::App& CommandLine::AddGroup(
    CLI::App& parent, const std::string& name, const std::string& summary)
{
    CLI::App* group = parent.add_subcommand(name, summary);
    group->footer(std::string());
    group->require_subcommand(1);
    return *group;
}

int CommandLine::Run(int argc, const char* const* argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    // "quelvan-cli help [COMMANDE]" is "quelvan-cli [COMMANDE] --help".
    if (!arguments.empty() && arguments.front() == "help") {
        arguments.erase(arguments.begin());
        arguments.push_back("--help");
    }
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        root_.parse(reversed);
    } catch (const CLI::CallForVersion& version) {
        // Every build answers this itself: the version is the same in both programs.
        PrintLine(version.what());
        return kExitOk;
    } catch (const CLI::CallForHelp&) {
        HandOverUnlessOwnCommand(argv);
        PrintLines(HelpText(Deepest(root_)));
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        HandOverUnlessOwnCommand(argv);
        const CLI::App& app = Deepest(root_);
        if (const auto left = LeftOver(root_)) {
            // A word after "--" is an argument too many of the command reached, wherever the
            // parse left it.
            const auto end = std::find(arguments.begin(), arguments.end(), kEndOfOptions);
            if (std::find(end, arguments.end(), left->second) != arguments.end()) {
                PrintUsageError(app, "Argument inattendu : " + left->second);
                return kExitUsage;
            }
            PrintUsageError(*left->first, LeftOverReason(*left->first, left->second));
            return kExitUsage;
        }
        PrintUsageError(app, ParseErrorReason(app, error));
        return kExitUsage;
    }
    HandOverUnlessOwnCommand(argv);
    const CLI::App& command = Deepest(root_);
    const auto action = actions_.find(&command);
    if (action == actions_.end())
        return UsageError(command, "Commande manquante");
    return action->second(command);
}

void CommandLine::HandOverUnlessOwnCommand(const char* const* argv) const
{
    if (otherCommandsProgram_.empty())
        return;
    // The tool itself takes no argument but the help flag: a word it kept is a command it does
    // not know, and every word after a command belongs to that command, so a command reached
    // with nothing kept before it is parsed here exactly as the other program would.
    if (!root_.get_subcommands().empty() && root_.remaining().empty())
        return;
    ReplaceProcess(ProgramBeside(otherCommandsProgram_), argv);
}

int UsageError(const CLI::App& command, const std::string& reason)
{
    PrintUsageError(command, reason);
    return kExitUsage;
}

} // namespace quelvan::cli
