#pragma once

#include <QWidget>

#include <functional>

class QRubberBand;

// A thin bar the user drags sideways. While dragging only a guide line
// follows the pointer; on release the bar reports where it stood and where
// it was dragged to, and the handler decides where it really goes.
class SplitterBar final : public QWidget {
public:
    SplitterBar(QWidget* parent, bool draggable);

    std::function<void(int before, int after)> onDragged;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int draggedLeft(const QMouseEvent* event) const;

    bool draggable_;
    bool dragging_ = false;
    int pressX_ = 0;
    QRubberBand* guide_ = nullptr;
};
