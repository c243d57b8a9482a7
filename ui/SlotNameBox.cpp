#include "SlotNameBox.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

namespace plakmund {

SlotNameBox::SlotNameBox(QWidget *parent) : QLineEdit(parent)
{
    // Settled here, the caret is not reported as moved on the box's first focus, ahead of
    // the focus itself: Orca takes such a caret move for a silent focus change and never
    // names the box.
    setCursorPosition(0);
}

void SlotNameBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    // On a dark window the style's frame, a shade darker than the window, is too
    // faint to tell the boxes apart: a line halfway to the text colour is not.
    const QColor window = palette().color(QPalette::Window), text = palette().color(QPalette::WindowText);
    if (window.lightness() >= 128)
        return;
    QPainter painter(this);
    painter.setPen(QColor((window.red() + text.red()) / 2, (window.green() + text.green()) / 2, (window.blue() + text.blue()) / 2));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SlotNameBox::dragEnterEvent(QDragEnterEvent *event)
{
    takeAsCopy(*event);
}

void SlotNameBox::dragMoveEvent(QDragMoveEvent *event)
{
    takeAsCopy(*event);
}

void SlotNameBox::dropEvent(QDropEvent *event)
{
    if (!takeAsCopy(*event))
        return;
    // Handled once the drop has returned, so the program the file came from
    // does not wait while the load asks its questions.
    QMetaObject::invokeMethod(this, [this, paths = droppedPaths(*event)] { emit filesDropped(paths); }, Qt::QueuedConnection);
}

bool SlotNameBox::takeAsCopy(QDropEvent &event) const
{
    // Always a copy, whatever the source proposes, so that the file stays
    // where it was; a source that may only move it is refused.
    const bool taken = (event.possibleActions() & Qt::CopyAction) && !droppedPaths(event).isEmpty();
    if (taken)
        event.setDropAction(Qt::CopyAction);
    event.setAccepted(taken);
    return taken;
}

QStringList SlotNameBox::droppedPaths(const QDropEvent &event) const
{
    // Each path in the system's own spelling: on Windows with backslashes, as its users
    // read paths and as set files hold them.
    QStringList paths;
    for (const QUrl &url : event.mimeData()->urls()) {
        if (url.isLocalFile())
            paths << QDir::toNativeSeparators(url.toLocalFile());
    }
    return paths;
}

} // namespace plakmund
