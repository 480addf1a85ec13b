#pragma once

#include <QFrame>

#include <functional>

// The grey frame that carries the design window. It is larger than the
// screen and is itself moved by the design page's scroll bars and the wheel.
class ShapeBox final : public QFrame {
public:
    explicit ShapeBox(QWidget* parent);

    // Whole wheel notches turned over the box (or the design window on it),
    // positive away from the user.
    std::function<void(int notches)> onWheel;

protected:
    void wheelEvent(QWheelEvent* event) override;
};
