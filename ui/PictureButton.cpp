#include "PictureButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace plakmund {

namespace {

constexpr int IconTextGap = 2;
constexpr int CaptionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

PictureButton::PictureButton(const QString &caption, const QIcon &icon, QWidget *parent)
    : QPushButton(icon, caption, parent)
{
    setIconSize({16, 16});
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the bevel and the focus frame; the icon and the caption
    // are placed here, one above the other, as a block centred in the button.
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    // The block may fill the face up to the bevel: Windows' style keeps a margin inside it
    // that leaves no room for a picture and two caption lines.
    const int bevel = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const QRect content = rect().adjusted(bevel, bevel, -bevel, -bevel);
    const QRect captionBounds = fontMetrics().boundingRect(content, CaptionFlags, text());
    const int blockHeight = iconSize().height() + IconTextGap + captionBounds.height();
    const int top = content.top() + qMax(0, (content.height() - blockHeight) / 2);

    const QRect iconRect(content.left() + (content.width() - iconSize().width()) / 2, top, iconSize().width(),
                         iconSize().height());
    painter.drawPixmap(iconRect, icon().pixmap(iconSize(), devicePixelRatio(),
                                               isEnabled() ? QIcon::Normal : QIcon::Disabled));

    const QRect captionRect(content.left(), iconRect.bottom() + 1 + IconTextGap, content.width(),
                            content.bottom() - iconRect.bottom() - IconTextGap);
    painter.drawItemText(captionRect, CaptionFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

} // namespace plakmund
