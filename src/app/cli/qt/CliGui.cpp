#include "app/cli/qt/CliGui.h"

#include "core/ControlText.h"

#include <cstdlib>

namespace quelvan::cli {

namespace {

// Qt's own warnings (a font, a platform setting) name files too: they go through the printer.
void PrintQtMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    PrintError(message.toStdString());
}

} // namespace

std::unique_ptr<QGuiApplication> MakeOffscreenApplication()
{
    qInstallMessageHandler(PrintQtMessage);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "quelvan-cli";
    static char* argv[] = { name, nullptr };
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace quelvan::cli
