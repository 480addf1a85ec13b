#include "surface/shape_box.h"

#include <QWheelEvent>

ShapeBox::ShapeBox(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("外形框"));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(171, 171, 171));
    setPalette(grey);
}

void ShapeBox::wheelEvent(QWheelEvent* event)
{
    // Partial steps of fine-grained wheels are dropped, as a notch is the unit.
    const int notches = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0 && onWheel)
        onWheel(notches);
    event->accept();
}
