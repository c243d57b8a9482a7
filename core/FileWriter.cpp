#include "FileWriter.h"

#include <QCoreApplication>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

} // namespace

FileFailure FileWriter::failure(FileKind file, const QString &path, const QString &reason)
{
    return FileFailure{file, path, true, {reason}, Text::tr("Nothing was changed.")};
}

QString FileWriter::inputReason(const QString &input, const QString &path)
{
    return input == path ? Text::tr("the set was read from it")
                         : Text::tr("it is the same file as \"%1\", which the set was read from").arg(input);
}

QString FileWriter::stagedBeforeReason(FileKind file, const QString &path)
{
    return Text::tr("%1 goes there", "%1: a file the same command writes, such as 'the image file \"a.bin\"'")
        .arg(fileNamed(file, path));
}

QString FileWriter::partlyReplaced(const QStringList &replaced)
{
    QString files = replaced.first();
    for (qsizetype i = 1; i < replaced.size(); ++i)
        files = Text::tr("%1 and %2", "files: 'the image file \"a.bin\" and the listing file \"a.bin-list.txt\"'").arg(files, replaced.at(i));
    return Text::tr("Only %1 was replaced.", "%1: the files replaced, as in '%1 and %2'", int(replaced.size())).arg(files);
}

std::optional<FileFailure> writeFile(FileKind file, const QString &path, const QByteArray &bytes,
                                     const QStringList &inputs)
{
    FileWriter writer(inputs);
    if (std::optional<FileFailure> failed = writer.stage(file, path, bytes))
        return failed;
    return writer.commit();
}

} // namespace plakmund
