// The main window's layout rules on plain rectangles.

#include "shell/main_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// The arrangement after the window was laid out at an outer size.
WorkbenchGeometry laidOutAt(Size outer, WorkbenchGeometry g = designedGeometry())
{
    layoutMainWindow(g, outer, clientFromOuter(outer));
    return g;
}

TEST(MainWindowFloor, SmallerSizesSnapUpPerAxis)
{
    EXPECT_EQ(flooredOuterSize({700, 400}), (Size{800, 485}));
    EXPECT_EQ(flooredOuterSize({900, 400}), (Size{900, 485}));
    EXPECT_EQ(flooredOuterSize({700, 600}), (Size{800, 600}));
    EXPECT_EQ(flooredOuterSize({1089, 785}), (Size{1089, 785}));
}

TEST(MainWindowFloor, ShrunkWindowIsLaidOutForTheFloor)
{
    const WorkbenchGeometry g = laidOutAt(flooredOuterSize({700, 400}));
    // Client 784 x 446.
    EXPECT_EQ(g.toolbox, (Rect{643, 0, 141, 404}));
    EXPECT_EQ(g.codeView, (Rect{1, 22, 782, 405}));
    EXPECT_EQ(g.pageControl, (Rect{0, 23, 800, 467}));
    EXPECT_EQ(g.eventList, (Rect{1, 410, 178, 294}));
    EXPECT_EQ(g.statusSectionWidth, 430);
}

TEST(MainWindowLayout, StartSizePlacesEveryControl)
{
    const WorkbenchGeometry g = laidOutAt({1089, 785});  // client 1073 x 746
    EXPECT_EQ(g.topSplitter, (Rect{0, 21, 1073, 2}));
    EXPECT_EQ(g.leftSplitter, (Rect{180, 0, 2, 703}));
    EXPECT_EQ(g.toolbox, (Rect{932, 0, 141, 704}));
    EXPECT_EQ(g.rightSplitter, (Rect{930, 0, 2, 704}));
    EXPECT_EQ(g.pageControl, (Rect{0, 23, 1089, 767}));
    EXPECT_EQ(g.sheet, (Rect{1, 25, 179, 679}));
    EXPECT_EQ(g.horizontalScroll, (Rect{181, 688, 736, 15}));
    EXPECT_EQ(g.verticalScroll, (Rect{916, 0, 15, 688}));
    EXPECT_EQ(g.filler, (Rect{917, 688, 15, 15}));
    EXPECT_EQ(g.codeView, (Rect{1, 22, 1071, 705}));
    EXPECT_EQ(g.statusSectionWidth, 719);
    EXPECT_EQ(g.eventList, (Rect{1, 410, 178, 294}));
    EXPECT_EQ(g.eventColumnWidth, 153);
}

TEST(MainWindowLayout, LeavesSelectorFrameAndButtonsAlone)
{
    const WorkbenchGeometry designed = designedGeometry();
    const WorkbenchGeometry g = laidOutAt({1500, 900});
    EXPECT_EQ(g.selector, designed.selector);
    EXPECT_EQ(g.shapeBox, designed.shapeBox);
    EXPECT_EQ(g.windowButton, designed.windowButton);
}

TEST(MainWindowLayout, RightColumnFollowsTheWidth)
{
    struct Case {
        int outerWidth;
        int toolboxLeft;
        int verticalScrollLeft;
        int horizontalScrollWidth;
        int codeViewWidth;
        int statusSectionWidth;
    };
    const Case cases[] = {
        {800, 643, 627, 447, 782, 430},
        {1089, 932, 916, 736, 1071, 719},
        {1920, 1763, 1747, 1567, 1902, 1550},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outerWidth);
        const WorkbenchGeometry g = laidOutAt({c.outerWidth, 785});
        EXPECT_EQ(g.toolbox.left, c.toolboxLeft);
        EXPECT_EQ(g.rightSplitter.left, c.toolboxLeft - 2);
        EXPECT_EQ(g.verticalScroll.left, c.verticalScrollLeft);
        EXPECT_EQ(g.horizontalScroll.width, c.horizontalScrollWidth);
        EXPECT_EQ(g.filler.left, 181 + c.horizontalScrollWidth);
        EXPECT_EQ(g.codeView.width, c.codeViewWidth);
        EXPECT_EQ(g.statusSectionWidth, c.statusSectionWidth);
    }
}

TEST(MainWindowLayout, EventListFollowsTheHeight)
{
    struct Case {
        int outerHeight;
        Rect eventList;
        int columnWidth;
        int scrollBarsTop;  // 横向滚动条.top and 纵向滚动条.height
    };
    const Case cases[] = {
        {485, {1, 410, 178, 294}, 153, 388},
        {530, {1, 410, 178, 294}, 153, 433},
        {546, {1, 410, 178, 56}, 136, 449},
        {600, {1, 410, 178, 110}, 136, 503},
        {784, {1, 410, 178, 294}, 136, 687},
        {785, {1, 410, 178, 294}, 153, 688},
        {900, {1, 525, 178, 294}, 153, 803},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outerHeight);
        const WorkbenchGeometry g = laidOutAt({1089, c.outerHeight});
        EXPECT_EQ(g.eventList, c.eventList);
        EXPECT_EQ(g.eventColumnWidth, c.columnWidth);
        EXPECT_EQ(g.horizontalScroll.top, c.scrollBarsTop);
        EXPECT_EQ(g.verticalScroll.height, c.scrollBarsTop);
    }
}

TEST(MainWindowLayout, EventListStaysPutBetween531And545)
{
    for (int height : {531, 540, 545}) {
        SCOPED_TRACE(height);
        const WorkbenchGeometry before = laidOutAt({1089, 900});
        const WorkbenchGeometry g = laidOutAt({1089, height}, before);
        EXPECT_EQ(g.eventList, before.eventList);
        EXPECT_EQ(g.eventColumnWidth, before.eventColumnWidth);
    }
}

TEST(TrackingLimits, FromTheStartSizeAndTheScreen)
{
    EXPECT_EQ(trackingLimits({1089, 785}, {1920, 1080}), (SizeLimits{{539, 205}, {1920, 1080}}));
}

struct LeftDrag {
    int after;
    int outerHeight;
    int splitterLeft;  // where the splitter ends; the sheet is this minus 1 wide
    int eventColumnWidth;
    friend std::ostream& operator<<(std::ostream& out, const LeftDrag& d)
    {
        return out << "to " << d.after << " on height " << d.outerHeight;
    }
};

class LeftSplitterDrag : public testing::TestWithParam<LeftDrag> {};

TEST_P(LeftSplitterDrag, MovesTheLeftColumnAndTheFrameTogether)
{
    const LeftDrag c = GetParam();
    const WorkbenchGeometry start = laidOutAt({1089, c.outerHeight});
    WorkbenchGeometry g = start;
    onLeftSplitterDragged(g, start.leftSplitter.left, c.after, c.outerHeight);

    const int d = c.splitterLeft - start.leftSplitter.left;
    EXPECT_EQ(g.leftSplitter.left, c.splitterLeft);
    EXPECT_EQ(g.sheet, (Rect{1, 25, 179 + d, start.sheet.height}));
    EXPECT_EQ(g.selector, (Rect{1, 0, 181 + d, 25}));
    EXPECT_EQ(g.eventList.left, 1);
    EXPECT_EQ(g.eventList.width, 178 + d);
    EXPECT_EQ(g.sheetValueColumnWidth, 116 + d);
    EXPECT_EQ(g.eventColumnWidth, c.eventColumnWidth);
    EXPECT_EQ(g.shapeBox.left, start.shapeBox.left + d);
    EXPECT_EQ(g.shapeBox.width, start.shapeBox.width);
    EXPECT_EQ(g.horizontalScroll.left, 181 + d);
    EXPECT_EQ(g.horizontalScroll.width, start.horizontalScroll.width - d);
    EXPECT_EQ(g.rightSplitter, start.rightSplitter);
    EXPECT_EQ(g.toolbox, start.toolbox);
}

INSTANTIATE_TEST_SUITE_P(Cases, LeftSplitterDrag,
                         testing::Values(
                             // An ordinary drag, on a tall and on a short window.
                             LeftDrag{300, 785, 300, 273}, LeftDrag{300, 600, 300, 256},
                             // Within 400 of the right splitter (930): stops at 530.
                             LeftDrag{700, 785, 530, 503}, LeftDrag{531, 785, 530, 503},
                             // Sheet narrower than 177: the splitter goes to 178.
                             LeftDrag{100, 785, 178, 151}, LeftDrag{177, 785, 178, 151}),
                         [](const testing::TestParamInfo<LeftDrag>& drag) {
                             return "To" + std::to_string(drag.param.after) + "OnHeight" +
                                    std::to_string(drag.param.outerHeight);
                         });

struct RightDrag {
    int after;
    int outerWidth;
    int moved;  // how far the toolbox, vertical scroll bar and filler move
    friend std::ostream& operator<<(std::ostream& out, const RightDrag& d)
    {
        return out << "to " << d.after << " on width " << d.outerWidth;
    }
};

class RightSplitterDrag : public testing::TestWithParam<RightDrag> {};

TEST_P(RightSplitterDrag, MovesTheToolboxAndTheScrollBars)
{
    const RightDrag c = GetParam();
    const WorkbenchGeometry start = laidOutAt({c.outerWidth, 785});
    WorkbenchGeometry g = start;
    onRightSplitterDragged(g, start.rightSplitter.left, c.after, c.outerWidth);

    EXPECT_EQ(g.toolbox.left, start.toolbox.left + c.moved);
    EXPECT_EQ(g.toolbox.width, start.toolbox.width - c.moved);
    EXPECT_EQ(g.verticalScroll.left, start.verticalScroll.left + c.moved);
    EXPECT_EQ(g.filler.left, start.filler.left + c.moved);
    EXPECT_EQ(g.horizontalScroll.width, start.horizontalScroll.width + c.moved);
    EXPECT_EQ(g.rightSplitter.left, g.verticalScroll.left + 15);
    EXPECT_EQ(g.shapeBox, start.shapeBox);
    EXPECT_EQ(g.sheet, start.sheet);
}

INSTANTIATE_TEST_SUITE_P(Cases, RightSplitterDrag,
                         testing::Values(
                             // An ordinary drag from 930.
                             RightDrag{800, 1089, -130},
                             // Less than 400 right of the left splitter (180): (180 + 400) - 930.
                             RightDrag{500, 1089, -350}, RightDrag{579, 1089, -350},
                             // Toolbox narrower than 142: (W - 162) minus where it stood.
                             RightDrag{1000, 1089, -3}, RightDrag{1300, 1400, -3}),
                         [](const testing::TestParamInfo<RightDrag>& drag) {
                             return "To" + std::to_string(drag.param.after) + "OnWidth" +
                                    std::to_string(drag.param.outerWidth);
                         });

TEST(RightSplitterDrag, EndsOnePixelRightOfTheClampPosition)
{
    const WorkbenchGeometry start = laidOutAt({1089, 785});
    WorkbenchGeometry g = start;
    onRightSplitterDragged(g, start.rightSplitter.left, 300, 1089);
    EXPECT_EQ(g.rightSplitter.left, 581);
    g = start;
    onRightSplitterDragged(g, start.rightSplitter.left, 1080, 1089);
    EXPECT_EQ(g.rightSplitter.left, 928);
}

}  // namespace
