// A long session through the window's own file dialogs: each round loads 16
// cartridges by the open dialog, saves the image and the set by the save
// dialog, then clears all, and prints the resident memory and the open
// descriptors. Fails when either grows from the end of round 2 to the end of
// the last round (memory by 2 MiB or more), so it can serve as a check.
// Usage: soak_dialogs [rounds], 12 by default, at least 3.
#include "MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <malloc.h>

#include <cstdio>

namespace {

constexpr qint64 GrowthLimitKib = 2048;

// VmRSS of /proc/self/status in KiB.
qint64 residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
    }
    return 0;
}

qint64 openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
}

// A 16,464-byte cartridge file: an 80-byte header that names it, then 16 KiB.
void writeCartridge(const QString &path, const QByteArray &name)
{
    QByteArray bytes(80 + 16384, '\0');
    bytes.replace(0, 16, "C64 CARTRIDGE   ");
    bytes.replace(32, name.size(), name);
    for (int i = 80; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + name.back());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QString cartridgePath(const QTemporaryDir &folder, int slot)
{
    return folder.filePath(QStringLiteral("cart%1.crt").arg(slot, 2, 10, QLatin1Char('0')));
}

void replaceWithOneByte(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write("x", 1) != 1)
        qFatal("cannot write %s", qPrintable(path));
}

// Answers Qt's question whether to replace a file with Yes, as a user saving
// over the last round's file does; does nothing where no question is open.
void answerReplaceQuestion()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
        box->button(QMessageBox::Yes)->click();
}

// Types path into the open file dialog's name box and presses Return.
void answerFileDialog(const QString &path)
{
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    auto *name = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
    if (!name)
        qFatal("no file dialog with a name box is open");
    // Typed into a box without the focus, the name of a file the dialog lists
    // would replace the path: the user's dialog has the focus in its name box.
    // The offscreen platform does not activate a dialog as it is shown.
    dialog->activateWindow();
    if (!QTest::qWaitFor([name] { return name->hasFocus(); }))
        qFatal("the file dialog has no focus in its name box");
    name->clear();
    QTest::keyClicks(name, path);
    QTimer::singleShot(0, dialog, answerReplaceQuestion);
    QTest::keyClick(name, Qt::Key_Return);
}

// Clicks button, whose command opens a file dialog, and answers it with path.
void clickAndAnswer(QWidget &window, const char *button, const QString &path)
{
    auto *target = window.findChild<QPushButton *>(QLatin1String(button));
    if (!target)
        qFatal("no button %s", button);
    QTimer::singleShot(0, &window, [path] { answerFileDialog(path); });
    target->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = app.arguments().size() > 1 ? app.arguments().at(1).toInt() : 12;
    if (rounds < 3) {
        std::fprintf(stderr, "usage: soak_dialogs [rounds], at least 3\n");
        return 2;
    }
    // The dialogs open in the folder of the cartridges, where the user works.
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    for (int i = 0; i < 16; ++i)
        writeCartridge(cartridgePath(folder, i), QByteArray("SOAK ") + QByteArray::number(i));
    const QString image = folder.filePath(QStringLiteral("image.bin"));
    const QString set = folder.filePath(QStringLiteral("set.plk"));

    plakmund::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was not shown");

    std::printf("%s platform, %d rounds of 18 file dialogs\n", qPrintable(QApplication::platformName()), rounds);
    std::printf("round  RSS KiB  RSS MiB  heap KiB  descriptors\n");
    qint64 rssAfter2 = 0;
    qint64 fdsAfter2 = 0;
    qint64 rss = 0;
    qint64 fds = 0;
    for (int round = 1; round <= rounds; ++round) {
        for (int i = 0; i < 16; ++i) {
            clickAndAnswer(window, qPrintable(QStringLiteral("cmdLoadCRT_%1").arg(i)), cartridgePath(folder, i));
            if (window.crtSet().slotName(i) != QStringLiteral("SOAK %1").arg(i))
                qFatal("round %d: slot %d was not loaded", round, i);
        }
        // Saved over a one-byte file each round, so the dialog asks whether to replace it.
        for (const QString &path : {image, set})
            replaceWithOneByte(path);
        clickAndAnswer(window, "Command2", image);
        clickAndAnswer(window, "Command1", set);
        if (QFileInfo(image).size() <= 1 || QFileInfo(set).size() <= 1)
            qFatal("round %d: the image or the set was not saved", round);
        window.findChild<QPushButton *>(QStringLiteral("Command6"))->click();
        if (!window.crtSet().slotName(0).isEmpty())
            qFatal("round %d: Clear All left slot 0 loaded", round);

        // The dialog's file information thread briefly opens the folder after a save.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(200);
        // Heap: what malloc has handed out and not had back, beside what the kernel counts.
        rss = residentKib();
        fds = openDescriptors();
        std::printf("%5d  %7lld  %7.1f  %8zu  %11lld\n", round, rss, rss / 1024.0, mallinfo2().uordblks / 1024, fds);
        std::fflush(stdout);
        if (round == 2) {
            rssAfter2 = rss;
            fdsAfter2 = fds;
        }
    }
    const qint64 growth = rss - rssAfter2;
    std::printf("growth from round 2 to round %d (%d rounds): %lld KiB, %.1f KiB a round; descriptors %lld -> %lld\n",
                rounds, rounds - 2, growth, double(growth) / (rounds - 2), fdsAfter2, fds);
    const bool failed = growth >= GrowthLimitKib || fds > fdsAfter2;
    std::printf("%s\n", failed ? "FAIL: memory grew by 2 MiB or more, or descriptors grew" : "ok");
    return failed ? 1 : 0;
}
