// Shows a window and reports as soon as it is on screen, with the peak
// resident memory so far; built once with the program's window and twice as
// a baseline of the same size: with one label and one button (a window that
// draws text, so it pays the font set-up too), and empty.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#if !defined(BARE_WINDOW) && !defined(LABEL_BUTTON_WINDOW)
#include "frmMain.h"
#endif

namespace {

// VmHWM of /proc/self/status: the peak resident set of this process alone.
QByteArray PeakResidentKilobytes()
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

// Reports once the window's first paint is done, then ends the program.
class FirstPaintReporter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            QTimer::singleShot(0, this, [] {
                std::printf("shown %s\n", PeakResidentKilobytes().constData());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_reported = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#if defined(BARE_WINDOW) || defined(LABEL_BUTTON_WINDOW)
    QWidget window;
    window.setFixedSize(544, 480);
#ifdef LABEL_BUTTON_WINDOW
    QLabel label(QStringLiteral("Label"), &window);
    label.move(8, 8);
    QPushButton button(QStringLiteral("Button"), &window);
    button.move(8, 32);
#endif
#else
    plakmund::frmMain window;
#endif
    FirstPaintReporter reporter;
    window.installEventFilter(&reporter);
    window.show();
    return app.exec();
}
