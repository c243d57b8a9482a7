#pragma once

#include "Version.h"

#include <QString>
#include <QStringList>

namespace plakmund {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Exclamation };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    QString text; // lines joined by CR LF
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    QString title = applicationTitle();
};

struct FileFilter {
    QString description;
    QStringList patterns;
};

struct FileDialogRequest {
    QString title; // empty: the platform's default title
    FileFilter filter;
    bool overwritePrompt = false;
};

struct FileDialogResult {
    QString path;     // empty when the user cancelled
    QString fileName; // the chosen file's name without its folder
};

// Everything core needs from the user: modal message boxes and file dialogs,
// keyboard focus and a chance for the window to repaint. The window
// implements it with widgets; tests implement it with a scripted fake.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    virtual MessageAnswer showMessage(const MessageBoxRequest &request) = 0;
    virtual FileDialogResult showOpenDialog(const FileDialogRequest &request) = 0;
    virtual FileDialogResult showSaveDialog(const FileDialogRequest &request) = 0;
    // Moves the keyboard focus to slot i's name box.
    virtual void focusSlotName(int index) = 0;
    // Lets the window handle the events pending now, once.
    virtual void processPendingEvents() = 0;
};

// Tells the user of a failure: OK button, exclamation icon, the application's title.
inline void reportFailure(UserInterface &ui, const QString &message)
{
    ui.showMessage({message, MessageButtons::Ok, MessageIcon::Exclamation});
}

} // namespace plakmund
