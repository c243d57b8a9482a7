#pragma once

#include "CrtSet.h"
#include "Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace plakmund {

struct SetFileRecord {
    QString displayName;
    QString location;

    friend bool operator==(const SetFileRecord &, const SetFileRecord &) = default;
};

// The text as a set file can hold it: the format has no escapes, so a double
// quote becomes an apostrophe, and CR and LF become spaces.
QString storableInSetFile(const QString &text);

// The bytes of a set file: one line "name","location" CR LF per record, in the
// platform's encoding (UTF-8 on Linux), each field as storableInSetFile makes it.
QByteArray writeSetFile(const QList<SetFileRecord> &records);

// The records of a set file in file order, or what is wrong and on which line.
// The file is read as UTF-8 where it is valid UTF-8, else as Windows-1252.
Result<QList<SetFileRecord>> readSetFile(const QByteArray &bytes);

} // namespace plakmund
