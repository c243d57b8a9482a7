#pragma once

#include <QIcon>
#include <QSize>
#include <QStringView>

namespace plakmund {

// The picture :/assets/name.png, sharp on a screen of this pixel ratio: above 1 it
// is drawn from name@2x.png, scaled smoothly to the screen's pixels, where Qt itself
// would take the @2x picture only from ratio 2 on and scale the small one up below it.
QIcon picture(QStringView name, QSize size, qreal pixelRatio);

} // namespace plakmund
