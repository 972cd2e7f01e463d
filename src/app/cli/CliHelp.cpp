#include "app/cli/CliHelp.h"

#include "core/CharacterCount.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace quelvan::cli {

namespace {

constexpr size_t kLineWidth = 80;
constexpr size_t kSummaryIndent = 6;

// Tokens joined by blanks on lines of at most kLineWidth characters where possible; the first
// line starts at column `start`, the next ones at column `indent`.
std::string Wrapped(const std::vector<std::string>& tokens, size_t start, size_t indent)
{
    std::string text;
    size_t column = start;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (i > 0 && column + 1 + CharacterCount(tokens[i]) > kLineWidth) {
            text += '\n' + std::string(indent, ' ');
            column = indent;
        } else if (i > 0) {
            text += ' ';
            ++column;
        }
        text += tokens[i];
        column += CharacterCount(tokens[i]);
    }
    return text;
}

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

std::vector<const CLI::App*> Children(const CLI::App& app)
{
    return app.get_subcommands([](const CLI::App*) { return true; });
}

// Every command under the app, in the order of declaration, groups opened.
void CollectCommands(const CLI::App& app, std::vector<const CLI::App*>& commands)
{
    for (const CLI::App* child : Children(app)) {
        if (IsGroup(*child))
            CollectCommands(*child, commands);
        else
            commands.push_back(child);
    }
}

// The declared positional arguments, or the declared options (the help flag left out).
std::vector<const CLI::Option*> Declared(const CLI::App& app, bool positional)
{
    return app.get_options([&app, positional](const CLI::Option* option) {
        return option != app.get_help_ptr() && option->nonpositional() != positional;
    });
}

// The command's path, then its arguments and options, optional ones in brackets.
std::string UsageLine(const CLI::App& app, size_t start)
{
    std::vector<std::string> tokens { CommandPath(app) };
    for (const bool positional : { true, false }) {
        for (const CLI::Option* option : Declared(app, positional)) {
            const std::string usage = OptionUsage(*option);
            tokens.push_back(option->get_required() ? usage : "[" + usage + "]");
        }
    }
    return Wrapped(tokens, start, start + CharacterCount(tokens.front()) + 1);
}

// "-o, --out FICHIER.wth": every name, then the value it takes.
std::string OptionNames(const CLI::Option& option)
{
    if (!option.nonpositional())
        return option.get_name(true);
    std::string names;
    for (const std::string& name : option.get_snames())
        names += (names.empty() ? "-" : ", -") + name;
    for (const std::string& name : option.get_lnames())
        names += (names.empty() ? "--" : ", --") + name;
    if (option.get_expected_max() > 0)
        names += " " + option.get_type_name();
    return names;
}

// One line per argument: its names, then its description wrapped in a column of its own, the
// same column for both titles.
std::string Tables(
    const std::vector<std::pair<std::string, std::vector<const CLI::Option*>>>& tables)
{
    size_t column = 0;
    for (const auto& [title, options] : tables) {
        for (const CLI::Option* option : options)
            column = std::max(column, CharacterCount(OptionNames(*option)) + 4);
    }
    std::string text;
    for (const auto& [title, options] : tables) {
        if (options.empty())
            continue;
        text += title + '\n';
        for (const CLI::Option* option : options) {
            const std::string names = OptionNames(*option);
            text += "  " + names + std::string(column - 2 - CharacterCount(names), ' ')
                + Wrapped(Words(option->get_description()), column, column) + '\n';
        }
    }
    return text;
}

class FrenchHelp final : public CLI::FormatterBase {
public:
    std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const override
    {
        return HelpText(*app);
    }
};

} // namespace

bool IsGroup(const CLI::App& app)
{
    return !Children(app).empty();
}

std::string CommandPath(const CLI::App& app)
{
    const CLI::App* parent = app.get_parent();
    return parent == nullptr ? app.get_name() : CommandPath(*parent) + " " + app.get_name();
}

std::string OptionUsage(const CLI::Option& option)
{
    if (!option.nonpositional())
        return option.get_name(true);
    const std::string name = option.get_snames().empty() ? "--" + option.get_lnames().front()
                                                         : "-" + option.get_snames().front();
    return option.get_expected_max() > 0 ? name + " " + option.get_type_name() : name;
}

std::string UsageText(const CLI::App& app)
{
    if (!IsGroup(app))
        return "Usage : " + UsageLine(app, 8) + '\n';
    std::string text = "Usage : " + CommandPath(app)
        + (app.get_parent() == nullptr ? " COMMANDE" : " SOUS-COMMANDE") + " [ARGUMENTS]\n";
    std::vector<const CLI::App*> commands;
    CollectCommands(app, commands);
    for (const CLI::App* command : commands) {
        text += "  " + UsageLine(*command, 2) + '\n' + std::string(kSummaryIndent, ' ')
            + Wrapped(Words(command->get_description()), kSummaryIndent, kSummaryIndent) + '\n';
    }
    return text;
}

std::string HelpText(const CLI::App& app)
{
    std::string text;
    if (IsGroup(app)) {
        text = app.get_description() + "\n\n" + UsageText(app) + "\nAide d'une "
            + (app.get_parent() == nullptr
                    ? "commande : " + CommandPath(app) + " COMMANDE"
                    : "sous-commande : " + CommandPath(app) + " SOUS-COMMANDE")
            + " --help\n";
    } else {
        text = UsageText(app) + std::string(kSummaryIndent, ' ')
            + Wrapped(Words(app.get_description()), kSummaryIndent, kSummaryIndent) + "\n\n";
        std::vector<const CLI::Option*> options = Declared(app, false);
        if (app.get_help_ptr() != nullptr)
            options.push_back(app.get_help_ptr());
        text += Tables({ { "Arguments :", Declared(app, true) }, { "Options :", options } });
    }
    const std::string footer = app.get_footer();
    if (!footer.empty())
        text += '\n' + Wrapped(Words(footer), 0, 0) + '\n';
    return text;
}

std::shared_ptr<CLI::FormatterBase> FrenchHelpFormatter()
{
    return std::make_shared<FrenchHelp>();
}

} // namespace quelvan::cli
