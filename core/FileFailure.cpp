#include "FileFailure.h"

#include "CrtSet.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileFailure)
};

// Each kind of file's sentences: %1 is its path, %2 the reason.
struct KindTexts {
    FileKind file;
    const char *read;
    const char *written;
    const char *named;
};

constexpr KindTexts Kinds[] = {
    {FileKind::SetFile, QT_TRANSLATE_NOOP("FileFailure", "The set file \"%1\" can not be read: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "The set file \"%1\" can not be written: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "the set file \"%1\"")},
    {FileKind::CartridgeFile, QT_TRANSLATE_NOOP("FileFailure", "The cartridge file \"%1\" can not be read: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "The cartridge file \"%1\" can not be written: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "the cartridge file \"%1\"")},
    {FileKind::ImageFile, QT_TRANSLATE_NOOP("FileFailure", "The image file \"%1\" can not be read: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "The image file \"%1\" can not be written: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "the image file \"%1\"")},
    {FileKind::ListingFile, QT_TRANSLATE_NOOP("FileFailure", "The listing file \"%1\" can not be read: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "The listing file \"%1\" can not be written: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "the listing file \"%1\"")},
    {FileKind::GameFile, QT_TRANSLATE_NOOP("FileFailure", "The game file \"%1\" can not be read: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "The game file \"%1\" can not be written: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "the game file \"%1\"")},
    {FileKind::Folder, QT_TRANSLATE_NOOP("FileFailure", "The folder \"%1\" can not be read: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "The folder \"%1\" can not be written: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "the folder \"%1\"")},
    {FileKind::Dump, QT_TRANSLATE_NOOP("FileFailure", "The dump \"%1\" can not be read: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "The dump \"%1\" can not be written: %2."),
     QT_TRANSLATE_NOOP("FileFailure", "the dump \"%1\"")},
};

const KindTexts &textsOf(FileKind file)
{
    return *std::find_if(std::begin(Kinds), std::end(Kinds), [file](const KindTexts &texts) { return texts.file == file; });
}

} // namespace

QString reasonWithLine(const Failure &why)
{
    return why.line ? Text::tr("line %1: %2").arg(why.line).arg(why.reason) : why.reason;
}

QString failureText(const FileFailure &failure)
{
    const QString reason = reasonWithLine(failure.why);
    QString text;
    if (failure.file == FileKind::CartridgeFile && failure.slot >= 0 && !failure.writing) {
        text = Text::tr("The cartridge file for slot %1 \"%2\" can not be read: %3.")
                   .arg(slotNumberText(failure.slot), failure.path, reason);
    } else {
        const KindTexts &texts = textsOf(failure.file);
        text = Text::tr(failure.writing ? texts.written : texts.read).arg(failure.path, reason);
    }
    return failure.outcome.isEmpty() ? text : text + u' ' + failure.outcome;
}

QString fileNamed(FileKind file, const QString &path)
{
    return Text::tr(textsOf(file).named).arg(path);
}

void reportFailure(UserInterface &ui, const FileFailure &failure)
{
    reportFailure(ui, failureText(failure));
}

} // namespace plakmund
