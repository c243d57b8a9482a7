#pragma once

#include <QPushButton>

namespace plakmund {

// A button in the graphical style: its icon above its caption, which wraps
// at word boundaries where it is wider than the button.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    PictureButton(const QString &caption, const QIcon &icon, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace plakmund
