// Shows a window and reports as soon as it is on screen, with the peak
// resident memory so far; built once with the program's window and once
// with an empty one of the same size as the baseline.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#ifndef BARE_WINDOW
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
#ifdef BARE_WINDOW
    QWidget window;
    window.setFixedSize(544, 480);
#else
    plakmund::frmMain window;
#endif
    FirstPaintReporter reporter;
    window.installEventFilter(&reporter);
    window.show();
    return app.exec();
}
