// A long session through the window's own file dialogs: each round loads 16
// cartridges by the open dialog, saves the image and the set by the save
// dialog, then clears all, and prints the resident memory and the open
// descriptors. Fails when either grows from the end of round 2 to the end of
// the last round (memory by 2 MiB or more), so it can serve as a check.
// Built with STOCK_DIALOG, it shows one stock QFileDialog the same 18 times a
// round and nothing else: what Qt's dialog costs by itself.
// Given a reader (bench/atspi_reader.py), it starts it and has it read each
// dialog and question over AT-SPI before answering, as a screen reader does.
// Usage: soak_dialogs [rounds [reader]], 12 rounds by default, at least 3.
#ifndef STOCK_DIALOG
#include "MainWindow.h"
#endif

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <malloc.h>

#include <cstdio>
#include <functional>

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

// The screen reader's side of the soak: a client that reads the active window
// over AT-SPI when asked.
class Reader {
public:
    ~Reader()
    {
        // At the end of its input the client stops.
        m_process.closeWriteChannel();
        m_process.waitForFinished();
    }

    void start(const QString &program)
    {
        m_process.start(program, {});
        m_running = true;
        if (nextLine() != "ready")
            qFatal("the reader %s did not start", qPrintable(program));
    }

    // Has the client read the whole active window, which must be of role.
    void readActiveWindow(const QByteArray &role)
    {
        m_process.write("read " + role + '\n');
        const QByteArray answer = nextLine();
        if (!answer.startsWith(role + ' '))
            qFatal("the reader read \"%s\", not the %s", answer.constData(), role.constData());
        ++m_windows;
        m_objects += answer.split(' ').at(1).toLongLong();
    }

    bool running() const { return m_running; }
    qint64 windows() const { return m_windows; }
    qint64 objects() const { return m_objects; }

private:
    // Events are handled while waiting, the client's calls among them, each as
    // it comes: a wait that polls would hold up every call the client makes.
    QByteArray nextLine()
    {
        const QDeadlineTimer deadline(30000);
        while (!m_process.canReadLine()) {
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                qFatal("the reader gave no answer: %s", m_process.readAllStandardError().constData());
            QEventLoop wait;
            QObject::connect(&m_process, &QProcess::readyReadStandardOutput, &wait, &QEventLoop::quit);
            QObject::connect(&m_process, &QProcess::finished, &wait, &QEventLoop::quit);
            QTimer::singleShot(deadline.remainingTime(), &wait, &QEventLoop::quit);
            wait.exec();
        }
        return m_process.readLine().trimmed();
    }

    QProcess m_process;
    bool m_running = false;
    qint64 m_windows = 0;
    qint64 m_objects = 0;
};

// Has the reader, where there is one, read window once it is active, as the
// user's would be.
void readWhenActive(QWidget *window, Reader &reader, const QByteArray &role)
{
    if (!reader.running())
        return;
    // X11 activates only a window that is on the screen.
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("the %s was not shown", role.constData());
    // Asked again while waiting: a window that goes away can take the activation back.
    const auto activate = [window] {
        if (!window->isActiveWindow())
            window->activateWindow();
        return window->isActiveWindow();
    };
    if (!QTest::qWaitFor(activate))
        qFatal("the %s did not become active", role.constData());
    reader.readActiveWindow(role);
}

// Answers Qt's question whether to replace a file with Yes, as a user saving
// over the last round's file does, once the reader has read it; watches until
// this use of dialog ends, asked or not.
void answerReplaceQuestion(QFileDialog *dialog, Reader &reader)
{
    auto *watch = new QTimer(dialog);
    QObject::connect(dialog, &QDialog::finished, watch, &QObject::deleteLater);
    QObject::connect(watch, &QTimer::timeout, dialog, [watch, &reader] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        watch->stop();
        readWhenActive(box, reader, "alert");
        box->button(QMessageBox::Yes)->click();
    });
    watch->start(10);
}

// Types path into the open file dialog's name box and presses Return.
void answerFileDialog(const QString &path, Reader &reader)
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
    readWhenActive(dialog, reader, "dialog");
    name->clear();
    QTest::keyClicks(name, path);
    answerReplaceQuestion(dialog, reader);
    QTest::keyClick(name, Qt::Key_Return);
}

// Runs command, which opens a file dialog, and answers the dialog with path.
void answerDuring(const std::function<void()> &command, const QString &path, Reader &reader)
{
    QTimer::singleShot(0, [path, &reader] { answerFileDialog(path, reader); });
    command();
}

struct Files {
    QTemporaryDir folder;
    QString image = folder.filePath(QStringLiteral("image.bin"));
    QString set = folder.filePath(QStringLiteral("set.plk"));
};

#ifdef STOCK_DIALOG

// One stock dialog for the window's life, set for each use as the program
// sets its own: title, open or save, filter.
class Session {
public:
    Session() : m_dialog(&m_window) { m_window.resize(544, 480); }

    QWidget &window() { return m_window; }

    void round(const Files &files, Reader &reader)
    {
        const QString cartridges = QStringLiteral("Cartridge Rom(.crt, .bin) (*.crt *.bin)");
        for (int i = 0; i < 16; ++i)
            use(QString(), QFileDialog::AcceptOpen, cartridges, cartridgePath(files.folder, i), reader);
        use(QStringLiteral("Save BIN Image"), QFileDialog::AcceptSave, QStringLiteral("Binary Cartridge Image(.bin) (*.bin)"),
            files.image, reader);
        use(QStringLiteral("Save Plakmund File"), QFileDialog::AcceptSave, QStringLiteral("Plakmund File(.plk) (*.plk)"),
            files.set, reader);
    }

private:
    void use(const QString &title, QFileDialog::AcceptMode mode, const QString &filter, const QString &path, Reader &reader)
    {
        m_dialog.setWindowTitle(title);
        m_dialog.setAcceptMode(mode);
        m_dialog.setNameFilter(filter);
        answerDuring([this] { m_dialog.exec(); }, path, reader);
        if (m_dialog.result() != QDialog::Accepted || m_dialog.selectedFiles().value(0) != path)
            qFatal("the dialog did not choose %s", qPrintable(path));
    }

    QWidget m_window;
    QFileDialog m_dialog;
};

#else

class Session {
public:
    QWidget &window() { return m_window; }

    void round(const Files &files, Reader &reader)
    {
        for (int i = 0; i < 16; ++i) {
            clickAndAnswer(qPrintable(QStringLiteral("cmdLoadCRT_%1").arg(i)), cartridgePath(files.folder, i), reader);
            if (m_window.crtSet().slotName(i) != QStringLiteral("SOAK %1").arg(i))
                qFatal("slot %d was not loaded", i);
        }
        clickAndAnswer("Command2", files.image, reader);
        clickAndAnswer("Command1", files.set, reader);
        if (QFileInfo(files.image).size() <= 1 || QFileInfo(files.set).size() <= 1)
            qFatal("the image or the set was not saved");
        m_window.findChild<QPushButton *>(QStringLiteral("Command6"))->click();
        if (!m_window.crtSet().slotName(0).isEmpty())
            qFatal("Clear All left slot 0 loaded");
    }

private:
    // Clicks button, whose command opens a file dialog, and answers it with path.
    void clickAndAnswer(const char *button, const QString &path, Reader &reader)
    {
        auto *target = m_window.findChild<QPushButton *>(QLatin1String(button));
        if (!target)
            qFatal("no button %s", button);
        answerDuring([target] { target->click(); }, path, reader);
    }

    plakmund::MainWindow m_window;
};

#endif

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int rounds = arguments.size() > 1 ? arguments.at(1).toInt() : 12;
    if (rounds < 3) {
        std::fprintf(stderr, "usage: soak_dialogs [rounds [reader]], at least 3 rounds\n");
        return 2;
    }
    // The dialogs open in the folder of the cartridges, where the user works.
    const Files files;
    QDir::setCurrent(files.folder.path());
    for (int i = 0; i < 16; ++i)
        writeCartridge(cartridgePath(files.folder, i), QByteArray("SOAK ") + QByteArray::number(i));

    Session session;
    session.window().show();
    if (!QTest::qWaitForWindowExposed(&session.window()))
        qFatal("the window was not shown");
    Reader reader;
    if (arguments.size() > 2)
        reader.start(arguments.at(2));

    std::printf("%s platform, %d rounds of 18 file dialogs, %s\n", qPrintable(QApplication::platformName()), rounds,
                reader.running() ? "each read over AT-SPI" : "no AT-SPI client");
    std::printf("round  RSS KiB  RSS MiB  heap KiB  descriptors\n");
    qint64 rssAfter2 = 0;
    qint64 fdsAfter2 = 0;
    qint64 rss = 0;
    qint64 fds = 0;
    for (int round = 1; round <= rounds; ++round) {
        // Saved over a one-byte file each round, so the dialog asks whether to replace it.
        for (const QString &path : {files.image, files.set})
            replaceWithOneByte(path);
        session.round(files, reader);

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
    if (reader.running())
        std::printf("the reader read %lld windows, %lld objects\n", reader.windows(), reader.objects());
    const bool failed = growth >= GrowthLimitKib || fds > fdsAfter2;
    std::printf("%s\n", failed ? "FAIL: memory grew by 2 MiB or more, or descriptors grew" : "ok");
    return failed ? 1 : 0;
}
