// Prints the file type that Qt's MIME database gives each file named on the command
// line, as the program's own file dialogs see it. packaging/check-deb.sh builds and
// runs it.
#include <QCoreApplication>
#include <QMimeDatabase>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QMimeDatabase database;
    for (const QString &path : app.arguments().mid(1))
        std::printf("%s\n", qPrintable(database.mimeTypeForFile(path).name()));
    return 0;
}
