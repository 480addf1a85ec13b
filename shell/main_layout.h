#pragma once

#include "host/design_reader.h"

// The main window's arrangement as plain rectangles, and the rules that keep
// it in shape when the window is resized or a splitter is dragged. The Qt
// side reads the rectangles off its widgets, runs a rule and writes them back,
// so every rule can be checked here without a screen.

// The rules were drawn for a window whose frame adds 16 x 39 pixels to its
// client area. Qt sizes the client area, and the frame a window manager adds
// varies (a bare X server adds none), so the outer size is always taken as
// the client size plus this allowance.
inline constexpr Size mainFrameAllowance{16, 39};

inline Size outerFromClient(Size client)
{
    return {client.width + mainFrameAllowance.width, client.height + mainFrameAllowance.height};
}
inline Size clientFromOuter(Size outer)
{
    return {outer.width - mainFrameAllowance.width, outer.height - mainFrameAllowance.height};
}

// Rectangles relative to each control's parent: the page buttons, the top
// splitter, the page control and the code view sit on the main window, the
// rest on the design page of the page control.
struct WorkbenchGeometry {
    Rect windowButton;      // 窗口按钮
    Rect topSplitter;       // 分隔条_顶
    Rect pageControl;       // 选择夹
    Rect codeView;          // 代码编辑框
    Rect selector;          // 组件框
    Rect sheet;             // 高级表格
    Rect eventList;         // 超级列表框1
    Rect leftSplitter;      // 分隔条_左
    Rect shapeBox;          // 外形框
    Rect horizontalScroll;  // 横向滚动条
    Rect verticalScroll;    // 纵向滚动条
    Rect filler;            // 标签_填充
    Rect rightSplitter;     // 分隔条_右
    Rect toolbox;           // 卷帘式菜单
    int sheetValueColumnWidth = 0;  // 高级表格 column 1
    int eventColumnWidth = 0;       // 超级列表框1 column 1, its only one
    int statusSectionWidth = 0;     // 状态条1 section 1
    friend bool operator==(const WorkbenchGeometry&, const WorkbenchGeometry&) = default;
};

// The arrangement as the main window is built, before any rule has run.
WorkbenchGeometry designedGeometry();

inline constexpr Size mainWindowFloor{800, 485};

// The outer size after the floor that every size change applies.
Size flooredOuterSize(Size outer);

// Everything a size change does after the floor, for the floored outer size
// and the client size that goes with it.
void layoutMainWindow(WorkbenchGeometry& geometry, Size outer, Size client);

// A completed drag of 分隔条_左 or 分隔条_右 from position `before` (its left
// edge) to `after`; the handler clamps the move and places the splitter.
void onLeftSplitterDragged(WorkbenchGeometry& geometry, int before, int after, int outerHeight);
void onRightSplitterDragged(WorkbenchGeometry& geometry, int before, int after, int outerWidth);

// The outer sizes the user may track the main window between, fixed once at
// start-up from the window's size then and the screen's.
struct SizeLimits {
    Size minimum;
    Size maximum;
    friend bool operator==(const SizeLimits&, const SizeLimits&) = default;
};
SizeLimits trackingLimits(Size startOuter, Size screen);
