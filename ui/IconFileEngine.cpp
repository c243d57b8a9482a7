#include "IconFileEngine.h"

namespace plakmund {

void IconFileEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize IconFileEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return pixmap(size, mode, state).size();
}

QPixmap IconFileEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, 1.0, mode, state);
}

QPixmap IconFileEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal)
{
    return pixmap(size, mode, state);
}

QList<QSize> IconFileEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

const QIcon &IconFileEngine::icon()
{
    if (m_icon.isNull())
        m_icon = QIcon(m_path);
    return m_icon;
}

} // namespace plakmund
