#pragma once

#include <QIcon>
#include <QIconEngine>

namespace plakmund {

// An icon read from its file only when something first asks for its pictures.
// An X11 window manager takes the window icon as the window is shown; the
// offscreen platform, and Wayland under Qt 6.4, never ask for it.
class IconFileEngine : public QIconEngine {
public:
    explicit IconFileEngine(const QString &path) : m_path(path) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    // The file's images share one pixel ratio, so the ratio asked for picks
    // the same one as the size alone.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override { return new IconFileEngine(*this); }

private:
    const QIcon &icon();

    QString m_path;
    QIcon m_icon;
};

} // namespace plakmund
