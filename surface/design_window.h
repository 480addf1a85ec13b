#pragma once

#include <QWidget>

#include <functional>

// The window being designed. It lives inside the design page's shape box and
// draws its own frame and title bar, so its outer size always exceeds its
// client area by the same 7 x 30 pixels the generator takes off. It stays
// pinned at (12, 12), cannot be maximised, minimised or closed, and can be
// resized by dragging its right or bottom edge.
class DesignWindow final : public QWidget {
public:
    static constexpr QPoint pinnedPosition{12, 12};
    static constexpr int borderLeft = 3;
    static constexpr int borderRight = 4;
    static constexpr int borderBottom = 4;
    static constexpr int titleBottom = 26;  // top border and title bar

    DesignWindow();

    // The area the design controls are placed on.
    QWidget* clientArea() const { return client_; }
    // The frame is the contents margins, so this holds even before the first
    // resize event has reached a hidden window.
    QSize clientSize() const { return contentsRect().size(); }

    // Runs after every size change (the property sheet follows it).
    std::function<void()> onSizeChanged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    enum class Part { None, Caption, Minimise, Maximise, Close, RightEdge, BottomEdge, Corner };

    Part partAt(QPoint point) const;
    QRect captionButton(int fromRight) const;
    void pin();

    QWidget* client_;
    Part pressed_ = Part::None;
    QPoint pressGlobal_;
    QSize pressSize_;
};
