#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace plakmund {

// The EPROM size the image is built for. The values are stored as they are
// and are deliberately not in size order.
enum class SizeMode : qint16 {
    Size1mb = 1,
    Size2mb = 2,
    Size512kb = 3,
};

// What the size decides, from one table: the number of games in the image (4, 8
// or 16; each fills 16 KB of it), the size's name ("512kb", "1mb", "2mb") as the
// caption and the command line give it, and the listing's line for it.
int activeSlotCount(SizeMode mode);
QString sizeModeName(SizeMode mode);
QString sizeListingLine(SizeMode mode);

// Every run starts in this size.
inline constexpr SizeMode StartSizeMode = SizeMode::Size2mb;

// The size modes, the smallest first.
QList<SizeMode> sizeModes();

// The size mode that sizeModeName gives name, if any.
std::optional<SizeMode> sizeModeNamed(const QString &name);

// The size mode whose image is length bytes long, if any.
std::optional<SizeMode> sizeModeOfImage(qint64 length);

// The sizes' names in a sentence: "512kb, 1mb or 2mb".
QString sizeModeNamesText();

// The main window's caption in this size mode.
QString windowCaption(SizeMode mode);

} // namespace plakmund
