#pragma once

#include "CrtSet.h"
#include "UserInterface.h"

#include <QStringList>

#include <functional>

// Records every call in order, one line of text each, and answers from a
// script; a call the script has no answer for is logged as "unscripted".
class FakeUserInterface : public plakmund::UserInterface {
public:
    QStringList log;
    QList<plakmund::MessageAnswer> messageAnswers;
    QStringList dialogAnswers; // paths; "" cancels
    std::function<void()> whilePendingEvents; // runs where the window would handle pending events

    plakmund::MessageAnswer showMessage(const plakmund::MessageBoxRequest &request) override;
    plakmund::FileDialogResult showOpenDialog(const plakmund::FileDialogRequest &request) override;
    plakmund::FileDialogResult showSaveDialog(const plakmund::FileDialogRequest &request) override;
    void focusSlotName(int index) override { log << QStringLiteral("focus %1").arg(index); }
    void processPendingEvents() override
    {
        log << QStringLiteral("events");
        if (whilePendingEvents)
            whilePendingEvents();
    }

    // Also logs every change the set reports, in the same sequence.
    void watch(const plakmund::CrtSet &set);

private:
    plakmund::FileDialogResult answerDialog(const QString &kind, const plakmund::FileDialogRequest &request);
};

// The log line of a message box; by default OK only, no icon, the application's title.
QString messageLine(const QString &text, const QString &buttons = QStringLiteral("OK"),
                    const QString &icon = QStringLiteral("none"), const QString &title = plakmund::applicationTitle());

// The log line of a failure report: OK, exclamation icon, the application's title.
QString failureLine(const QString &text);
