#include "surface/design_area.h"

#include "surface/design_window.h"
#include "surface/shape_box.h"

#include <QScrollBar>

void embedDesignWindow(DesignWindow& window, const DesignArea& area, Size screen)
{
    window.setParent(area.shapeBox);
    window.move(DesignWindow::pinnedPosition);
    const QSize allowance = window.size() - window.clientSize();
    window.resize(allowance + QSize(initialDesignClientSize.width, initialDesignClientSize.height));
    area.shapeBox->resize(allowance + QSize(screen.width, screen.height) + QSize(30, 30));
    area.horizontal->setMaximum(area.shapeBox->width() - 400);
    area.vertical->setMaximum(area.shapeBox->height() - 400);
    window.show();
}

void connectDesignScrolling(const DesignArea& area)
{
    ShapeBox* box = area.shapeBox;
    QObject::connect(area.vertical, &QScrollBar::valueChanged, box,
                     [box](int position) { box->move(box->x(), shapeBoxTopFor(position)); });
    QObject::connect(area.horizontal, &QScrollBar::valueChanged, box,
                     [box](int position) { box->move(shapeBoxLeftFor(position), box->y()); });
    QScrollBar* vertical = area.vertical;
    box->onWheel = [box, vertical](int notches) {
        vertical->setValue(vertical->value() - wheelStep * notches);
        box->move(box->x(), shapeBoxTopFor(vertical->value()));
    };
}
