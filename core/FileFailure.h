#pragma once

#include "Result.h"
#include "UserInterface.h"

#include <QString>

namespace plakmund {

// A file that can not be read or written, as the user is told of it: in the window
// 'The set file "a.plk" can not be read: line 3: the line is blank.', on a command
// line 'a.plk:3: can not be read: the line is blank'.
struct FileFailure {
    QString file; // what the file is to the user: "set file", "image file", ...
    QString path;
    bool writing = false;
    Failure why;
    QString outcome; // what the failure left as it was, where that needs saying
};

inline void reportFailure(UserInterface &ui, const FileFailure &failure)
{
    const QString action = failure.writing ? QStringLiteral("written") : QStringLiteral("read");
    const QString line = failure.why.line ? QStringLiteral("line %1: ").arg(failure.why.line) : QString();
    const QString outcome = failure.outcome.isEmpty() ? QStringLiteral(".") : QStringLiteral(". ") + failure.outcome;
    reportFailure(ui, QStringLiteral("The %1 \"%2\" can not be %3: %4%5%6")
                          .arg(failure.file, failure.path, action, line, failure.why.reason, outcome));
}

} // namespace plakmund
