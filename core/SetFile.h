#pragma once

#include "Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace plakmund {

inline constexpr int MaxSetFileRecords = 16;

struct SetFileRecord {
    QString displayName;
    QString location;

    friend bool operator==(const SetFileRecord &, const SetFileRecord &) = default;
};

// The bytes of a set file: one line "name","location" CR LF per record.
QByteArray writeSetFile(const QList<SetFileRecord> &records);

// The records of a set file in file order, or what is wrong and on which line.
Result<QList<SetFileRecord>> readSetFile(const QByteArray &bytes);

} // namespace plakmund
