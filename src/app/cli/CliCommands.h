#pragma once

#include "app/cli/CommandLine.h"

// The commands of quelvan-cli. Each declares its arguments and what it runs on the command line;
// messages go to standard output and errors to standard error, in French.
namespace quelvan::cli {

void DeclareNew(CommandLine& commands);
void DeclareCheck(CommandLine& commands);
void DeclareRun(CommandLine& commands);
void DeclareDynamic(CommandLine& commands);
void DeclareAnnual(CommandLine& commands);
void DeclareCondensation(CommandLine& commands);
void DeclareMaterials(CommandLine& commands);
void DeclareCompare(CommandLine& commands);
void DeclareSweep(CommandLine& commands);
void DeclareWeather(CommandLine& commands);
void DeclareValidate(CommandLine& commands);
// The commands that draw, with Qt: only quelvan-cli-draw has them.
void DeclareRender(CommandLine& commands);
void DeclareReport(CommandLine& commands);

} // namespace quelvan::cli
