#include "ui/MainWindow.h"
#include "ui/QtFrench.h"

#include <QApplication>

// The desktop application: a project named on the command line is opened, otherwise a new
// project is shown.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelvan"));
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
