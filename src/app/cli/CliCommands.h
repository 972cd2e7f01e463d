#pragma once

#include "app/cli/CommandLine.h"

// The commands of quelvan-cli. Each declares its arguments and what it runs on the command line;
// messages go to standard output and errors to standard error, in French.
namespace quelvan::cli {

void DeclareNew(CommandLine& commands);
void DeclareCheck(CommandLine& commands);
void DeclareRun(CommandLine& commands);
void DeclareDynamic(CommandLine& commands);
void DeclareWeather(CommandLine& commands);
void DeclareValidate(CommandLine& commands);
#ifdef QUELVAN_WITH_QT
void DeclareRender(CommandLine& commands);
void DeclareReport(CommandLine& commands);
#endif

// In the order of the usage text. A new command is one more entry.
inline constexpr void (*kCommands[])(CommandLine&) = {
    DeclareNew,
    DeclareCheck,
    DeclareRun,
    DeclareDynamic,
    DeclareWeather,
#ifdef QUELVAN_WITH_QT
    DeclareRender,
    DeclareReport,
#endif
    DeclareValidate,
};

} // namespace quelvan::cli
