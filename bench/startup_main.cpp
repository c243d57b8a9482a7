// Shows a window and reports as soon as its first paint is done, with the peak
// resident memory so far and when each step of the start-up ended; built once
// with the program's window and twice as a baseline of the same size: with one
// label and one button (a window that draws text, so it pays the font set-up
// too), and empty. A fourth build holds the program's controls as stock Qt
// widgets and nothing else, to show what Qt itself charges for them.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#if defined(STOCK_WINDOW)
#include "WindowLayout.h"
#elif !defined(BARE_WINDOW) && !defined(LABEL_BUTTON_WINDOW)
#include "MainWindow.h"
#endif

namespace {

// Milliseconds since the parent started this process, as it passed them in
// PLAKMUND_BENCH_LAUNCH_NS on the steady clock (CLOCK_MONOTONIC, as Python's
// time.monotonic_ns()); since main was entered where it did not.
double millisecondsSinceLaunch()
{
    static const long long launch = [] {
        const char *passed = std::getenv("PLAKMUND_BENCH_LAUNCH_NS");
        return passed ? std::atoll(passed)
                      : std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::steady_clock::now().time_since_epoch()).count();
    }();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return double(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() - launch) / 1e6;
}

// VmHWM of /proc/self/status: the peak resident set of this process alone.
QByteArray peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "0";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst();
    }
    return "0";
}

// Reports once the window's first paint is done, then ends the program:
// "shown PEAK_KB MAIN APP WINDOW PAINTED", the last four in milliseconds since
// the launch at which main was entered, the application and the window were
// made and the first paint was done.
class FirstPaintReporter : public QObject {
public:
    FirstPaintReporter(double mainEntered, double applicationMade, double windowMade)
        : m_steps{mainEntered, applicationMade, windowMade}
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            QTimer::singleShot(0, this, [this] {
                std::printf("shown %s %.3f %.3f %.3f %.3f\n", peakResidentKilobytes().constData(), m_steps[0], m_steps[1],
                            m_steps[2], millisecondsSinceLaunch());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    double m_steps[3];
    bool m_reported = false;
};

#ifdef STOCK_WINDOW
// The program's controls where its layout puts them, with their texts, fonts
// and pictures, as plain widgets: no names, tooltips, connections or cartridge set.
void addStockControls(QWidget &window)
{
    using plakmund::controlRect;
    const auto placed = [](QWidget *control, QStringView name, int index = 0) {
        control->setGeometry(controlRect(name, index));
        return control;
    };
    QFont nameFont(QStringLiteral("MS Sans Serif"));
    nameFont.setStyleHint(QFont::SansSerif);
    QFont titleFont = nameFont;
    nameFont.setPointSizeF(9.75);
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    const QIcon folder(QStringLiteral(":/assets/folder.png"));
    for (int i = 0; i < 16; ++i) {
        placed(new QPushButton(folder, QString(), &window), u"cmdLoadCRT", i);
        placed(new QLineEdit(&window), u"txtCRTName", i)->setFont(nameFont);
        placed(new QLabel(&window), u"picStatus", i);
    }
    QWidget *titleFrame = placed(new QGroupBox(&window), u"Frame2");
    auto *title = new QLabel(QStringLiteral("Drennik's Plakmund for Kestrix"), titleFrame);
    placed(title, u"Label2")->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    auto *board = new QLabel(&window);
    placed(board, u"Picture1");
    board->setFrameStyle(QFrame::Box | QFrame::Plain);
    board->setPixmap(QPixmap(QStringLiteral(":/assets/board.bmp")));
    QWidget *commands = placed(new QGroupBox(&window), u"Frame1");
    commands->setAutoFillBackground(true);
    const struct {
        QStringView name;
        const char *caption;
        const char *picture;
    } pictureButtons[] = {{u"cmdLoadPLK", "Load CRT Set", "folder"}, {u"Command1", "Save CRT Set", "save-set"},
                          {u"Command2", "Save BIN File", "save-bin"}, {u"Command6", "Clear All", "clear-all"},
                          {u"Command3", "Help", "help"}, {u"Command5", "Exit", "exit"}};
    for (const auto &button : pictureButtons) {
        const QIcon icon(QStringLiteral(":/assets/%1.png").arg(QLatin1StringView(button.picture)));
        placed(new QPushButton(icon, QString::fromLatin1(button.caption), commands), button.name);
    }
    placed(new QPushButton(QStringLiteral("512kb"), commands), u"Command4");
    placed(new QPushButton(QStringLiteral("1mb"), commands), u"Command7");
    placed(new QPushButton(QStringLiteral("2mb"), &window), u"Command8")->raise();
}
#endif

} // namespace

int main(int argc, char *argv[])
{
    const double mainEntered = millisecondsSinceLaunch();
    QApplication app(argc, argv);
    const double applicationMade = millisecondsSinceLaunch();
#if defined(BARE_WINDOW) || defined(LABEL_BUTTON_WINDOW) || defined(STOCK_WINDOW)
    QWidget window;
    window.setFixedSize(544, 480);
#ifdef STOCK_WINDOW
    addStockControls(window);
#endif
#ifdef LABEL_BUTTON_WINDOW
    QLabel label(QStringLiteral("Label"), &window);
    label.move(8, 8);
    QPushButton button(QStringLiteral("Button"), &window);
    button.move(8, 32);
#endif
#else
    plakmund::MainWindow window;
#endif
    FirstPaintReporter reporter(mainEntered, applicationMade, millisecondsSinceLaunch());
    window.installEventFilter(&reporter);
    window.show();
    return app.exec();
}
