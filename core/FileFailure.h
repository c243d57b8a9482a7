#pragma once

#include "Result.h"
#include "UserInterface.h"

#include <QString>

namespace plakmund {

// What a file is to the user. Each has sentences of its own, so that every message
// about a file is one whole sentence to translate.
enum class FileKind { SetFile, CartridgeFile, ImageFile, ListingFile, GameFile, Folder, Dump };

// A file that can not be read or written, as the user is told of it: in the window
// 'The set file "a.plk" can not be read: line 3: the line is blank.', on a command
// line 'a.plk:3: can not be read: the line is blank'.
struct FileFailure {
    FileKind file;
    QString path;
    bool writing = false;
    Failure why;
    QString outcome; // what the failure left as it was, where that needs saying
    int slot = -1;   // a cartridge file read for a set's slot: that slot
};

// The reason with the line it concerns, where there is one: "line 3: the line is blank".
QString reasonWithLine(const Failure &why);

// The window's message of a failure, with the line and the outcome where there are.
QString failureText(const FileFailure &failure);

// The file as a part of a sentence: 'the image file "a.bin"'.
QString fileNamed(FileKind file, const QString &path);

// Tells the user of the failure in a message box.
void reportFailure(UserInterface &ui, const FileFailure &failure);

} // namespace plakmund
