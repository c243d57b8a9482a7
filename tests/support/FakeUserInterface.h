#pragma once

#include "UserInterface.h"

#include <QFileInfo>

#include <functional>

// The log line of a message box; by default OK only, no icon, the application's title
// (a failure is told with the exclamation icon).
inline QString messageLine(const QString &text, const QString &buttons = QStringLiteral("OK"),
                           const QString &icon = QStringLiteral("none"), const QString &title = plakmund::applicationTitle())
{
    return QStringLiteral("message [%1] %2 %3: %4").arg(title, buttons, icon, text);
}

// Records every call in order, one line of text each, and answers from a
// script: OK and a cancelled dialog where the script has run out.
class FakeUserInterface : public plakmund::UserInterface {
public:
    QStringList log;
    QList<plakmund::MessageAnswer> messageAnswers;
    QStringList dialogAnswers; // paths; "" cancels
    std::function<void()> whilePendingEvents = [] {}; // runs where the window would handle pending events
    std::function<void(int)> focusMoves = [](int) {}; // runs where the window would move the focus

    plakmund::MessageAnswer showMessage(const plakmund::MessageBoxRequest &request) override
    {
        log << messageLine(request.text, QStringList{"OK", "OK+Cancel", "Yes+No"}.at(int(request.buttons)),
                           request.icon == plakmund::MessageIcon::Exclamation ? "exclamation" : "none", request.title);
        return messageAnswers.isEmpty() ? plakmund::MessageAnswer::Ok : messageAnswers.takeFirst();
    }
    plakmund::FileDialogResult showOpenDialog(const plakmund::FileDialogRequest &request) override { return answer("open", request); }
    plakmund::FileDialogResult showSaveDialog(const plakmund::FileDialogRequest &request) override { return answer("save", request); }
    void focusSlotName(int index) override
    {
        log << QStringLiteral("focus %1").arg(index);
        focusMoves(index);
    }
    void processPendingEvents() override { whilePendingEvents(); }

private:
    plakmund::FileDialogResult answer(const char *kind, const plakmund::FileDialogRequest &request)
    {
        log << QStringLiteral("%1 dialog [%2] %3|%4%5")
                   .arg(QLatin1String(kind), request.title, request.filter.description, request.filter.patterns.join(u';'),
                        request.overwritePrompt ? QStringLiteral(" overwrite-prompt") : QString());
        const QString path = dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
        return {path, QFileInfo(path).fileName()};
    }
};
