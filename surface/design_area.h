#pragma once

#include "host/design_reader.h"

class DesignWindow;
class QScrollBar;
class ShapeBox;

// The design window's initial client area.
inline constexpr Size initialDesignClientSize{340, 220};

// Vertical position change per wheel notch.
inline constexpr int wheelStep = 25;

// Shape box position for a scroll bar position.
inline int shapeBoxTopFor(int verticalPosition) { return -verticalPosition; }
inline int shapeBoxLeftFor(int horizontalPosition) { return 188 - horizontalPosition; }

// The pieces of the design page that hold and scroll the design window.
struct DesignArea {
    ShapeBox* shapeBox;
    QScrollBar* horizontal;
    QScrollBar* vertical;
};

// The design window's "created" handler: puts it into the shape box at its
// pinned place with its initial client area, sizes the shape box from the
// screen and sets the scroll ranges to match.
void embedDesignWindow(DesignWindow& window, const DesignArea& area, Size screen);

// Connects the scroll bars and the wheel to the shape box.
void connectDesignScrolling(const DesignArea& area);
