#include "MainWindow.h"
#include "Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The window reads no command-line argument, Qt's own options included.
    int programNameOnly = qMin(argc, 1);
    QApplication app(programNameOnly, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(PLAKMUND_APP_ID));
    plakmund::installTranslations();
    plakmund::MainWindow window;
    window.show();
    return app.exec();
}
