#include "CartridgeLoading.h"
#include "FakeUserInterface.h"
#include "ImageCommands.h"
#include "SetFile.h"
#include "SetFileCommands.h"
#include "TestFiles.h"
#include "TextFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace plakmund;

// The commands and formats of core, each checked through the user interface
// they ask and the files they read and write.
class TestCore : public QObject {
    Q_OBJECT

    // plakmund-build's exit status and all it printed.
    static std::pair<int, QString> runBuildProgram(const QStringList &arguments, const QString &language = QStringLiteral("C"))
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("LANG"), language);
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.setWorkingDirectory(QStringLiteral("/"));
        program.start(QStringLiteral(PLAKMUND_BUILD_PROGRAM), arguments);
        // Windows programs end their lines with CR LF.
        return {program.waitForFinished() ? program.exitCode() : -1, QString(program.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))};
    }

private slots:
    // What each way of loading a file into slot 2 asks, and what the slot holds afterwards.
    void everyRoute_data()
    {
        QTest::addColumn<QString>("route");     // "dialog", or "drop" on slot 2 ("drop 9": on slot 9)
        QTest::addColumn<QStringList>("names"); // in a folder; game.* files hold `length` bytes
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("answers"); // O(K), C(ancel), Y(es), N(o)
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<int>("offset"); // of the file's bytes in the slot data; -1: the slot keeps what it held

        const QStringList game{"game.crt"};
        for (int length : {16464, 8272, 4176})
            QTest::addRow("%d: header", length) << "dialog" << game << length << "" << QStringList{"dialog"} << 80;
        for (int length : {16384, 8192, 4096})
            QTest::addRow("%d: raw", length) << "drop" << QStringList{"gamebin"} << length << "" << QStringList{} << 0;
        QTest::newRow("16465: too large") << "drop" << game << 16465 << "O" << QStringList{"too large"} << -1;
        for (int length : {0, 30, 16463})
            QTest::addRow("%d: Cancel, Yes", length) << "drop" << game << length << "CY" << QStringList{"notice", "header?"} << 80;
        QTest::newRow("16463: OK") << "drop" << game << 16463 << "O" << QStringList{"notice"} << -1;
        QTest::newRow("0: Cancel, No") << "drop" << game << 0 << "CN" << QStringList{"notice", "header?"} << 0;
        QTest::newRow("dialog cancelled") << "dialog" << QStringList{""} << 0 << "" << QStringList{"dialog"} << -1;
        QTest::newRow("dialog: missing file") << "dialog" << QStringList{"gone.crt"} << 0 << "O" << QStringList{"dialog", "missing"} << -1;
        QTest::newRow("drop: .CRT, three files") << "drop" << QStringList{"game.CRT", "gamebin", "folder.crt"} << 16464 << "" << QStringList{} << 80;
        QTest::newRow("drop: nothing") << "drop" << QStringList{} << 0 << "" << QStringList{} << -1;
        QTest::newRow("drop on a disabled row") << "drop 9" << game << 16464 << "" << QStringList{} << -1;
        QTest::newRow("drop: folder.crt") << "drop" << QStringList{"folder.crt"} << 0 << "O" << QStringList{"folder"} << -1;
        QTest::newRow("drop: game.crt.zip") << "drop" << QStringList{"game.crt.zip"} << 16464 << "O" << QStringList{"not a cartridge"} << -1;
    }

    void everyRoute()
    {
        QFETCH(QString, route);
        QFETCH(QStringList, names);
        QFETCH(int, length);
        QFETCH(QString, answers);
        QFETCH(QStringList, asked);
        QFETCH(int, offset);

        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder.crt"));
        // The EXROM byte set, and a name in Windows-1252 that fills its 32 bytes: no zero byte ends it.
        const QByteArray file = cartridgeBytes(length, length % 97, 1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ\x80\xC4\x8A\xE9 ~");
        for (const char *name : {"game.crt", "game.CRT", "gamebin", "game.crt.zip"})
            writeFile(dir.filePath(QLatin1String(name)), file);
        CrtSet set;
        set.setSizeMode(SizeMode::Size512kb);
        set.setSlotData(2, SlotData::fromFile(pattern(SlotDataSize, 77), 0));
        FakeUserInterface ui;
        for (QChar answer : answers)
            ui.messageAnswers << MessageAnswer(QStringLiteral("OCYN").indexOf(answer));
        QStringList paths;
        for (const QString &name : names)
            paths << (name.isEmpty() ? name : dir.filePath(name));
        ui.dialogAnswers = paths;

        route == QLatin1String("dialog") ? loadCartridgeFromDialog(set, ui, 2) : loadDroppedCartridge(set, ui, paths, route.size() > 4 ? 9 : 2);

        const QString title = QStringLiteral("Cartridge File Size Notice!");
        const QMap<QString, QString> lines{
            {"dialog", "open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin"},
            {"notice", messageLine(QStringLiteral("Warning: The cartridge file size is: %1.\r\n"
                                                  "It should be 16,464(16K) or 8,272(8k) Bytes or less.\r\n"
                                                  "If the file is larger than 16,464 bytes the file will not be loaded.\r\n"
                                                  "Hit Cancel to load the cartridge file anyway.").arg(length),
                                   "OK+Cancel", "none", title)},
            {"header?", messageLine("Does this cartridge have a header?", "Yes+No")},
            {"too large", messageLine("Cartridge file can not be larger than 16kb for use on Kestrix!", "OK", "exclamation", title)},
            {"missing", messageLine(QStringLiteral("The cartridge file \"%1\" can not be read: it does not exist.").arg(paths.value(0)),
                                    "OK", "exclamation")},
            {"folder", messageLine("Please load a Cartridge file not a directory")},
            {"not a cartridge", messageLine("This is not a Cartridge file (*.crt,*.bin)")}};
        QStringList expected;
        for (const QString &question : asked)
            expected << lines.value(question);
        // A file without header puts the focus where its name is to be typed.
        QCOMPARE(ui.log, expected + QStringList(offset == 0, "focus 2"));
        const QString name = offset ? QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ€ÄŠé ~").left(qMax(0, length - 32)) : QStringLiteral("???");
        QCOMPARE(set.slotName(2) + '|' + set.slotLocation(2), offset < 0 ? "|" : name + '|' + paths.value(0));
        QCOMPARE(set.slotTooltip(2), offset < 0 ? "" : offset ? length > 24 ? "EXROM Detected! Switch EXROM on Kestrix to Active(On)" : "Ok"
                                                            : "Unknown Cartridge settings");
        // The file's bytes from the offset on, then zeros.
        QCOMPARE(set.slotData(2).bytes(),
                 offset < 0 ? pattern(SlotDataSize, 77) : (file.mid(offset) + QByteArray(SlotDataSize, '\0')).left(SlotDataSize));
    }

    void readForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("records"); // "name|location" each, joined by ";"
        QTest::addColumn<bool>("asWritten");  // writing the records gives exactly these bytes

        const QByteArray a = "\"A\",\"/a\"\r\n", b = "\"B\",\"/b\"\r\n";
        QTest::newRow("worked example, 57 bytes") << QByteArray("\"ALPHA\",\"C:\\games\\alpha.crt\"\r\n\"???\",\"C:\\games\\beta.bin\"\r\n")
                                                  << "ALPHA|C:\\games\\alpha.crt;???|C:\\games\\beta.bin" << true;
        QTest::newRow("no records") << QByteArray() << "" << true;
        QTest::newRow("empty fields, commas inside") << QByteArray("\"\",\"/a,b\"\r\n\"A, B\",\"\"\r\n") << "|/a,b;A, B|" << true;
        QTest::newRow("UTF-8") << QByteArray("\"\xE2\x82\xAC\xC3\xA4\",\"/\xC3\xA4.crt\"\r\n") << "€ä|/ä.crt" << true;
        QTest::newRow("not UTF-8, no line end") << QByteArray("\"\x80\x8D\x9F\xE4\",\"/\xE4.crt\"") << "€\u008DŸä|/ä.crt" << false;
        QTest::newRow("byte-order mark, LF, blank lines at the end") << "\xEF\xBB\xBF\"A\",\"/a\"\n" + b + "\r\n\n" << "A|/a;B|/b" << false;
        QTest::newRow("first line blank") << "\r\n" + a << "line 1: the line is blank" << false;
        QTest::newRow("unquoted location") << QByteArray("\"A\",/a") << "line 1: the location is not in double quotes" << false;
        QTest::newRow("one field") << QByteArray("\"A\"") << "line 1: a comma must follow the name's closing double quote" << false;
        QTest::newRow("text after") << a + b + "\"A\",\"/a\" " << "line 3: text follows the location's closing double quote" << false;
        QTest::newRow("no closing quote") << QByteArray("\"A\",\"/a") << "line 1: the location has no closing double quote" << false;
        QTest::newRow("stray carriage return") << QByteArray("\"A\r\",\"/a\"") << "line 1: the line holds a stray carriage return"
                                               << false;
        QTest::newRow("seventeen records") << a.repeated(17) << "line 17: a set holds at most 16 records" << false;
    }

    void readForms()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, records);
        QFETCH(bool, asWritten);

        const Result<QList<SetFileRecord>> read = readSetFile(bytes);
        QStringList found;
        for (const SetFileRecord &record : read.ok() ? read.value() : QList<SetFileRecord>{})
            found << record.displayName + u'|' + record.location;
        QCOMPARE(read.ok() ? found.join(u';') : QStringLiteral("line %1: %2").arg(read.failure().line).arg(read.error()), records);
        // Written in the system's encoding: as read where that is UTF-8 or the text ASCII.
        if (asWritten && QString::fromLocal8Bit(bytes) == QString::fromUtf8(bytes))
            QCOMPARE(writeSetFile(read.value()), bytes);
    }

    void loadReadsEveryCartridgeAgain()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QString records;
        for (int length : {16464, 8272, 16384, 100, 20000})
            records += QStringLiteral("\"GAME %1\",\"%2\"\n").arg(length).arg(writeFile(folder.filePath(QString::number(length)),
                                                                                         cartridgeBytes(length, length % 7, length == 16464)));
        folder.mkdir(QStringLiteral("folder.crt"));
#ifdef Q_OS_WIN
        // Windows has no named pipe in a folder; a device's name is none the less no file.
        const QString pipe = folder.filePath(QStringLiteral("nul.crt"));
        const QString notFile = QStringLiteral("Windows keeps the name \"nul\" for a device in every folder");
#else
        const QString pipe = folder.filePath(QStringLiteral("pipe.crt"));
        const QString notFile = QStringLiteral("it is not a regular file");
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
#endif
        records += QStringLiteral("\"GONE\",\"%1\"\n\"\",\"%2\"\n\"NO LOCATION\",\"\"\n\"PIPE\",\"%3\"\n")
                       .arg(folder.filePath(QStringLiteral("gone.crt")), folder.filePath(QStringLiteral("folder.crt")), pipe);
        CrtSet set; // every slot holds something, so that any change shows
        for (int slot = 0; slot < SlotCount; ++slot) {
            set.setSlotStatus(slot, SlotStatus::Ok);
            set.setSlotName(slot, QStringLiteral("OLD %1").arg(slot));
            set.setSlotData(slot, SlotData::fromFile(pattern(SlotDataSize, 50 + slot), 0));
        }
        set.setSizeMode(SizeMode::Size512kb);
        FakeUserInterface ui;
        ui.dialogAnswers << writeFile(folder.filePath(QStringLiteral("set.plk")), records.toUtf8());

        loadCrtSet(set, ui);

        // A missing file leaves its slot empty and keeps the later records in theirs.
        QCOMPARE(ui.log, (QStringList{"open dialog [Load Plakmund File] Plakmund File(.plk)|*.plk",
                                      messageLine("The Cartridge File GONE is missing!"),
                                      messageLine("The Cartridge File  is missing!"),
                                      messageLine("The Cartridge File NO LOCATION is missing!"),
                                      messageLine(QStringLiteral("The cartridge file for slot 8 \"%1\" can not be read: "
                                                                 "%2.").arg(pipe, notFile), "OK", "exclamation")}));
        QStringList statuses;
        for (int slot = 0; slot < SlotCount; ++slot)
            statuses << QStringLiteral("%1 %2: %3").arg(slot).arg(set.slotName(slot), set.slotTooltip(slot));
        QCOMPARE(statuses.mid(0, 10), (QStringList{"0 GAME 16464: EXROM Detected! Switch EXROM on Kestrix to Active(On)",
                                                   "1 GAME 8272: Ok", "2 GAME 16384: Unknown Cartridge details.",
                                                   "3 GAME 100: Unknown Cartridge details.", "4 GAME 20000: Unknown Cartridge details.",
                                                   "5 : Ok", "6 : Ok", "7 : Ok", "8 PIPE: Ok", "9 : Ok"}));
        QCOMPARE(set.slotData(1).bytes(), cartridgeBytes(8272, 8272 % 7, 0).mid(80) + QByteArray(8192, '\0'));
        QCOMPARE(set.slotData(4).bytes(), cartridgeBytes(20000, 20000 % 7, 0).left(SlotDataSize));
        QCOMPARE(set.slotData(5).bytes(), pattern(SlotDataSize, 55)); // data of a slot left empty stays
    }

    void save()
    {
        // Slots with a gap, a name with a double quote, a location with a line break and
        // a slot beyond the size mode, saved after a cancel over a longer file, which no image's listing may then replace.
        QTemporaryDir dir;
        const QString old = writeFile(dir.filePath(QStringLiteral("old.bin-list.txt")), QByteArray("\"OLD\",\"/old.crt\"\r\n").repeated(9));
        CrtSet set;
        set.setSizeMode(SizeMode::Size512kb);
        set.setSlotName(0, QStringLiteral("SAY \"HI\""));
        set.setSlotLocation(0, QStringLiteral("/g/alpha.crt"));
        set.setSlotLocation(2, QStringLiteral("/g/two\nlines.bin"));
        set.setSlotName(15, QStringLiteral("NO LOCATION"));
        FakeUserInterface ui;
        ui.dialogAnswers = {"", old, dir.filePath(QStringLiteral("old.bin"))};
        saveCrtSet(set, ui);
        saveCrtSet(set, ui);
        plakmund::saveBinFile(set, ui);

        const QString dialog = QStringLiteral("save dialog [Save Plakmund File] Plakmund File(.plk)|*.plk overwrite-prompt");
        const QString notice = QStringLiteral("The set file \"%1\" was saved, but a set file can not hold double quotes or line breaks: in it "
                                              "they became apostrophes and spaces in the name of slot 0, the location of slot 2. The window keeps them.");
        QCOMPARE(ui.log.mid(0, 3), (QStringList{dialog, dialog, messageLine(notice.arg(old), "OK", "exclamation")}));
        QCOMPARE(ui.log.last(), messageLine(QStringLiteral("The listing file \"%1\" can not be written: the set was read from it. "
                                                           "Nothing was changed.").arg(old), "OK", "exclamation"));
        QCOMPARE(readFile(old), "\"SAY 'HI'\",\"/g/alpha.crt\"\r\n\"\",\"/g/two lines.bin\"\r\n\"NO LOCATION\",\"\"\r\n");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.bin-list.txt"});
    }

    // A set saved into another folder names the same cartridge files from there, a name
    // in single-byte bytes included, and no image replaces one of them.
    void movedSet()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        QVERIFY(folder.mkpath("a/carts") && folder.mkpath("b/carts"));
        writeFile(folder.filePath("a/carts/alpha.crt"), cartridgeBytes(16464, 1));
        writeFile(folder.filePath("b/carts/alpha.crt"), cartridgeBytes(16464, 2)); // another game, same relative name
        const QByteArray latin1 = QFile::encodeName(dir.path()) + "/a/sp\xe4l.bin";
        QVERIFY(::rename(QFile::encodeName(writeFile(folder.filePath("a/s.bin"), pattern(16384, 3))).constData(), latin1.constData()) == 0);
        const auto remove = qScopeGuard([&] { ::unlink(latin1.constData()); });
        const QString a = writeFile(folder.filePath("a/set.plk"), "\"ALPHA\",\"carts/alpha.crt\"\r\n\"SP\xc4L\",\"sp\xe4l.bin\"\r\n");
        const QStringList saved{folder.filePath("b/set.plk"), folder.filePath("top.plk"), folder.filePath("a/again.plk")};
        CrtSet set;
        FakeUserInterface ui;
        ui.dialogAnswers = QStringList{a} + saved + QStringList{saved.first(), folder.filePath("a/carts/alpha.crt")};

        loadCrtSet(set, ui);
        for (int save = 0; save < saved.size(); ++save)
            saveCrtSet(set, ui);
        loadCrtSet(set, ui);
        plakmund::saveBinFile(set, ui);

        QStringList written;
        for (const QString &path : saved)
            written << decodeText(readFile(path)).replace(dir.path(), "%1");
        QCOMPARE(written, (QStringList{"\"ALPHA\",\"%1/a/carts/alpha.crt\"\r\n\"SPÄL\",\"%1/a/späl.bin\"\r\n",
                                       "\"ALPHA\",\"a/carts/alpha.crt\"\r\n\"SPÄL\",\"a/späl.bin\"\r\n",
                                       "\"ALPHA\",\"carts/alpha.crt\"\r\n\"SPÄL\",\"späl.bin\"\r\n"}));
        QCOMPARE(set.slotData(0).bytes(), cartridgeBytes(16464, 1).mid(80));
        QCOMPARE(set.slotData(1).bytes(), pattern(16384, 3));
        QCOMPARE(ui.log.last(), messageLine(QStringLiteral("The image file \"%1\" can not be written: the set was read from it. Nothing was changed.")
                                                .arg(folder.filePath("a/carts/alpha.crt")), "OK", "exclamation"));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // %1: the folder holding the set files; LANG=... first: the language
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("image");  // written with its listing; "" writes nothing
        QTest::addColumn<QString>("output"); // what it prints; "": nothing

        const QString notWritten = "plakmund-build: %1/%2: can not be written: the set was read from it. Nothing was changed.\n";
        QTest::newRow("512kb, a game left out") << QStringList{"--size", "512kb", "--output", "%1/out.bin", "%1/games.plk"} << 1 << ""
                               << "plakmund-build: %1/games.plk:8: slot 7 \"G20000\" is not in the image: 512kb holds slots 0 to 3";
        QTest::newRow("2mb by default") << QStringList{"%1/games.plk"} << 0 << "games.bin" << "";
        QTest::newRow("check only") << QStringList{"--check", "%1/games.plk"} << 0 << "" << "";
        QTest::newRow("missing cartridge") << QStringList{"%1/missing.plk"} << 1 << ""
                                           << "plakmund-build: %1/missing.plk:9: The Cartridge File GONE is missing!\n";
        QTest::newRow("control and format characters, a NUL") << QStringList{"%1/escape.plk"} << 1 << ""
                                                              << "plakmund-build: %1/escape.plk:1: The Cartridge File \\x1b[2J\\x07\\u202e is missing!\n"
                                                                 "plakmund-build: %1/escape.plk:2: The Cartridge File NUL is missing!\n";
        QTest::newRow("missing set file, in German") << QStringList{"LANG=de_DE.UTF-8", "%1/none.plk"} << 1 << "" << "plakmund-build: %1/none.plk: kann nicht gelesen werden: der Pfad existiert nicht\n";
        QTest::newRow("missing set file") << QStringList{"%1/none.plk"} << 1 << "" << "plakmund-build: %1/none.plk: can not be read: it does not exist\n";
        QTest::newRow("bad set file") << QStringList{"%1/bad.plk"} << 1 << "" << "plakmund-build: %1/bad.plk:9: can not be read: the line is blank\n";
        QTest::newRow("a set file of 1 MiB") << QStringList{"%1/1mib.plk"} << 0 << "1mib.bin" << "";
        QTest::newRow("one byte more") << QStringList{"%1/over.plk"} << 1 << ""
                                       << "%1/over.plk: can not be read: it is longer than 1 MiB, far too long for a set file\n";
        QTest::newRow("image over a cartridge") << QStringList{"%1/kong.plk"} << 1 << "" << notWritten.arg("%1", "kong.bin");
        QTest::newRow("listing over the set file") << QStringList{"--output", "%1/img.bin", "%1/img.bin-list.txt"} << 1 << ""
                                                   << notWritten.arg("%1", "img.bin-list.txt");
        QTest::newRow("a size that is none") << QStringList{"--size", "4mb", "%1/games.plk"} << 2 << ""
                                             << "plakmund-build: the size \"4mb\" is not 512kb, 1mb or 2mb\nTry 'plakmund-build --help'";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "" << "Usage: plakmund-build [options] SETFILE\n";
        QTest::newRow("help of a command") << QStringList{"verify", "-h"} << 0 << "" << "Usage: plakmund-build verify [options] DUMP SETFILE\n";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "" << "plakmund-build (Plakmund) " PLAKMUND_VERSION "\nCopyright";
    }

    // plakmund-build reads a set and writes its image as the window's commands do, never over one of its inputs.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, image);
        QFETCH(QString, output);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        // Every length class: with header, without, odd and too large; each location relative to the set file,
        // one written on Windows.
        QByteArray records;
        for (const int length : {16464, 8272, 4176, 16384, 8192, 4096, 5000, 20000})
            records += "\"G" + QByteArray::number(length) + "\",\"" + (length == 4096 ? ".\\" : "")
                + folder.relativeFilePath(writeFile(folder.filePath("%1.crt").arg(length), cartridgeBytes(length, length, 1))).toUtf8() + "\"\r\n";
        writeFile(folder.filePath("games.plk"), records);
        writeFile(folder.filePath("img.bin-list.txt"), records);
        writeFile(folder.filePath("missing.plk"), records + "\"GONE\",\"gone.crt\"\r\n");
        writeFile(folder.filePath("escape.plk"), "\"\x1b[2J\x07\xe2\x80\xae\",\"gone.crt\"\r\n\"NUL\",\"a" + QByteArray(1, '\0') + "b\"\r\n");
        writeFile(folder.filePath("kong.plk"), records + "\"KONG\",\"" + writeFile(folder.filePath("kong.bin"), pattern(16384, 9)).toUtf8() + "\"\r\n");
        writeFile(folder.filePath("bad.plk"), records + "\r\n" + records);
        const QByteArray oneMebibyte = "\"" + QByteArray(1024 * 1024 - records.size(), 'N') + records.mid(1); // a long first name
        writeFile(folder.filePath("1mib.plk"), oneMebibyte);
        writeFile(folder.filePath("over.plk"), "\"N" + oneMebibyte.mid(1));
        const QMap<QString, QByteArray> before = snapshot(dir.path());
        const QString language = arguments.first().startsWith("LANG=") ? arguments.takeFirst().mid(5) : QStringLiteral("C");
        const auto [code, printed] = runBuildProgram(arguments.replaceInStrings("%1", dir.path()), language);
        QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.contains(QString(output).replace("%1", dir.path())), qPrintable(printed));
        QCOMPARE(code, exitCode);
        for (const QString &line : QString(printed).split(u'\n', Qt::SkipEmptyParts))
            QVERIFY2(!exitCode || line.startsWith(QLatin1String("plakmund-build: ")) || line.startsWith(QLatin1String("Try ")), qPrintable(line));
        // The image and its listing are all that is new, and no input has changed.
        QMap<QString, QByteArray> after = snapshot(dir.path());
        if (!image.isEmpty()) {
            QCOMPARE(after.take(image).size(), arguments.contains("512kb") ? 65536 : 262144);
            QVERIFY(after.take(image + "-list.txt").startsWith("Cartridge Games Listings for file: " + image.toUtf8()));
        }
        QCOMPARE(after, before);
    }

    // Every text in each language shipped: translated, in every plural form, with the same arguments.
    void translationsAreWhole_data()
    {
        QTest::addColumn<QString>("file");
        for (const QFileInfo &file : QDir(QStringLiteral(PLAKMUND_TRANSLATIONS)).entryInfoList({QStringLiteral("*.ts")}))
            QTest::newRow(qPrintable(file.fileName())) << file.filePath();
    }

    void translationsAreWhole()
    {
        QFETCH(QString, file);
        QFile ts(file);
        QVERIFY(ts.open(QIODevice::ReadOnly));
        static const QRegularExpression argument(QStringLiteral("%[0-9n]+"));
        const auto arguments = [](const QString &text) {
            QStringList found;
            for (const QRegularExpressionMatch &match : argument.globalMatch(text))
                found << match.captured();
            found.sort();
            found.removeDuplicates();
            return found;
        };
        QXmlStreamReader xml(&ts);
        QString source;
        bool plural = false;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"message") {
                plural = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(source)); // unfinished or gone
                QStringList forms;
                while (plural && xml.readNextStartElement())
                    forms << xml.readElementText();
                if (!plural)
                    forms << xml.readElementText();
                for (const QString &form : std::as_const(forms))
                    QVERIFY2(!form.isEmpty() && arguments(form) == arguments(source), qPrintable(source + " / " + form));
                ++messages;
            }
        }
        QVERIFY2(!xml.hasError() && messages > 100, qPrintable(xml.errorString()));
    }

    void chipRoundTrip_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("dumpChange"); // what became of the image on the chip
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("report");     // a line verify prints

        QTest::newRow("512kb, as built") << "512kb" << "" << 0 << "slot 0 \"G0\": same\n";
        QTest::newRow("1mb, a byte changed in slot 5") << "1mb" << "byte" << 1
                                                       << "slot 5 \"G5\": differs in 1 of 16384 bytes, the first at offset 100 of the slot "
                                                          "(0x8064 in the image)\n";
        QTest::newRow("2mb, slot 5 erased") << "2mb" << "erased" << 1 << "slot 5 \"G5\": blank in the dump, as an erased chip reads";
        QTest::newRow("1mb, read from a 2mb chip") << "1mb" << "longer" << 0
                                                   << "the dump is 262144 bytes, longer than the 1mb image's 131072: its first 131072";
        QTest::newRow("2mb, read short") << "2mb" << "shorter" << 1 << "the dump is 131072 bytes, not the 2mb image's 262144";
    }

    // An image built, split into a set that builds it again byte for byte, and a chip
    // read back from it verified against the set.
    void chipRoundTrip()
    {
        QFETCH(QString, size);
        QFETCH(QString, dumpChange);
        QFETCH(int, exitCode);
        QFETCH(QString, report);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        const int games = activeSlotCount(*sizeModeNamed(size));
        // Short, erased and empty games beside full ones: the last holds zeros and no name, as an empty slot.
        QByteArray records;
        for (int slot = 0; slot < games; ++slot) {
            const QByteArray bytes = slot == 1 ? pattern(4096, 1) : slot == games - 2 ? QByteArray(16384, '\xFF')
                                   : slot == games - 1                ? QByteArray(16384, '\0') : pattern(16384, slot);
            records += QStringLiteral("\"%1\",\"g%2.bin\"\r\n").arg(slot == games - 1 ? "" : "G" + QString::number(slot)).arg(slot).toUtf8();
            writeFile(folder.filePath(QStringLiteral("g%1.bin").arg(slot)), bytes);
        }
        const QString set = writeFile(folder.filePath("set.plk"), records), image = folder.filePath("set.bin");
        QCOMPARE(runBuildProgram({"--size", size, set}).first, 0);
        const auto [split, splitReport] = runBuildProgram({"split", image});
        QCOMPARE(split, 0);
        QVERIFY2(splitReport.contains(QStringLiteral("slot %1 is blank").arg(slotNumberText(games - 2))), qPrintable(splitReport));
        QCOMPARE(runBuildProgram({"--size", size, "--output", folder.filePath("again.bin"), folder.filePath("set-split/set.plk")}).first, 0);
        QCOMPARE(readFile(folder.filePath("again.bin")), readFile(image));
        QCOMPARE(readFile(folder.filePath("again.bin-list.txt")).mid(44), readFile(image + "-list.txt").mid(42));

        QByteArray dump = readFile(image);
        if (dumpChange == "byte")
            dump[(games - 1 - 5) * SlotDataSize + 100] ^= 1;
        else if (dumpChange == "erased")
            dump.replace((games - 1 - 5) * SlotDataSize, SlotDataSize, QByteArray(SlotDataSize, '\xFF'));
        dump = dumpChange == "longer" ? dump + QByteArray(dump.size(), '\xFF') : dumpChange == "shorter" ? dump.left(dump.size() / 2) : dump;
        const auto [verified, printed] = runBuildProgram({"verify", "--size", size, writeFile(folder.filePath("dump"), dump), set});
        QVERIFY2(printed.contains(report), qPrintable(printed));
        QCOMPARE(verified, exitCode);
    }

    void saveBinFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("chosen");  // in a folder with old.bin, old.bin-list.txt and taken.bin-list.txt
        QTest::addColumn<int>("games");       // in the image; 0: none written
        QTest::addColumn<QString>("message"); // %1: the folder; or the listing's size line

        QTest::newRow("512kb over longer files") << int(SizeMode::Size512kb) << "old.bin" << 4 << "Size: 512K Eprom (4 Games)";
        QTest::newRow("1mb, no extension") << int(SizeMode::Size1mb) << "games" << 8 << "Size: 1mb Eprom (8 Games)";
        QTest::newRow("2mb") << int(SizeMode::Size2mb) << "games.bin" << 16 << "Size: 2mb Eprom (16 Games)";
        QTest::newRow("cancelled") << int(SizeMode::Size2mb) << "" << 0 << "";
        QTest::newRow("the listing over a loaded cartridge") << int(SizeMode::Size2mb) << "taken.bin" << 0
                                                             << "The listing file \"%1/taken.bin-list.txt\" can not be written: "
                                                                "the set was read from it. Nothing was changed.";
    }

    // The active slots, the highest first, each 16 KB, then the listing beside the image;
    // failures leave every file as it was.
    void saveBinFile()
    {
        QFETCH(int, size);
        QFETCH(QString, chosen);
        QFETCH(int, games);
        QFETCH(QString, message);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        writeFile(folder.filePath(QStringLiteral("old.bin")), QByteArray(300000, 'x'));
        writeFile(folder.filePath(QStringLiteral("old.bin-list.txt")), QByteArray(5000, 'x'));
        CrtSet set;
        set.setSizeMode(SizeMode(size));
        for (int slot = 0; slot < SlotCount; ++slot) {
            set.setSlotName(slot, QStringList{"ORBIT DASH", "TILE TWISTER", "???", ""}.value(slot, QStringLiteral("N%1").arg(slot)));
            if (slot != 2) // never loaded: zeros
                set.setSlotData(slot, SlotData::fromFile(pattern(SlotDataSize, slot + 1), 0));
        }
        set.setSlotLocation(14, writeFile(folder.filePath(QStringLiteral("taken.bin-list.txt")), "cartridge"));
        FakeUserInterface ui;
        ui.dialogAnswers = {chosen.isEmpty() ? chosen : folder.filePath(chosen)};
        int repaints = 0; // the window's, once before the image is written and once it is complete
        ui.whilePendingEvents = [&repaints] { ++repaints; };
        plakmund::saveBinFile(set, ui);

        const QString dialog = QStringLiteral("save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt");
        const QStringList failure = games || message.isEmpty() ? QStringList() : QStringList{messageLine(message.arg(dir.path()), "OK", "exclamation")};
        QCOMPARE(ui.log, QStringList{dialog} + failure);
        QCOMPARE(readFile(folder.filePath("taken.bin-list.txt")), "cartridge");
        QCOMPARE(repaints, chosen.isEmpty() ? 0 : 2);
        QByteArray image = games ? QByteArray() : "-";
        for (int slot = games - 1; slot >= 0; --slot)
            image += slot == 2 ? QByteArray(SlotDataSize, '\0') : pattern(SlotDataSize, slot + 1);
        QCOMPARE(readFile(folder.filePath(chosen.isEmpty() ? "none" : chosen)), image);
        const QByteArray listing = readFile(folder.filePath(chosen + "-list.txt"));
        QCOMPARE(listing.count("\r\n"), games ? games + 5 : 0);
        QCOMPARE(listing.split('\n').value(1), games ? message.toUtf8() + '\r' : QByteArray());
        QVERIFY(size != int(SizeMode::Size512kb)
                || listing == "Cartridge Games Listings for file: old.bin\r\nSize: 512K Eprom (4 Games)\r\n"
                              "----------------------------------------------\r\n0 - ORBIT DASH\r\n1 - TILE TWISTER\r\n2 - ???\r\n3 - \r\n"
                              "----------------------------------------------\r\nCreated with Drennik's Plakmund v0.4\r\n");
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
