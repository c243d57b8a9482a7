// plakmund-build: builds the image of a set file without a window, by running
// the window's own Load CRT Set and Save BIN File through a user interface
// that answers from the command line and prints what the window would show.
#include "CrtSet.h"
#include "ImageCommands.h"
#include "SetFileCommands.h"
#include "UserInterface.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

using namespace plakmund;

namespace {

const char HelpText[] = R"(Usage: plakmund-build [OPTION]... SETFILE
Build the EPROM image of the set file SETFILE and its listing, as the window's
Load CRT Set and Save BIN File do after a fresh start.

      --size=SIZE     EPROM size: 512kb, 1mb or 2mb (default: 2mb)
      --output=IMAGE  the image file (default: SETFILE ending in .bin); its
                        listing is IMAGE-list.txt beside it
      --check         load the set and report, but write nothing
      --help          display this help and exit
      --version       output version information and exit

Relative cartridge locations in SETFILE are taken from SETFILE's folder.
Exit status: 0 when the image was built and holds every game of the set (with
--check: when the set loaded without a message and every game fits the size),
1 when a file could not be read or written or a game does not fit, in which
case nothing is written, 2 on a usage error.

Report bugs to: <plakmund@example.org>
)";

const char VersionText[] = "plakmund-build (Plakmund) " PLAKMUND_VERSION R"(
Copyright (C) 2026 Plakmund developers
License MIT: <https://opensource.org/licenses/MIT>
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
)";

// Control and invisible format characters, which names and paths from a set file
// may hold, are printed as escapes such as \x1b and \u202e, so that none of them
// acts on the terminal or hides what is printed.
QString printable(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else if (c.category() == QChar::Other_Format)
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            shown += c;
    }
    return shown;
}

void printError(const QString &text)
{
    std::fputs(qPrintable(QStringLiteral("plakmund-build: ") + printable(text) + u'\n'), stderr);
}

// What Qt itself warns of goes out with the program's prefix too.
void printQtMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    printError(text);
}

// Answers the open dialog with SETFILE and the save dialog with IMAGE, and
// prints each message on standard error as "FILE[:LINE]: TEXT".
class CommandLineUserInterface : public UserInterface {
public:
    CommandLineUserInterface(const QString &setPath, const QString &imagePath) : m_setPath(setPath), m_imagePath(imagePath) {}

    int messageCount = 0;

    MessageAnswer showMessage(const MessageBoxRequest &request) override
    {
        ++messageCount;
        const QString where = request.line ? QStringLiteral("%1:%2").arg(request.file).arg(request.line) : request.file;
        const QString text = request.textAfterFile.isEmpty() ? request.text : request.textAfterFile;
        printError(where.isEmpty() ? text : where + QStringLiteral(": ") + text);
        // Every message fails the run, so the answer that gives up is the right one.
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    FileDialogResult showOpenDialog(const FileDialogRequest &) override { return answer(m_setPath); }
    FileDialogResult showSaveDialog(const FileDialogRequest &) override { return answer(m_imagePath); }
    void focusSlotName(int) override {}
    void processPendingEvents() override {}

private:
    static FileDialogResult answer(const QString &path) { return {path, QFileInfo(path).fileName()}; }

    QString m_setPath;
    QString m_imagePath;
};

// SETFILE with its extension, if it has one, replaced by .bin.
QString defaultImagePath(const QString &setPath)
{
    const QString suffix = QFileInfo(setPath).suffix();
    return (suffix.isEmpty() ? setPath : setPath.chopped(suffix.size() + 1)) + QStringLiteral(".bin");
}

int usageError(const QString &problem)
{
    printError(problem);
    std::fputs("Try 'plakmund-build --help' for more information.\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(printQtMessage);
    QCommandLineParser parser;
    const QCommandLineOption sizeOption(QStringLiteral("size"), QString(), QStringLiteral("SIZE"), QStringLiteral("2mb"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("IMAGE"));
    const QCommandLineOption checkOption(QStringLiteral("check"), QString());
    const QCommandLineOption helpOption(QStringLiteral("help"), QString());
    const QCommandLineOption versionOption(QStringLiteral("version"), QString());
    parser.addOptions({sizeOption, outputOption, checkOption, helpOption, versionOption});

    if (!parser.parse(app.arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption) || parser.isSet(versionOption)) {
        std::fputs(parser.isSet(helpOption) ? HelpText : VersionText, stdout);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || positional.first().isEmpty())
        return usageError(QStringLiteral("give exactly one SETFILE"));
    const QString size = parser.value(sizeOption);
    const std::optional<SizeMode> chosenMode = sizeModeNamed(size);
    if (!chosenMode)
        return usageError(QStringLiteral("the size \"%1\" is not 512kb, 1mb or 2mb").arg(size));
    const SizeMode mode = *chosenMode;
    const QString setPath = positional.first();
    const QString imagePath = parser.isSet(outputOption) ? parser.value(outputOption) : defaultImagePath(setPath);
    // An empty name would read as a cancelled dialog.
    if (imagePath.isEmpty())
        return usageError(QStringLiteral("IMAGE must not be empty"));

    // The window's start state, its size choice, then Load CRT Set.
    CrtSet set;
    set.setSizeMode(mode);
    CommandLineUserInterface ui(setPath, imagePath);
    loadCrtSet(set, ui);
    bool everyGameFits = true;
    for (int slot = activeSlotCount(mode); slot < SlotCount; ++slot) {
        if (set.slotName(slot).isEmpty() && set.slotLocation(slot).isEmpty())
            continue;
        everyGameFits = false;
        printError(QStringLiteral("%1:%2: slot %3 \"%4\" is not in the image: %5 holds slots 0 to %6")
                       .arg(setPath).arg(slot + 1).arg(slotNumberText(slot), set.slotName(slot), size,
                                                        slotNumberText(activeSlotCount(mode) - 1)));
    }
    // A partial image is worse than none for a script.
    if (ui.messageCount > 0 || !everyGameFits)
        return 1;
    if (parser.isSet(checkOption))
        return 0;
    saveBinFile(set, ui);
    return ui.messageCount > 0 ? 1 : 0;
}
