#include "SetFile.h"

#include "TextFile.h"

namespace plakmund {

namespace {

// One quoted field at pos; on success pos is just past its closing quote.
Result<QString> readQuotedField(QStringView line, qsizetype &pos, const QString &field)
{
    if (pos >= line.size() || line.at(pos) != u'"')
        return Failure{QStringLiteral("the %1 is not in double quotes").arg(field)};
    const qsizetype closing = line.indexOf(u'"', pos + 1);
    if (closing < 0)
        return Failure{QStringLiteral("the %1 has no closing double quote").arg(field)};
    const QString text = line.mid(pos + 1, closing - pos - 1).toString();
    pos = closing + 1;
    return text;
}

Result<SetFileRecord> readRecord(QStringView line)
{
    if (line.isEmpty())
        return Failure{QStringLiteral("the line is blank")};
    if (line.contains(u'\r'))
        return Failure{QStringLiteral("the line holds a stray carriage return")};

    qsizetype pos = 0;
    const Result<QString> name = readQuotedField(line, pos, QStringLiteral("name"));
    if (!name.ok())
        return name.failure();
    if (pos >= line.size() || line.at(pos) != u',')
        return Failure{QStringLiteral("a comma must follow the name's closing double quote")};
    ++pos;
    const Result<QString> location = readQuotedField(line, pos, QStringLiteral("location"));
    if (!location.ok())
        return location.failure();
    if (pos != line.size())
        return Failure{QStringLiteral("text follows the location's closing double quote")};
    return SetFileRecord{name.value(), location.value()};
}

} // namespace

QString storableInSetFile(const QString &text)
{
    QString stored = text;
    stored.replace(u'"', u'\'').replace(u'\r', u' ').replace(u'\n', u' ');
    return stored;
}

QByteArray writeSetFile(const QList<SetFileRecord> &records)
{
    QStringList lines;
    for (const SetFileRecord &record : records)
        lines << QStringLiteral("\"%1\",\"%2\"").arg(storableInSetFile(record.displayName), storableInSetFile(record.location));
    return textFileBytes(lines);
}

Result<QList<SetFileRecord>> readSetFile(const QByteArray &bytes)
{
    // A byte-order mark in front goes with the decoding; blank lines at the end,
    // which text editors add, go here.
    QString text = decodeText(bytes);
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);

    QList<SetFileRecord> records;
    if (text.isEmpty())
        return records;
    // CR LF and a lone LF both end a line.
    const QStringList lines = text.split(u'\n');
    for (int index = 0; index < lines.size(); ++index) {
        QStringView line = lines.at(index);
        if (line.endsWith(u'\r'))
            line.chop(1);
        // One record to a slot.
        if (records.size() == SlotCount)
            return Failure{QStringLiteral("a set holds at most %1 records").arg(SlotCount), index + 1};
        const Result<SetFileRecord> record = readRecord(line);
        if (!record.ok())
            return Failure{record.error(), index + 1};
        records << record.value();
    }
    return records;
}

} // namespace plakmund
