#include "FileWriter.h"

namespace plakmund {

FileFailure FileWriter::failure(const QString &file, const QString &path, const QString &reason)
{
    return FileFailure{file, path, true, {reason}, QStringLiteral("Nothing was changed.")};
}

QString FileWriter::inputReason(const QString &input, const QString &path)
{
    return input == path ? QStringLiteral("the set was read from it")
                         : QStringLiteral("it is the same file as \"%1\", which the set was read from").arg(input);
}

QString FileWriter::partlyReplaced(const QStringList &replaced)
{
    return QStringLiteral("Only %1 was replaced.").arg(replaced.join(QStringLiteral(" and ")));
}

std::optional<FileFailure> writeFile(const QString &file, const QString &path, const QByteArray &bytes,
                                     const QStringList &inputs)
{
    FileWriter writer(inputs);
    if (std::optional<FileFailure> failed = writer.stage(file, path, bytes))
        return failed;
    return writer.commit();
}

} // namespace plakmund
