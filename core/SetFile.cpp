#include "SetFile.h"

#include "TextFile.h"

namespace plakmund {

namespace {

// One quoted field at pos; on success pos is just past its closing quote.
Result<QString> readQuotedField(const QByteArray &line, qsizetype &pos, const QString &field)
{
    if (pos >= line.size() || line.at(pos) != '"')
        return Failure{QStringLiteral("the %1 is not in double quotes").arg(field)};
    const qsizetype closing = line.indexOf('"', pos + 1);
    if (closing < 0)
        return Failure{QStringLiteral("the %1 has no closing double quote").arg(field)};
    const QString text = QString::fromLocal8Bit(line.mid(pos + 1, closing - pos - 1));
    pos = closing + 1;
    return text;
}

Result<SetFileRecord> readRecord(const QByteArray &line)
{
    if (line.isEmpty())
        return Failure{QStringLiteral("the line is blank")};
    if (line.contains('\r'))
        return Failure{QStringLiteral("the line holds a stray carriage return")};

    qsizetype pos = 0;
    const Result<QString> name = readQuotedField(line, pos, QStringLiteral("name"));
    if (!name.ok())
        return Failure{name.error()};
    if (pos >= line.size() || line.at(pos) != ',')
        return Failure{QStringLiteral("a comma must follow the name's closing double quote")};
    ++pos;
    const Result<QString> location = readQuotedField(line, pos, QStringLiteral("location"));
    if (!location.ok())
        return Failure{location.error()};
    if (pos != line.size())
        return Failure{QStringLiteral("text follows the location's closing double quote")};
    return SetFileRecord{name.value(), location.value()};
}

} // namespace

QByteArray writeSetFile(const QList<SetFileRecord> &records)
{
    QStringList lines;
    for (const SetFileRecord &record : records)
        lines << QStringLiteral("\"%1\",\"%2\"").arg(record.displayName, record.location);
    return textFileBytes(lines);
}

Result<QList<SetFileRecord>> readSetFile(const QByteArray &bytes)
{
    QByteArray text = bytes;
    // Text editors may add a byte-order mark in front and blank lines at the end.
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    while (text.endsWith('\n') || text.endsWith('\r'))
        text.chop(1);

    QList<SetFileRecord> records;
    if (text.isEmpty())
        return records;
    // CR LF and a lone LF both end a line.
    const QList<QByteArray> lines = text.split('\n');
    for (int index = 0; index < lines.size(); ++index) {
        const QByteArray &line = lines.at(index);
        const int lineNumber = index + 1;
        if (records.size() == MaxSetFileRecords)
            return Failure{QStringLiteral("line %1: a set holds at most %2 records").arg(lineNumber).arg(MaxSetFileRecords)};
        const Result<SetFileRecord> record = readRecord(line.endsWith('\r') ? line.chopped(1) : line);
        if (!record.ok())
            return Failure{QStringLiteral("line %1: %2").arg(lineNumber).arg(record.error())};
        records << record.value();
    }
    return records;
}

} // namespace plakmund
