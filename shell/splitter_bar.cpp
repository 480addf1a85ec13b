#include "shell/splitter_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

SplitterBar::SplitterBar(QWidget* parent, bool draggable) : QWidget(parent), draggable_(draggable)
{
    if (draggable_)
        setCursor(Qt::SplitHCursor);
}

int SplitterBar::draggedLeft(const QMouseEvent* event) const
{
    return x() + qRound(event->globalPosition().x()) - pressX_;
}

void SplitterBar::mousePressEvent(QMouseEvent* event)
{
    if (!draggable_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    pressX_ = qRound(event->globalPosition().x());
    if (!guide_)
        guide_ = new QRubberBand(QRubberBand::Line, parentWidget());
    guide_->setGeometry(geometry());
    guide_->show();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        guide_->move(draggedLeft(event), y());
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    guide_->hide();
    const int before = x();
    const int after = draggedLeft(event);
    if (onDragged && after != before)
        onDragged(before, after);
}

void SplitterBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(115));
}
