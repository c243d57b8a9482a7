#include "SetFile.h"

#include "TextFile.h"

#include <QCoreApplication>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SetFile)
};

// Why a field is not a quoted one: it does not begin with a double quote, or has
// no closing one.
struct FieldFaults {
    QString unquoted;
    QString unclosed;
};

// One quoted field at pos; on success pos is just past its closing quote.
Result<QString> readQuotedField(QStringView line, qsizetype &pos, const FieldFaults &faults)
{
    if (pos >= line.size() || line.at(pos) != u'"')
        return Failure{faults.unquoted};
    const qsizetype closing = line.indexOf(u'"', pos + 1);
    if (closing < 0)
        return Failure{faults.unclosed};
    const QString text = line.mid(pos + 1, closing - pos - 1).toString();
    pos = closing + 1;
    return text;
}

Result<SetFileRecord> readRecord(QStringView line)
{
    if (line.isEmpty())
        return Failure{Text::tr("the line is blank")};
    if (line.contains(u'\r'))
        return Failure{Text::tr("the line holds a stray carriage return")};

    qsizetype pos = 0;
    const Result<QString> name = readQuotedField(line, pos, {Text::tr("the name is not in double quotes"), Text::tr("the name has no closing double quote")});
    if (!name.ok())
        return name.failure();
    if (pos >= line.size() || line.at(pos) != u',')
        return Failure{Text::tr("a comma must follow the name's closing double quote")};
    ++pos;
    const Result<QString> location = readQuotedField(line, pos, {Text::tr("the location is not in double quotes"), Text::tr("the location has no closing double quote")});
    if (!location.ok())
        return location.failure();
    if (pos != line.size())
        return Failure{Text::tr("text follows the location's closing double quote")};
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
            return Failure{Text::tr("a set holds at most %1 records").arg(SlotCount), index + 1};
        const Result<SetFileRecord> record = readRecord(line);
        if (!record.ok())
            return Failure{record.error(), index + 1};
        records << record.value();
    }
    return records;
}

} // namespace plakmund
