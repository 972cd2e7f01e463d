#include "core/ControlText.h"
#include "core/ReleaseVersion.h"
#include "graphics/QtStrings.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/QtFrench.h"

#include <QApplication>

#include <string>
#include <string_view>

namespace {

// The desktop program's own help, in French; its manual page is made from it.
constexpr const char* kHelpText
    = "Quelvan : conduction thermique transitoire à travers une paroi multicouche.\n"
      "\n"
      "Usage : quelvan [FICHIER]\n"
      "      ouvre la fenêtre de Quelvan sur un nouveau projet, ou sur le FICHIER\n"
      "      donné : un projet (.ksl) à ouvrir, ou un fichier météo EPW (.epw) à\n"
      "      importer comme station du projet\n"
      "\n"
      "Arguments :\n"
      "  FICHIER      le projet .ksl à ouvrir ou le fichier .epw à importer\n"
      "Options :\n"
      "  -h, --help   affiche cette aide\n"
      "  --version    affiche la version du programme\n"
      "\n"
      "Sans fenêtre, quelvan-cli calcule, compare et imprime les mêmes projets.\n";

// Answers --help and --version before any window system is needed; true when it did.
bool AnsweredOwnOption(int argc, char** argv)
{
    if (argc != 2)
        return false;
    const std::string_view option = argv[1];
    if (option == "-h" || option == "--help") {
        quelvan::PrintLines(kHelpText);
        return true;
    }
    if (option == "--version") {
        quelvan::PrintLine(std::string("quelvan ") + quelvan::kReleaseVersion);
        return true;
    }
    return false;
}

} // namespace

// The desktop application: a project named on the command line is opened, otherwise a new
// project is shown.
int main(int argc, char** argv)
{
    if (AnsweredOwnOption(argc, argv))
        return quelvan::StandardOutputWritten() ? 0 : 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelvan"));
    QApplication::setApplicationVersion(quelvan::ToQ(quelvan::kReleaseVersion));
    // Qt's own buttons and dialogs speak French too (English when its translations are missing).
    const auto french = quelvan::ui::UseFrench();
    quelvan::ui::MainWindow window;
    // The name's bytes as given (QApplication has taken its own options out of argv): a name
    // that is not UTF-8 would not survive Qt's text.
    if (argc > 1)
        window.OpenFile(argv[1]);
    window.show();
    return QApplication::exec();
}
