#include <QApplication>
#include <QLabel>

// The desktop application's entry point; the main window is assembled in src/ui.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quelvan"));
    label.show();
    return QApplication::exec();
}
