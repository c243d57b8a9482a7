#pragma once

#include "CrtSet.h"
#include "UserInterface.h"

#include <QList>
#include <QStringList>

// Records every call in order, as one line of text each, and answers from a
// script. A call the script has no answer for is logged as "unscripted", so
// the comparison of the log fails.
class FakeUserInterface : public plakmund::UserInterface {
public:
    QStringList log;
    QList<plakmund::MessageAnswer> messageAnswers;
    QList<plakmund::FileDialogResult> dialogAnswers;

    plakmund::MessageAnswer showMessage(const plakmund::MessageBoxRequest &request) override;
    plakmund::FileDialogResult showOpenDialog(const plakmund::FileDialogRequest &request) override;
    plakmund::FileDialogResult showSaveDialog(const plakmund::FileDialogRequest &request) override;
    void FocusSlotName(int index) override;
    void processPendingEvents() override;

    // Also logs every change the set reports, in the same sequence.
    void watch(const plakmund::CrtSet &set);

    // Answers the next dialog with path and its bare file name.
    void answerDialog(const QString &path);

private:
    plakmund::FileDialogResult nextDialogAnswer(const QString &entry);
};

// The log line of a message box with the application's title.
QString MessageLine(const QString &text, const QString &buttons = QStringLiteral("OK"),
                    const QString &icon = QStringLiteral("none"),
                    const QString &title = plakmund::ApplicationTitle());

// The log line of a failure report: OK, exclamation icon, the application's title.
QString FailureLine(const QString &text);
