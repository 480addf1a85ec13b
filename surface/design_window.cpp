#include "surface/design_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int edgeBand = 5;
constexpr int buttonWidth = 26;
constexpr int buttonHeight = 20;
}  // namespace

DesignWindow::DesignWindow() : client_(new QWidget(this))
{
    setObjectName(QStringLiteral("设计窗口"));
    client_->setObjectName(QStringLiteral("设计窗口_客户区"));
    // Its own colour, not the grey of the shape box it sits on.
    QPalette plain = client_->palette();
    plain.setColor(QPalette::Window, QColor(240, 240, 240));
    client_->setPalette(plain);
    client_->setAutoFillBackground(true);
    setWindowTitle(QStringLiteral("Quillform_DesignWindow"));
    setMouseTracking(true);
    setContentsMargins(borderLeft, titleBottom, borderRight, borderBottom);
    setMinimumSize(borderLeft + borderRight + 3 * buttonWidth, titleBottom + borderBottom);
}

QRect DesignWindow::captionButton(int fromRight) const
{
    const int right = width() - borderRight - fromRight * buttonWidth;
    return {right - buttonWidth, borderLeft, buttonWidth, buttonHeight};
}

DesignWindow::Part DesignWindow::partAt(QPoint p) const
{
    const bool right = p.x() >= width() - edgeBand;
    const bool bottom = p.y() >= height() - edgeBand;
    if (right && bottom)
        return Part::Corner;
    if (right)
        return Part::RightEdge;
    if (bottom)
        return Part::BottomEdge;
    if (captionButton(0).contains(p))
        return Part::Close;
    if (captionButton(1).contains(p))
        return Part::Maximise;
    if (captionButton(2).contains(p))
        return Part::Minimise;
    if (p.y() < titleBottom)
        return Part::Caption;
    return Part::None;
}

void DesignWindow::pin()
{
    if (pos() != pinnedPosition)
        move(pinnedPosition);
}

void DesignWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor frame(0, 120, 215);
    painter.fillRect(rect(), frame);
    painter.setPen(Qt::white);
    const QRect captionText(borderLeft + 6, 0, captionButton(2).left() - borderLeft - 6, titleBottom);
    painter.drawText(captionText, Qt::AlignVCenter | Qt::AlignLeft, windowTitle());

    // Minimise, maximise and close glyphs; they only ever look like buttons.
    QPen glyph(Qt::white, 1);
    painter.setPen(glyph);
    const QPoint minimise = captionButton(2).center();
    painter.drawLine(minimise + QPoint(-5, 0), minimise + QPoint(5, 0));
    const QPoint maximise = captionButton(1).center();
    painter.drawRect(QRect(maximise - QPoint(5, 5), QSize(10, 10)));
    const QPoint close = captionButton(0).center();
    painter.drawLine(close + QPoint(-5, -5), close + QPoint(5, 5));
    painter.drawLine(close + QPoint(-5, 5), close + QPoint(5, -5));
}

void DesignWindow::resizeEvent(QResizeEvent*)
{
    client_->setGeometry(contentsRect());
    if (onSizeChanged)
        onSizeChanged();
}

void DesignWindow::moveEvent(QMoveEvent*)
{
    pin();
}

void DesignWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && windowState() != Qt::WindowNoState) {
        setWindowState(Qt::WindowNoState);
        pin();
    } else if (event->type() == QEvent::WindowTitleChange) {
        update();
    }
    QWidget::changeEvent(event);
}

void DesignWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void DesignWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = partAt(event->position().toPoint());
    pressGlobal_ = event->globalPosition().toPoint();
    pressSize_ = size();
}

void DesignWindow::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
    switch (pressed_) {
    case Part::Caption:
        move(pinnedPosition + delta);  // a move attempt; moveEvent puts it back
        return;
    case Part::RightEdge:
        resize(pressSize_.width() + delta.x(), pressSize_.height());
        return;
    case Part::BottomEdge:
        resize(pressSize_.width(), pressSize_.height() + delta.y());
        return;
    case Part::Corner:
        resize(pressSize_ + QSize(delta.x(), delta.y()));
        return;
    default:
        break;
    }
    switch (partAt(event->position().toPoint())) {
    case Part::RightEdge:
        setCursor(Qt::SizeHorCursor);
        break;
    case Part::BottomEdge:
        setCursor(Qt::SizeVerCursor);
        break;
    case Part::Corner:
        setCursor(Qt::SizeFDiagCursor);
        break;
    default:
        unsetCursor();
        break;
    }
}

void DesignWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const Part released = partAt(event->position().toPoint());
    if (released == pressed_) {
        if (released == Part::Close)
            close();
        else if (released == Part::Maximise)
            setWindowState(Qt::WindowMaximized);
        else if (released == Part::Minimise)
            setWindowState(Qt::WindowMinimized);
    }
    pressed_ = Part::None;
}

void DesignWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (partAt(event->position().toPoint()) == Part::Caption)
        setWindowState(Qt::WindowMaximized);
}
