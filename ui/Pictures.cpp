#include "Pictures.h"

#include <QPixmap>

namespace plakmund {

QIcon picture(QStringView name, QSize size, qreal pixelRatio)
{
    const QString path = QStringLiteral(":/assets/%1").arg(name);
    QIcon icon(path + QStringLiteral(".png"));
    if (pixelRatio > 1) {
        QPixmap exact = QPixmap(path + QStringLiteral("@2x.png")).scaled(size * pixelRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        exact.setDevicePixelRatio(pixelRatio);
        icon.addPixmap(exact);
    }
    return icon;
}

} // namespace plakmund
