#include "ui/MainWindow.h"

#include <QApplication>
#include <QStringList>

// The desktop application: a project named on the command line is opened, otherwise a new
// project is shown.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelvan"));
    quelvan::ui::MainWindow window;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.OpenPath(arguments.at(1));
    window.show();
    return QApplication::exec();
}
