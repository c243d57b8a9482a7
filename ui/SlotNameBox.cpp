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
    QStringList paths;
    for (const QUrl &url : event.mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace plakmund
