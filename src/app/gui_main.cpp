#include "ui/MainWindow.h"
#include "ui/QtFrench.h"

#include <QApplication>
#include <QStringList>

// The desktop application: a project named on the command line is opened, otherwise a new
// project is shown.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelvan"));
    // Qt's own buttons and dialogs speak French too (English when its translations are missing).
    const auto french = quelvan::ui::UseFrench();
    quelvan::ui::MainWindow window;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.OpenPath(arguments.at(1));
    window.show();
    return QApplication::exec();
}
