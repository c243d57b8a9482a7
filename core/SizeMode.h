#pragma once

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

// The number of games in an image of this size: 4, 8 or 16.
int activeSlotCount(SizeMode mode);

// "512kb", "1mb" or "2mb": the size as the caption and the command line name it.
QString sizeModeName(SizeMode mode);

// The size mode that sizeModeName gives name, if any.
std::optional<SizeMode> sizeModeNamed(const QString &name);

// The main window's caption in this size mode.
QString windowCaption(SizeMode mode);

} // namespace plakmund
