#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

// Answers the next modal widget of type Modal from inside its own event loop:
// looks for it every few milliseconds until it shows, then calls answer once.
template <typename Modal, typename Answer>
void AnswerModal(Answer answer)
{
    QTimer::singleShot(10, qApp, [answer] {
        if (auto *modal = qobject_cast<Modal *>(QApplication::activeModalWidget()))
            answer(modal);
        else
            AnswerModal<Modal>(answer);
    });
}
