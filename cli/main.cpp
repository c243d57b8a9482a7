// plakmund-build: the window's image build for scripts, and the way back from a
// chip: split an image into its games, verify a chip read back against a set.
// It calls core's operations on files and prints what the window would show.
#include "CrtSet.h"
#include "DumpCheck.h"
#include "EpromImage.h"
#include "FileAccess.h"
#include "ImageFiles.h"
#include "ImageSplit.h"
#include "SetLoading.h"
#include "Translations.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <functional>

using namespace plakmund;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The chips read back are at most 8 Mbit; a dump far longer is no chip's.
constexpr qint64 MaxDumpSize = 8 * 1024 * 1024;

QString versionInformation()
{
    return QStringLiteral("plakmund-build (Plakmund) " PLAKMUND_VERSION "\nCopyright (C) 2026 Plakmund developers\n")
        + Text::tr("License MIT: <https://opensource.org/licenses/MIT>\n"
                   "This is free software: you are free to change and redistribute it.\n"
                   "There is NO WARRANTY, to the extent permitted by law.\n");
}

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

void printTo(FILE *stream, const QString &text)
{
    std::fputs(qPrintable(printable(text) + u'\n'), stream);
}

void printError(const QString &text)
{
    printTo(stderr, QStringLiteral("plakmund-build: ") + text);
}

// What Qt itself warns of goes out with the program's prefix too.
void printQtMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    printError(text);
}

// "FILE[:LINE]: TEXT", the form compilers use.
void printAbout(const QString &file, int line, const QString &text)
{
    printError((line ? QStringLiteral("%1:%2").arg(file, QString::number(line)) : file) + QStringLiteral(": ") + text);
}

void printFailure(const FileFailure &failure)
{
    const QString text = failure.writing ? Text::tr("can not be written: %1") : Text::tr("can not be read: %1");
    const QString outcome = failure.outcome.isEmpty() ? QString() : QStringLiteral(". ") + failure.outcome;
    printAbout(failure.path, failure.why.line, text.arg(failure.why.reason) + outcome);
}

// A set file's games as a fresh window would put them into an image of the given
// size; every message it would show is printed. Nothing where the set is not
// whole: a file could not be read, or a game lies beyond the size.
std::optional<ImageFiles> imageOfSet(const QString &setPath, SizeMode mode)
{
    const Result<QList<LoadedRecord>> loaded = loadSetFile(setPath);
    if (!loaded.ok()) {
        printFailure(FileFailure{FileKind::SetFile, setPath, false, loaded.failure()});
        return std::nullopt;
    }
    bool whole = true;
    const int games = activeSlotCount(mode);
    ImageFiles image{{}, {}, mode, QStringList(games, QString()), QList<SlotData>(games), {setPath}};
    for (int slot = 0; slot < loaded.value().size(); ++slot) {
        const LoadedRecord &record = loaded.value().at(slot);
        image.inputs << record.path;
        // Records fill the slots in order, one to a line.
        if (record.found.outcome == Reinspection::Missing) {
            printAbout(setPath, slot + 1, missingCartridgeText(record.record.displayName));
            whole = false;
        } else if (record.found.outcome == Reinspection::Unreadable) {
            printFailure(FileFailure{FileKind::CartridgeFile, record.path, false, {record.found.reason}, {}, slot});
            whole = false;
        } else if (slot >= games) {
            printAbout(setPath, slot + 1, Text::tr("slot %1 \"%2\" is not in the image: %3 holds slots 0 to %4", "%3: an EPROM size such as 1mb")
                                              .arg(slotNumberText(slot), record.record.displayName, sizeModeName(mode),
                                                   slotNumberText(games - 1)));
            whole = false;
        } else {
            image.names[slot] = record.record.displayName;
            image.games[slot] = record.found.data;
        }
    }
    // A partial image is worse than none for a script.
    return whole ? std::optional(image) : std::nullopt;
}

// SETFILE with its extension, if it has one, replaced by .bin.
QString defaultImagePath(const QString &setPath)
{
    const QString suffix = QFileInfo(setPath).suffix();
    return (suffix.isEmpty() ? setPath : setPath.chopped(suffix.size() + 1)) + QStringLiteral(".bin");
}

// A subcommand: its arguments, options and what it does with them. run returns
// the exit status, or -1 after a usage error it printed.
struct Command {
    QString name;
    QString arguments;   // as the usage line shows them
    QString description; // what it does, for its help
    QList<QCommandLineOption> options;
    std::function<int(const QCommandLineParser &, const QStringList &)> run;
};

// The options, made once the user's language is known: their descriptions are the help's.
struct Options {
    QCommandLineOption size{QStringLiteral("size"),
                            Text::tr("The EPROM size: %1 (default: %2).").arg(sizeModeNamesText(), sizeModeName(StartSizeMode)),
                            QStringLiteral("SIZE"), sizeModeName(StartSizeMode)};
    QCommandLineOption output{QStringLiteral("output"),
                              Text::tr("The image file (default: SETFILE ending in .bin); its listing is IMAGE-list.txt beside it.",
                                       "SETFILE, IMAGE: the arguments' names, as the usage line shows them"),
                              QStringLiteral("IMAGE")};
    QCommandLineOption check{QStringLiteral("check"), Text::tr("Load the set and report, but write nothing.")};
    QCommandLineOption into{QStringLiteral("into"),
                            Text::tr("The folder for the games and the set file (default: a new folder IMAGE-split beside "
                                     "the image, without its extension)."),
                            QStringLiteral("DIR")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, Text::tr("Display this help and exit.")};
    QCommandLineOption version{{QStringLiteral("V"), QStringLiteral("version")}, Text::tr("Output version information and exit.")};
};

const Options &options()
{
    static const Options made;
    return made;
}

int usageError(const QString &command, const QString &problem)
{
    printError(problem);
    std::fputs(qPrintable(Text::tr("Try 'plakmund-build %1--help' for more information.", "%1: the command, if any, and a space")
                              .arg(command == QLatin1String("build") ? QString() : command + u' ')
                          + u'\n'),
               stderr);
    return 2;
}

std::optional<SizeMode> chosenSize(const QCommandLineParser &parser)
{
    return sizeModeNamed(parser.value(options().size));
}

int build(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString &setPath = arguments.first();
    const QString imagePath = parser.isSet(options().output) ? parser.value(options().output) : defaultImagePath(setPath);
    if (imagePath.isEmpty())
        return usageError(QStringLiteral("build"), Text::tr("IMAGE must not be empty"));
    std::optional<ImageFiles> image = imageOfSet(setPath, *chosenSize(parser));
    if (!image)
        return 1;
    if (parser.isSet(options().check))
        return 0;
    image->path = imagePath;
    image->fileName = QFileInfo(imagePath).fileName();
    if (const std::optional<FileFailure> failed = writeImageFiles(*image)) {
        printFailure(*failed);
        return 1;
    }
    return 0;
}

int split(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString &imagePath = arguments.first();
    const bool into = parser.isSet(options().into);
    const QString folder = into ? parser.value(options().into) : defaultSplitFolder(imagePath);
    const Result<SplitImage, FileFailure> split = splitImage(imagePath, folder, into && QFileInfo(folder).isDir());
    if (!split.ok()) {
        printFailure(split.failure());
        return 1;
    }
    const SplitImage &done = split.value();
    if (!done.listingIgnored.isEmpty())
        printError(Text::tr("%1-list.txt: not used for the names: %2").arg(imagePath, done.listingIgnored));
    for (const int slot : done.blankSlotsKept)
        printTo(stdout, Text::tr("slot %1 is blank; it has a file all the same, so that the image builds again as it is")
                            .arg(slotNumberText(slot)));
    const QString games = QString::number(done.slotsWritten.size());
    printTo(stdout, done.names.isEmpty()
                        ? Text::tr("%1 image: %2 games, names from nowhere (\"???\"), set file %3").arg(sizeModeName(done.mode), games, done.setFile)
                        : Text::tr("%1 image: %2 games, names from %3, set file %4").arg(sizeModeName(done.mode), games, done.names, done.setFile));
    return 0;
}

int verify(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QString &dumpPath = arguments.at(0);
    const std::optional<ImageFiles> set = imageOfSet(arguments.at(1), *chosenSize(parser));
    if (!set)
        return 1;
    const Result<QByteArray> dump = readRegularFile(dumpPath, MaxDumpSize);
    if (!dump.ok()) {
        printFailure(FileFailure{FileKind::Dump, dumpPath, false, dump.failure()});
        return 1;
    }
    const DumpCheck check = checkDump(dump.value(), buildEpromImage(set->games));
    const QString size = sizeModeName(set->mode);
    if (check.dumpLength > check.imageLength)
        printTo(stdout, Text::tr("the dump is %1 bytes, longer than the %2 image's %3: its first %3 bytes are compared")
                            .arg(check.dumpLength).arg(size).arg(check.imageLength));
    else if (check.dumpLength < check.imageLength)
        printTo(stdout, Text::tr("the dump is %1 bytes, not the %2 image's %3: only the games it holds whole are compared")
                            .arg(check.dumpLength).arg(size).arg(check.imageLength));
    for (const AreaCheck &area : check.areas) {
        const QString slot = slotNumberText(area.slot);
        const QString &name = set->names.at(area.slot);
        if (area.differing == 0 && area.blankInImage)
            printTo(stdout, Text::tr("slot %1 \"%2\": same, blank").arg(slot, name));
        else if (area.differing == 0)
            printTo(stdout, Text::tr("slot %1 \"%2\": same").arg(slot, name));
        else if (area.blankInDump)
            printTo(stdout, Text::tr("slot %1 \"%2\": blank in the dump, as an erased chip reads, but not in the image").arg(slot, name));
        else
            printTo(stdout, Text::tr("slot %1 \"%2\": differs in %3 of 16384 bytes, the first at offset %4 of the slot (0x%5 in the image)")
                                .arg(slot, name, QString::number(area.differing), QString::number(area.firstDifference),
                                     QString::number(qint64(set->games.size() - 1 - area.slot) * SlotDataSize + area.firstDifference, 16)));
    }
    return check.allSame() ? 0 : 1;
}

// The commands, made once the user's language is known.
const QList<Command> &commands()
{
    static const QList<Command> made{
        {QStringLiteral("build"), QStringLiteral("SETFILE"),
         Text::tr("Build the EPROM image of the set file SETFILE and its listing, as the window's Load CRT Set and Save BIN "
                  "File do after a fresh start. Relative cartridge locations in SETFILE are taken from its folder. The "
                  "exit status is 0 when the image holds every game of the set (with --check: when the set loaded without "
                  "a message and every game fits the size), 1 when a file could not be read or written or a game does "
                  "not fit, and then nothing is written."),
         {options().size, options().output, options().check}, build},
        {QStringLiteral("split"), QStringLiteral("IMAGE"),
         Text::tr("Cut the EPROM image IMAGE (%1) into its games: a 16 KB file for each and a set file that builds the "
                  "same image again, with the names from the listing IMAGE-list.txt where it fits, \"???\" otherwise. "
                  "Exit status 0 when every file was written, 1 otherwise.")
             .arg(sizeModeNamesText()),
         {options().into}, split},
        {QStringLiteral("verify"), QStringLiteral("DUMP SETFILE"),
         Text::tr("Compare DUMP, a chip read back by the programmer, with the image SETFILE gives, one line for each game. "
                  "Exit status 0 only when every byte of the image is the same in the dump."),
         {options().size}, verify},
    };
    return made;
}

QString helpOf(const Command &command, QCommandLineParser &parser)
{
    // Qt's help, from the options' own descriptions, with the command in its usage line.
    QString help = parser.helpText();
    const QString usage = Text::tr("Usage: plakmund-build %1[options] %2", "%1: the command, if any, and a space; %2: its arguments")
                              .arg(command.name == QLatin1String("build") ? QString() : command.name + u' ', command.arguments);
    help.replace(0, help.indexOf(u'\n'), usage);
    if (command.name == QLatin1String("build")) {
        help += u'\n'
            + Text::tr("Commands (plakmund-build COMMAND --help tells each):\n  build   the image of a set file, as without a command\n"
                       "  split   an image's games as files and a set file\n  verify  a chip read back against a set\n",
                       "build, split, verify: the commands' names, which stay as they are");
    }
    return help + u'\n' + Text::tr("Report bugs to: %1").arg(QStringLiteral("<plakmund@example.org>")) + u'\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plakmund-build"));
    qInstallMessageHandler(printQtMessage);
    installTranslations();

    // plakmund-build SETFILE, as scripts have always called it, is the build command.
    QStringList arguments = app.arguments();
    auto command = std::find_if(commands().begin(), commands().end(), [&](const Command &c) { return c.name == arguments.value(1); });
    if (command == commands().end())
        command = commands().begin();
    else
        arguments.removeAt(1);

    QCommandLineParser parser;
    parser.setApplicationDescription(command->description);
    parser.addOptions(command->options);
    parser.addOptions({options().help, options().version});
    const QMap<QString, QString> argumentWords{{QStringLiteral("SETFILE"), Text::tr("A set file (.plk).")},
                                               {QStringLiteral("IMAGE"), Text::tr("An EPROM image (.bin).")},
                                               {QStringLiteral("DUMP"), Text::tr("A chip as the programmer read it back.")}};
    for (const QString &argument : command->arguments.split(u' '))
        parser.addPositionalArgument(argument, argumentWords.value(argument));
    if (!parser.parse(arguments))
        return usageError(command->name, parser.errorText());
    if (parser.isSet(options().help) || parser.isSet(options().version)) {
        std::fputs(qPrintable(parser.isSet(options().help) ? helpOf(*command, parser) : versionInformation()), stdout);
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    const qsizetype wanted = command->arguments.count(u' ') + 1;
    if (positional.size() != wanted || positional.contains(QString()))
        return usageError(command->name, Text::tr("give exactly %1", "%1: the arguments' names, such as 'DUMP SETFILE'").arg(command->arguments));
    const bool takesSize = std::any_of(command->options.begin(), command->options.end(),
                                       [](const QCommandLineOption &option) { return option.names() == options().size.names(); });
    if (takesSize && !chosenSize(parser))
        return usageError(command->name, Text::tr("the size \"%1\" is not %2", "%2: the EPROM sizes, such as '512kb, 1mb or 2mb'")
                                                  .arg(parser.value(options().size), sizeModeNamesText()));
    return command->run(parser, positional);
}
