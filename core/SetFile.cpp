#include "SetFile.h"

#include "TextFile.h"

namespace plakmund {

namespace {

// One quoted field at pos; on success pos is just past its closing quote.
Result<QString> ReadQuotedField(const QByteArray &line, qsizetype &pos, const QString &field)
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

Result<SetFileRecord> ReadRecord(const QByteArray &line)
{
    if (line.isEmpty())
        return Failure{QStringLiteral("the line is blank")};
    if (line.contains('\r'))
        return Failure{QStringLiteral("the line holds a stray carriage return")};

    qsizetype pos = 0;
    const Result<QString> name = ReadQuotedField(line, pos, QStringLiteral("name"));
    if (!name.ok())
        return Failure{name.error()};
    if (pos >= line.size() || line.at(pos) != ',')
        return Failure{QStringLiteral("a comma must follow the name's closing double quote")};
    ++pos;
    const Result<QString> location = ReadQuotedField(line, pos, QStringLiteral("location"));
    if (!location.ok())
        return Failure{location.error()};
    if (pos != line.size())
        return Failure{QStringLiteral("text follows the location's closing double quote")};
    return SetFileRecord{name.value(), location.value()};
}

} // namespace

QByteArray WriteSetFile(const QList<SetFileRecord> &records)
{
    QStringList lines;
    for (const SetFileRecord &record : records)
        lines << QStringLiteral("\"%1\",\"%2\"").arg(record.displayName, record.location);
    return TextFileBytes(lines);
}

Result<QList<SetFileRecord>> ReadSetFile(const QByteArray &bytes)
{
    QList<SetFileRecord> records;
    qsizetype start = 0;
    for (int lineNumber = 1; start < bytes.size(); ++lineNumber) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        // CR LF and a lone LF both end a line, and the last line may have neither.
        if (end > start && bytes.at(end - 1) == '\r')
            --end;

        if (records.size() == MaxSetFileRecords)
            return Failure{QStringLiteral("line %1: a set holds at most %2 records").arg(lineNumber).arg(MaxSetFileRecords)};
        const Result<SetFileRecord> record = ReadRecord(bytes.mid(start, end - start));
        if (!record.ok())
            return Failure{QStringLiteral("line %1: %2").arg(lineNumber).arg(record.error())};
        records << record.value();
        start = next;
    }
    return records;
}

} // namespace plakmund
