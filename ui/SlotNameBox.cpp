#include "SlotNameBox.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace plakmund {

void SlotNameBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit focusGained();
}

void SlotNameBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit focusLost();
}

void SlotNameBox::dragEnterEvent(QDragEnterEvent *event)
{
    event->setAccepted(!droppedPaths(*event).isEmpty());
}

void SlotNameBox::dragMoveEvent(QDragMoveEvent *event)
{
    event->setAccepted(!droppedPaths(*event).isEmpty());
}

void SlotNameBox::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedPaths(*event);
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Handled once the drop has returned, so the program the file came from
    // does not wait while the load asks its questions.
    QMetaObject::invokeMethod(this, [this, paths] { emit filesDropped(paths); }, Qt::QueuedConnection);
}

QStringList SlotNameBox::droppedPaths(const QDropEvent &event) const
{
    QStringList paths;
    for (const QUrl &url : event.mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace plakmund
