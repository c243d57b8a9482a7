#pragma once

#include "CrtSet.h"
#include "FileFailure.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace plakmund {

// An image to write: its path and bare file name (for the listing), the size and
// the names and data of its games, slot 0 first, and the files it must not replace.
struct ImageFiles {
    QString path;
    QString fileName;
    SizeMode mode = StartSizeMode;
    QStringList names;
    QList<SlotData> games;
    QStringList inputs;
};

// Writes the image and its listing beside it through the one writer, as a pair:
// both complete before either replaces anything. afterImage runs once the image
// is complete, before the listing is made.
std::optional<FileFailure> writeImageFiles(const ImageFiles &image, const std::function<void()> &afterImage = [] {});

} // namespace plakmund
