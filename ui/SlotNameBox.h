#pragma once

#include <QLineEdit>
#include <QStringList>

namespace plakmund {

// A slot's name box: a line edit that takes a drop of local files, as a copy,
// instead of text. Qt delivers no drop to a disabled box.
class SlotNameBox : public QLineEdit {
    Q_OBJECT

public:
    explicit SlotNameBox(QWidget *parent = nullptr);

signals:
    void filesDropped(const QStringList &paths);

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Accepts the drag or drop as a copy where it carries local files and may be copied.
    bool takeAsCopy(QDropEvent &event) const;
    // The local file paths a drop carries, in its order.
    QStringList droppedPaths(const QDropEvent &event) const;
};

} // namespace plakmund
