#include "shell/main_layout.h"

#include <algorithm>

WorkbenchGeometry designedGeometry()
{
    WorkbenchGeometry g;
    g.windowButton = {-1, 0, 80, 21};
    g.topSplitter = {0, 21, 1100, 2};
    g.pageControl = {0, 23, 1024, 568};
    g.codeView = {1042, 24, 996, 536};
    g.selector = {1, 0, 181, 25};
    g.sheet = {1, 25, 179, 509};
    g.eventList = {1, 243, 178, 294};
    g.leftSplitter = {180, 0, 2, 540};
    g.shapeBox = {182, 0, 663, 520};
    g.horizontalScroll = {181, 519, 669, 15};
    g.verticalScroll = {850, 0, 15, 521};
    g.filler = {850, 520, 15, 15};
    g.rightSplitter = {865, 0, 2, 540};
    g.toolbox = {867, 0, 141, 536};
    g.sheetValueColumnWidth = g.sheet.width - 63;
    g.eventColumnWidth = g.sheet.width - 26;
    g.statusSectionWidth = 1089 - 370;
    return g;
}

Size flooredOuterSize(Size outer)
{
    return {std::max(outer.width, mainWindowFloor.width), std::max(outer.height, mainWindowFloor.height)};
}

namespace {

// The event list sits under the sheet; on short windows it is squeezed, and
// in a narrow band of heights it is left alone.
void placeEventList(WorkbenchGeometry& g, int outerHeight)
{
    const int sheetWidth = g.sheet.width;
    if (outerHeight >= 785) {
        g.eventList.top = outerHeight - 375;
        g.eventList.height = 294;
        g.eventColumnWidth = sheetWidth - 26;
    } else if (outerHeight >= 546) {
        g.eventList.top = 410;
        g.eventList.height = outerHeight - 490;
        g.eventColumnWidth = sheetWidth - 43;
    } else if (outerHeight <= 530) {
        g.eventList.top = 410;
        g.eventList.height = 294;
        g.eventColumnWidth = sheetWidth - 26;
    }
}

}  // namespace

void layoutMainWindow(WorkbenchGeometry& g, Size outer, Size client)
{
    const int CW = client.width;
    const int CH = client.height;
    const int W = outer.width;
    const int H = outer.height;

    g.topSplitter.width = CW;
    g.leftSplitter.height = CH - 43;
    g.toolbox.left = CW - g.toolbox.width;
    g.toolbox.height = CH - g.windowButton.height - 21;
    g.rightSplitter.left = g.toolbox.left - 2;
    g.rightSplitter.height = CH - 42;
    g.pageControl.width = W;
    g.pageControl.height = H - 18;
    g.sheet.width = g.leftSplitter.left - 1;
    g.sheet.height = CH - 67;
    g.horizontalScroll.top = CH - 58;
    g.horizontalScroll.width = CW - g.sheet.width - g.toolbox.width - 17;
    g.verticalScroll.left = CW - g.toolbox.width - 16;
    g.verticalScroll.height = CH - 58;
    g.filler.left = g.horizontalScroll.left + g.horizontalScroll.width;
    g.filler.top = g.verticalScroll.top + g.verticalScroll.height;
    g.codeView = {1, 22, W - 18, H - 80};
    g.statusSectionWidth = W - 370;
    placeEventList(g, H);
}

void onLeftSplitterDragged(WorkbenchGeometry& g, int before, int after, int outerHeight)
{
    int d = after - before;
    const int R = g.rightSplitter.left;
    if (after > R - 400)
        d = (R - 400) - before;
    else if (g.sheet.width + d < 177)
        d = 178 - before;

    g.sheet.width += d;
    g.leftSplitter.left = g.sheet.left + g.sheet.width;
    g.shapeBox.left += d;
    g.horizontalScroll.left += d;
    g.horizontalScroll.width -= d;
    g.selector.width += d;
    g.sheetValueColumnWidth = g.sheet.width - 63;
    g.eventList.width = g.sheet.width - 1;
    g.eventColumnWidth = g.sheet.width - (outerHeight >= 785 ? 26 : 43);
}

void onRightSplitterDragged(WorkbenchGeometry& g, int before, int after, int outerWidth)
{
    int d = after - before;
    const int L = g.leftSplitter.left;
    if (after < L + 400)
        d = (L + 400) - before;
    else if (g.toolbox.width - d < 142)
        d = (outerWidth - 162) - before;

    g.toolbox.width -= d;
    g.toolbox.left += d;
    g.verticalScroll.left += d;
    g.rightSplitter.left = g.verticalScroll.left + 15;
    g.horizontalScroll.width += d;
    g.filler.left += d;
}

SizeLimits trackingLimits(Size startOuter, Size screen)
{
    return {{startOuter.width - 550, startOuter.height - 580}, screen};
}
