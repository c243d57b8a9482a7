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
#include <QMap>
#include <QRegularExpression>

#include <array>
#include <cstdio>

using namespace plakmund;

namespace {

const QString ProgramName = QStringLiteral("plakmund-build");
const QString UsageLine = QStringLiteral("Usage: plakmund-build [--size 512kb|1mb|2mb] [--output IMAGE] [--check] SETFILE");

void printError(const QString &line)
{
    std::fputs(qPrintable(ProgramName + QStringLiteral(": ") + line + u'\n'), stderr);
}

// Answers the open dialog with SETFILE and the save dialog with IMAGE, and
// prints each message on standard error instead of showing it.
class CommandLineUserInterface : public UserInterface {
public:
    CommandLineUserInterface(const CrtSet &set, const QString &setPath, const QString &imagePath)
        : subject(setPath), m_setPath(setPath), m_imagePath(imagePath)
    {
        // A missing cartridge's message names only the game, but the loader empties
        // the slot's location just before it: remember which file that was.
        QObject::connect(&set, &CrtSet::slotLocationChanged, &set, [this, &set](int slot) {
            if (set.slotLocation(slot).isEmpty())
                m_emptiedLocation = m_locations.at(slot);
            m_locations.at(slot) = set.slotLocation(slot);
        });
    }

    // The file a message is about unless it names one itself.
    QString subject;
    int messageCount = 0;

    MessageAnswer showMessage(const MessageBoxRequest &request) override
    {
        ++messageCount;
        const QString file = m_emptiedLocation.isEmpty() ? subject : m_emptiedLocation;
        m_emptiedLocation.clear();
        QString line = request.title + QStringLiteral(": ") + request.text;
        line.replace(QRegularExpression(QStringLiteral("\\s*[\\r\\n]+\\s*")), QStringLiteral(" "));
        printError(request.text.contains(file) ? line : file + QStringLiteral(": ") + line);
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
    std::array<QString, SlotCount> m_locations;
    QString m_emptiedLocation;
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
    std::fputs(qPrintable(UsageLine + u'\n'), stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(ProgramName);
    QCoreApplication::setApplicationVersion(versionText());

    QMap<QString, SizeMode> sizes;
    for (SizeMode mode : {SizeMode::Size512kb, SizeMode::Size1mb, SizeMode::Size2mb})
        sizes.insert(sizeModeName(mode), mode);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds the EPROM image of a set file and its listing, as the window's Save BIN File does."));
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("EPROM size: 512kb, 1mb or 2mb."),
                                        QStringLiteral("size"), QStringLiteral("2mb"));
    const QCommandLineOption outputOption(
        QStringLiteral("output"), QStringLiteral("Image file (default: SETFILE ending in .bin)."), QStringLiteral("image"));
    const QCommandLineOption checkOption(QStringLiteral("check"), QStringLiteral("Load and report only; write nothing."));
    parser.addOptions({sizeOption, outputOption, checkOption});
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("SETFILE"), QStringLiteral("The set file (.plk) to build."));

    if (!parser.parse(app.arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption))
        parser.showHelp();
    if (parser.isSet(versionOption))
        parser.showVersion();
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || positional.first().isEmpty())
        return usageError(QStringLiteral("give exactly one SETFILE"));
    const QString size = parser.value(sizeOption);
    if (!sizes.contains(size))
        return usageError(QStringLiteral("the size \"%1\" is not 512kb, 1mb or 2mb").arg(size));
    // An empty path would read as a cancelled dialog, and an image over the set file would destroy it.
    const QString setPath = positional.first();
    const QString imagePath = parser.isSet(outputOption) ? parser.value(outputOption) : defaultImagePath(setPath);
    if (imagePath.isEmpty() || QFileInfo(imagePath) == QFileInfo(setPath))
        return usageError(QStringLiteral("IMAGE must be a file other than SETFILE"));

    // The window's start state, its size choice, then Load CRT Set.
    CrtSet set;
    set.setSizeMode(sizes.value(size));
    CommandLineUserInterface ui(set, setPath, imagePath);
    loadCrtSet(set, ui);
    for (int slot = activeSlotCount(set.sizeMode()); slot < SlotCount; ++slot) {
        if (!set.slotName(slot).isEmpty() || !set.slotLocation(slot).isEmpty())
            printError(QStringLiteral("%1: slot %2 \"%3\" is not in the image: %4 holds slots 0 to %5")
                           .arg(setPath, slotNumberText(slot), set.slotName(slot), size,
                                slotNumberText(activeSlotCount(set.sizeMode()) - 1)));
    }
    // A partial image is worse than none for a script.
    if (ui.messageCount > 0)
        return 1;
    if (parser.isSet(checkOption))
        return 0;

    ui.subject = imagePath;
    saveBinFile(set, ui);
    return ui.messageCount > 0 ? 1 : 0;
}
