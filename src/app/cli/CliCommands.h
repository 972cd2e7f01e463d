#pragma once

#include <string>
#include <vector>

// Sub-commands of quelvan-cli. Each takes the arguments after its name and returns the
// process exit code; messages go to standard output and errors to standard error, in French.
namespace quelvan::cli {

using Args = std::vector<std::string>;

int CommandNew(const Args& args);
int CommandCheck(const Args& args);
int CommandRun(const Args& args);
int CommandWeather(const Args& args);
#ifdef QUELVAN_WITH_QT
int CommandRender(const Args& args);
int CommandReport(const Args& args);
#endif

} // namespace quelvan::cli
