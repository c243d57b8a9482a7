#include "FakeUserInterface.h"

#include <QFileInfo>

using namespace plakmund;

QString messageLine(const QString &text, const QString &buttons, const QString &icon, const QString &title)
{
    return QStringLiteral("message [%1] %2 %3: %4").arg(title, buttons, icon, text);
}

QString failureLine(const QString &text)
{
    return messageLine(text, QStringLiteral("OK"), QStringLiteral("exclamation"));
}

MessageAnswer FakeUserInterface::showMessage(const MessageBoxRequest &request)
{
    log << messageLine(request.text, QStringList{"OK", "OK+Cancel", "Yes+No"}.at(int(request.buttons)),
                       request.icon == MessageIcon::Exclamation ? "exclamation" : "none", request.title);
    if (messageAnswers.isEmpty())
        log << QStringLiteral("unscripted message");
    return messageAnswers.isEmpty() ? MessageAnswer::Ok : messageAnswers.takeFirst();
}

FileDialogResult FakeUserInterface::showOpenDialog(const FileDialogRequest &request)
{
    return answerDialog(QStringLiteral("open"), request);
}

FileDialogResult FakeUserInterface::showSaveDialog(const FileDialogRequest &request)
{
    return answerDialog(QStringLiteral("save"), request);
}

FileDialogResult FakeUserInterface::answerDialog(const QString &kind, const FileDialogRequest &request)
{
    log << QStringLiteral("%1 dialog [%2] %3|%4%5")
               .arg(kind, request.title, request.filter.description, request.filter.patterns.join(u';'),
                    request.overwritePrompt ? QStringLiteral(" overwrite-prompt") : QString());
    if (dialogAnswers.isEmpty())
        log << QStringLiteral("unscripted dialog");
    const QString path = dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
    return {path, QFileInfo(path).fileName()};
}

void FakeUserInterface::watch(const CrtSet &set)
{
    QObject::connect(&set, &CrtSet::slotStatusChanged, &set, [this](int i) { log << QStringLiteral("status %1").arg(i); });
    QObject::connect(&set, &CrtSet::slotNameChanged, &set, [this](int i) { log << QStringLiteral("name %1").arg(i); });
    QObject::connect(&set, &CrtSet::slotLocationChanged, &set, [this](int i) { log << QStringLiteral("location %1").arg(i); });
}
