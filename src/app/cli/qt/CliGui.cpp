#include "app/cli/qt/CliGui.h"

#include <cstdlib>

namespace quelvan::cli {

std::unique_ptr<QGuiApplication> MakeOffscreenApplication()
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "quelvan-cli";
    static char* argv[] = { name, nullptr };
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace quelvan::cli
