#include "FakeUserInterface.h"

#include <QFileInfo>
#include <QObject>

using namespace plakmund;

namespace {

QString ButtonsName(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QStringLiteral("OK");
    case MessageButtons::OkCancel:
        return QStringLiteral("OK+Cancel");
    case MessageButtons::YesNo:
        return QStringLiteral("Yes+No");
    }
    return {};
}

QString DescribeDialog(const QString &kind, const FileDialogRequest &request)
{
    return QStringLiteral("%1 dialog [%2] %3|%4%5")
        .arg(kind, request.title, request.filter.description, request.filter.patterns.join(u';'),
             request.overwritePrompt ? QStringLiteral(" overwrite-prompt") : QString());
}

QString Describe(const MessageBoxRequest &request)
{
    return MessageLine(request.text, ButtonsName(request.buttons),
                       request.icon == MessageIcon::Exclamation ? QStringLiteral("exclamation")
                                                                : QStringLiteral("none"),
                       request.title);
}

} // namespace

QString MessageLine(const QString &text, const QString &buttons, const QString &icon, const QString &title)
{
    return QStringLiteral("message [%1] %2 %3: %4").arg(title, buttons, icon, text);
}

QString FailureLine(const QString &text)
{
    return MessageLine(text, QStringLiteral("OK"), QStringLiteral("exclamation"));
}

MessageAnswer FakeUserInterface::showMessage(const MessageBoxRequest &request)
{
    log << Describe(request);
    if (messageAnswers.isEmpty()) {
        log << QStringLiteral("unscripted message");
        return MessageAnswer::Ok;
    }
    return messageAnswers.takeFirst();
}

FileDialogResult FakeUserInterface::showOpenDialog(const FileDialogRequest &request)
{
    return nextDialogAnswer(DescribeDialog(QStringLiteral("open"), request));
}

FileDialogResult FakeUserInterface::showSaveDialog(const FileDialogRequest &request)
{
    return nextDialogAnswer(DescribeDialog(QStringLiteral("save"), request));
}

FileDialogResult FakeUserInterface::nextDialogAnswer(const QString &entry)
{
    log << entry;
    if (dialogAnswers.isEmpty()) {
        log << QStringLiteral("unscripted dialog");
        return {};
    }
    return dialogAnswers.takeFirst();
}

void FakeUserInterface::FocusSlotName(int index)
{
    log << QStringLiteral("focus %1").arg(index);
}

void FakeUserInterface::processPendingEvents()
{
    log << QStringLiteral("events");
}

void FakeUserInterface::answerDialog(const QString &path)
{
    dialogAnswers << FileDialogResult{path, path.isEmpty() ? QString() : QFileInfo(path).fileName()};
}

void FakeUserInterface::watch(const CrtSet &set)
{
    QObject::connect(&set, &CrtSet::slotStatusChanged, &set,
                     [this](int i) { log << QStringLiteral("status %1").arg(i); });
    QObject::connect(&set, &CrtSet::slotNameChanged, &set,
                     [this](int i) { log << QStringLiteral("name %1").arg(i); });
    QObject::connect(&set, &CrtSet::slotLocationChanged, &set,
                     [this](int i) { log << QStringLiteral("location %1").arg(i); });
}
