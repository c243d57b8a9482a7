#include "FakeUserInterface.h"
#include "ImageCommands.h"
#include "SetFile.h"
#include "SetFileCommands.h"
#include "TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace plakmund;

namespace {

const QString OpenDialog = QStringLiteral("open dialog [Load Plakmund File] Plakmund File(.plk)|*.plk");

// Every slot holds something, so that any change shows.
void fillEverySlot(CrtSet &set)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        set.setSlotStatus(slot, SlotStatus::Ok);
        set.setSlotName(slot, QStringLiteral("OLD %1").arg(slot));
        set.setSlotData(slot, SlotData::fromFile(pattern(SlotDataSize, 50 + slot), 0));
    }
}

} // namespace

class TestSetFile : public QObject {
    Q_OBJECT

private slots:
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
        QTest::newRow("not UTF-8: Windows-1252") << QByteArray("\"\x80\xE4\",\"/\xE4.crt\"\r\n") << "€ä|/ä.crt" << false;
        QTest::newRow("LF only") << QByteArray("\"A\",\"/a\"\n\"B\",\"/b\"\n") << "A|/a;B|/b" << false;
        QTest::newRow("last line without end") << a + b.chopped(2) << "A|/a;B|/b" << false;
        QTest::newRow("byte-order mark, blank lines at the end") << "\xEF\xBB\xBF" + a + b + "\r\n\n" << "A|/a;B|/b" << false;
        QTest::newRow("first line blank") << "\r\n" + a << "line 1: the line is blank" << false;
        QTest::newRow("blank line between") << a + "\r\n" + b << "line 2: the line is blank" << false;
        QTest::newRow("unquoted name") << a + "A,\"/a\"" << "line 2: the name is not in double quotes" << false;
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

        QList<SetFileRecord> expected;
        for (const QString &record : records.split(u';', Qt::SkipEmptyParts))
            expected << SetFileRecord{record.section(u'|', 0, 0), record.section(u'|', 1)};
        const Result<QList<SetFileRecord>> read = readSetFile(bytes);
        if (records.startsWith(QLatin1String("line ")))
            QCOMPARE(read.ok() ? QStringLiteral("read") : read.error(), records);
        else
            QCOMPARE((read.ok() ? read.value() : QList<SetFileRecord>{{read.error(), {}}}), expected);
        if (asWritten)
            QCOMPARE(writeSetFile(expected), bytes);
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
        const QString pipe = makeFifo(folder.filePath(QStringLiteral("pipe.crt")));
        records += QStringLiteral("\"GONE\",\"%1\"\n\"\",\"%2\"\n\"NO LOCATION\",\"\"\n\"PIPE\",\"%3\"\n")
                       .arg(folder.filePath(QStringLiteral("gone.crt")), folder.filePath(QStringLiteral("folder.crt")), pipe);
        CrtSet set;
        fillEverySlot(set);
        set.setSizeMode(SizeMode::Size512kb);
        FakeUserInterface ui;
        ui.dialogAnswers << writeFile(folder.filePath(QStringLiteral("set.plk")), records.toUtf8());
        ui.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok};

        loadCrtSet(set, ui);

        // A missing file leaves its slot empty and keeps the later records in theirs.
        QCOMPARE(ui.log, (QStringList{OpenDialog, "events", "events", "events", messageLine("The Cartridge File GONE is missing!"),
                                      messageLine("The Cartridge File  is missing!"),
                                      messageLine("The Cartridge File NO LOCATION is missing!"),
                                      failureLine(QStringLiteral("The cartridge file for slot 8 \"%1\" can not be read: "
                                                                 "it is not a regular file.").arg(pipe))}));
        QStringList statuses;
        for (int slot = 0; slot < SlotCount; ++slot)
            statuses << QStringLiteral("%1 %2: %3").arg(slot).arg(set.slotName(slot), set.slotTooltip(slot));
        QCOMPARE(statuses.mid(0, 10), (QStringList{"0 GAME 16464: EXROM Detected! Switch EXROM on Kestrix to Active(On)",
                                                   "1 GAME 8272: Ok", "2 GAME 16384: Unknown Cartridge details.",
                                                   "3 GAME 100: Unknown Cartridge details.", "4 GAME 20000: Unknown Cartridge details.",
                                                   "5 : Ok", "6 : Ok", "7 : Ok", "8 PIPE: Ok", "9 : Ok"}));
        QCOMPARE(set.slotData(1).bytes(), slotBytesFrom(cartridgeBytes(8272, 8272 % 7, 0), 80));
        QCOMPARE(set.slotData(4).bytes(), slotBytesFrom(cartridgeBytes(20000, 20000 % 7, 0), 0));
        QCOMPARE(set.slotData(5).bytes(), pattern(SlotDataSize, 55)); // data of a slot left empty stays
        QCOMPARE(set.slotStatus(8), SlotStatus::Empty);
        QCOMPARE(set.sizeMode(), SizeMode::Size512kb);
    }

    void loadRefusals_data()
    {
        QTest::addColumn<QString>("chosen"); // in a folder holding the files below
        QTest::addColumn<QString>("reason"); // "": the set loads

        QTest::newRow("malformed") << "bad.plk" << "line 2: the line is blank";
        QTest::newRow("exactly 1 MiB") << "1mib.plk" << "";
        QTest::newRow("one byte over 1 MiB") << "over.plk" << "it is longer than 1 MiB, far too long for a set file";
    }

    void loadRefusals()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        writeFile(folder.filePath(QStringLiteral("bad.plk")), "\"A\",\"/a\"\r\n\r\n\"B\",\"/b\"\r\n");
        const QString game = writeFile(folder.filePath(QStringLiteral("game.bin")), cartridgeBytes(4096, 3));
        const QByteArray record = "\",\"" + game.toUtf8() + "\"\r\n";
        const QByteArray oneMib = "\"" + QByteArray(1024 * 1024 - 1 - record.size(), 'N') + record;
        writeFile(folder.filePath(QStringLiteral("1mib.plk")), oneMib);
        writeFile(folder.filePath(QStringLiteral("over.plk")), "\"N" + oneMib);
        CrtSet set;
        fillEverySlot(set);
        FakeUserInterface ui;
        ui.dialogAnswers << folder.filePath(chosen);
        ui.messageAnswers = {MessageAnswer::Ok};

        loadCrtSet(set, ui);

        const QString failure = QStringLiteral("The set file \"%1\" can not be read: %2.").arg(folder.filePath(chosen), reason);
        QCOMPARE(ui.log, (QStringList{OpenDialog, reason.isEmpty() ? "events" : failureLine(failure)}));
        QCOMPARE(set.slotData(0).bytes(), reason.isEmpty() ? slotBytesFrom(cartridgeBytes(4096, 3), 0) : pattern(SlotDataSize, 50));
        QCOMPARE(set.slotName(1), reason.isEmpty() ? "" : "OLD 1");
    }

    void save_data()
    {
        QTest::addColumn<QStringList>("filled"); // "slot=name|location"
        QTest::addColumn<QString>("chosen");    // in the folder; "" cancels; "old.plk" is there and longer
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("message");

        const QStringList gaps{"0=ALPHA|/g/alpha.crt", "2=|/g/no-name.bin", "15=NO LOCATION|"};
        QTest::newRow("gaps, over a longer file")
            << gaps << "old.plk" << QByteArray("\"ALPHA\",\"/g/alpha.crt\"\r\n\"\",\"/g/no-name.bin\"\r\n\"NO LOCATION\",\"\"\r\n") << "";
        QTest::newRow("nothing to save") << QStringList{} << "old.plk" << QByteArray() << "";
        QTest::newRow("cancelled") << gaps << "" << QByteArray("-") << "";
        QTest::newRow("a double quote and a line break") << QStringList{"1=SAY \"HI\"|/g", "10=A|/two\nlines"} << "old.plk"
                                                         << QByteArray("\"SAY 'HI'\",\"/g\"\r\n\"A\",\"/two lines\"\r\n")
                                                         << "The set file \"%1\" was saved, but a set file can not hold double "
                                                            "quotes or line breaks: in it they became apostrophes and spaces in the "
                                                            "name of slot 1, the location of slot A. The window keeps them.";
        QTest::newRow("folder missing") << gaps << "missing/set.plk" << QByteArray("-")
                                        << "The set file \"%1\" can not be written: No such file or directory.";
    }

    void save()
    {
        QFETCH(QStringList, filled);
        QFETCH(QString, chosen);
        QFETCH(QByteArray, written);
        QFETCH(QString, message);

        QTemporaryDir dir;
        const QByteArray old = QByteArray("\"OLD\",\"/old.crt\"\r\n").repeated(9);
        writeFile(dir.filePath(QStringLiteral("old.plk")), old);
        CrtSet set;
        set.setSizeMode(SizeMode::Size512kb);
        for (const QString &slot : filled) {
            set.setSlotName(slot.section(u'=', 0, 0).toInt(), slot.section(u'=', 1).section(u'|', 0, 0));
            set.setSlotLocation(slot.section(u'=', 0, 0).toInt(), slot.section(u'|', 1));
        }
        FakeUserInterface ui;
        const QString path = chosen.isEmpty() ? chosen : dir.filePath(chosen);
        ui.dialogAnswers << path;
        ui.messageAnswers = {MessageAnswer::Ok};

        saveCrtSet(set, ui);

        QStringList log{"save dialog [Save Plakmund File] Plakmund File(.plk)|*.plk overwrite-prompt"};
        if (!message.isEmpty())
            log << failureLine(message.arg(path));
        QCOMPARE(ui.log, log);
        QCOMPARE(readFile(dir.filePath(QStringLiteral("old.plk"))), written == "-" ? old : written);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.plk"});
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // %1: the folder holding the set files
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("image"); // written with its listing; "" writes nothing
        QTest::addColumn<QString>("error"); // in standard error; "": nothing there

        QTest::newRow("512kb") << QStringList{"--size", "512kb", "--output", "%1/out.bin", "%1/games.plk"} << 0 << "out.bin"
                               << "plakmund-build: %1/games.plk: slot 7 \"G20000\" is not in the image";
        QTest::newRow("1mb") << QStringList{"--size", "1mb", "%1/games.plk"} << 0 << "games.bin" << "";
        QTest::newRow("2mb by default") << QStringList{"%1/games.plk"} << 0 << "games.bin" << "";
        QTest::newRow("check") << QStringList{"--check", "%1/games.plk"} << 0 << "" << "";
        QTest::newRow("missing cartridge") << QStringList{"%1/missing.plk"} << 1 << "" << "plakmund-build: %1/gone.crt: Plakmund_v0.4: The";
        QTest::newRow("bad set file") << QStringList{"%1/bad.plk"} << 1 << "" << "The set file \"%1/bad.plk\" can not be read: line 9";
        QTest::newRow("unknown option") << QStringList{"--fast", "%1/games.plk"} << 2 << "" << "Usage: plakmund-build";
        QTest::newRow("no set file") << QStringList{} << 2 << "" << "Usage: plakmund-build";
        QTest::newRow("4mb") << QStringList{"--size", "4mb", "%1/games.plk"} << 2 << "" << "Usage: plakmund-build";
    }

    // plakmund-build writes what the window's commands write after a fresh start.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, image);
        QFETCH(QString, error);

        QTemporaryDir dir, window;
        QByteArray records; // every length class: with header, without, odd and too large
        for (const int length : {16464, 8272, 4176, 16384, 8192, 4096, 5000, 20000})
            records += QStringLiteral("\"G%1\",\"%2\"\r\n")
                           .arg(length).arg(writeFile(dir.filePath("%1.crt").arg(length), cartridgeBytes(length, length, 1))).toUtf8();
        writeFile(dir.filePath("games.plk"), records);
        writeFile(dir.filePath("missing.plk"), records + "\"GONE\",\"" + dir.filePath("gone.crt").toUtf8() + "\"\r\n");
        writeFile(dir.filePath("bad.plk"), records + "\r\n" + records);
        QProcess program;
        program.start(QStringLiteral(PLAKMUND_BUILD_PROGRAM), arguments.replaceInStrings("%1", dir.path()));
        QVERIFY(program.waitForFinished());

        const QString err = program.readAllStandardError();
        QVERIFY2(error.isEmpty() ? err.isEmpty() : err.contains(QString(error).replace("%1", dir.path())), qPrintable(err));
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(QDir(dir.path()).entryList({"*.bin", "*.txt"}).join(u' '), image.isEmpty() ? "" : image + " " + image + "-list.txt");
        if (image.isEmpty())
            return;
        CrtSet set;
        set.setSizeMode(arguments.contains("512kb") ? SizeMode::Size512kb
                        : arguments.contains("1mb") ? SizeMode::Size1mb : SizeMode::Size2mb);
        FakeUserInterface ui;
        ui.dialogAnswers << dir.filePath("games.plk") << window.filePath(image);
        loadCrtSet(set, ui);
        saveBinFile(set, ui);
        for (const QString &file : {image, image + "-list.txt"})
            QCOMPARE(readFile(dir.filePath(file)), readFile(window.filePath(file)));
    }
};

QTEST_GUILESS_MAIN(TestSetFile)
#include "tst_setfile.moc"
