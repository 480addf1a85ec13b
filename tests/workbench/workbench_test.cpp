// The real main window on a real screen: start-up state, page switch, code
// view, design window, scrolling, resizing and splitter drags.

#include "codegen/generate_program.h"
#include "document/design_document.h"
#include "document/startup_sequence.h"
#include "host/memory_host.h"
#include "host/qt_design_host.h"
#include "shell/code_view.h"
#include "shell/main_window.h"
#include "shell/page_button.h"
#include "shell/splitter_bar.h"
#include "shell/toolbox.h"
#include "surface/design_window.h"
#include "surface/shape_box.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

class Workbench : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(document);
        runStartupSequence(*window);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    DesignWindow& designWindow() { return *window->designWindow; }
    QString status() const { return window->statusSection->text(); }

    std::string pressCodeButton()
    {
        QTest::mouseClick(window->codeButton, Qt::LeftButton);
        return window->codeView->programText();
    }

    // What the generator makes of the design window as it stands, read
    // without the widgets.
    std::string expectedProgram()
    {
        MemoryHost memory;
        memory.windowCaption = designWindow().windowTitle().toStdString();
        memory.windowOuterSize = {designWindow().width(), designWindow().height()};
        return generateProgram(document, memory);
    }

    bool settlesAt(Size outer)
    {
        return QTest::qWaitFor([&] { return window->outerSize() == outer; });
    }

    DesignDocument document;
    std::unique_ptr<MainWindow> window;
};

TEST(Screen, IsTheFullHdScreenTheSizesDeriveFrom)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1920, 1080))
        << "run under xvfb-run -s \"-screen 0 1920x1080x24\" with QT_QPA_PLATFORM=xcb";
}

TEST_F(Workbench, EveryControlCarriesItsName)
{
    const char* names[] = {"窗口按钮", "代码按钮", "关于按钮", "分隔条_顶", "选择夹", "代码编辑框",
                           "状态条1", "组件框", "高级表格", "超级列表框1", "分隔条_左", "外形框",
                           "横向滚动条", "纵向滚动条", "标签_填充", "分隔条_右", "卷帘式菜单",
                           "编辑框_说明", "设计窗口", "设计窗口_客户区"};
    for (const char* name : names)
        EXPECT_EQ(window->findChildren<QWidget*>(u(name)).size(), 1) << name;
    EXPECT_EQ(window->windowTitle(), u("Quillform  2.0"));
}

TEST_F(Workbench, StartsAsDesigned)
{
    EXPECT_EQ(window->outerSize(), (Size{1089, 785}));
    EXPECT_EQ(status(), u(" 适用于 Python 3 的 Tkinter 简易窗口可视化设计工具"));
    EXPECT_FALSE(window->codeView->isVisible());
    EXPECT_EQ(window->pageControl->currentIndex(), 0);
    EXPECT_EQ(document.windowName, "启动窗口");
    EXPECT_EQ(document.windowLeft, 100);
    EXPECT_EQ(document.windowTop, 100);

    // Tracking limits: 539 x 205 up to the screen, as outer sizes.
    EXPECT_EQ(window->minimumSize(), QSize(539 - 16, 205 - 39));
    EXPECT_EQ(window->maximumSize(), QSize(1920 - 16, 1080 - 39));

    const QStringList about = window->aboutBox->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GE(about.size(), 5);
    EXPECT_EQ(about.mid(0, 5), QStringList({u("Quillform"), u("适用于 Python 3 的 Tkinter 简易窗口可视化设计工具"),
                                            QString(), u("设计器版本：2.0 Beta"), u("解释器版本：2.0 Beta")}));
}

TEST_F(Workbench, ToolboxHoldsSixToolsPointerFirst)
{
    Toolbox* toolbox = window->toolbox;
    ASSERT_EQ(toolbox->count(), 1);
    EXPECT_EQ(toolbox->itemText(0), u("窗口组件"));
    EXPECT_EQ(toolbox->currentTool(), 0);
    EXPECT_EQ(window->host->currentTool(), 0);
    const char* tools[] = {"指针", "标签", "编辑框", "按钮", "单选框", "复选框"};
    QListWidget* list = toolbox->tools();
    ASSERT_EQ(list->count(), 6);
    for (int row = 0; row < 6; ++row) {
        QListWidgetItem* item = list->item(row);
        EXPECT_EQ(item->text(), u(" ") + u(tools[row]) + QString(24, QLatin1Char(' ')));
        EXPECT_EQ(item->toolTip(), u(tools[row]));
        EXPECT_EQ(item->icon().pixmap(16, 16).size(), QSize(16, 16));
    }
}

TEST_F(Workbench, EventListHasItsHeaderAndSixteenUntickedRows)
{
    QTreeWidget* list = window->eventList;
    EXPECT_EQ(list->headerItem()->text(0), u("欲绑定的事件"));
    ASSERT_EQ(list->topLevelItemCount(), 16);
    EXPECT_EQ(list->topLevelItem(0)->text(0), u("鼠标左键单击"));
    EXPECT_EQ(list->topLevelItem(15)->text(0), u("鼠标滚轮被滚动"));
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(list->topLevelItem(row)->checkState(0), Qt::Unchecked);
}

// --- page switch -------------------------------------------------------------

struct Colours {
    QColor normalText, normalBack, overText, overBack, focusText, focusBack;
};
const Colours highlighted{{255, 255, 255}, {0, 122, 204}, {255, 255, 255}, {0, 122, 204}, {255, 255, 255}, {0, 122, 204}};
const Colours plain{{128, 128, 128}, {240, 240, 240}, {128, 128, 128}, {231, 231, 231}, {128, 128, 128}, {240, 240, 240}};

void expectColours(const PageButton* button, const Colours& c)
{
    const PageButton::Colours& got = button->colours();
    EXPECT_EQ(got[PageButton::Normal].text, c.normalText) << button->text().toStdString();
    EXPECT_EQ(got[PageButton::Normal].background, c.normalBack) << button->text().toStdString();
    EXPECT_EQ(got[PageButton::MouseOver].text, c.overText) << button->text().toStdString();
    EXPECT_EQ(got[PageButton::MouseOver].background, c.overBack) << button->text().toStdString();
    EXPECT_EQ(got[PageButton::Focused].text, c.focusText) << button->text().toStdString();
    EXPECT_EQ(got[PageButton::Focused].background, c.focusBack) << button->text().toStdString();
}

TEST_F(Workbench, PageButtonsShowTheirPage)
{
    struct Case {
        PageButton* MainWindow::*button;
        bool codeShown;
        int pageIndex;
        const char* hint;
    };
    const char* defaultText = " 适用于 Python 3 的 Tkinter 简易窗口可视化设计工具";
    const Case cases[] = {
        {&MainWindow::aboutButton, false, 2, defaultText},
        {&MainWindow::codeButton, true, 2, " 双击代码编辑框任意位置会自动复制全部代码哦!"},
        {&MainWindow::windowButton, false, 0, defaultText},
        {&MainWindow::codeButton, true, 0, " 双击代码编辑框任意位置会自动复制全部代码哦!"},
        {&MainWindow::aboutButton, false, 2, defaultText},
    };
    PageButton* MainWindow::*all[] = {&MainWindow::windowButton, &MainWindow::codeButton, &MainWindow::aboutButton};
    for (const Case& c : cases) {
        PageButton* pressed = window.get()->*c.button;
        SCOPED_TRACE(pressed->text().toStdString());
        QTest::mouseClick(pressed, Qt::LeftButton);
        for (auto member : all)
            expectColours(window.get()->*member, member == c.button ? highlighted : plain);
        EXPECT_EQ(window->codeView->isVisible(), c.codeShown);
        EXPECT_EQ(window->codeView->x(), c.codeShown ? 0 : 1921);
        if (c.codeShown) {
            EXPECT_EQ(window->codeView->y(), 22);
        }
        EXPECT_EQ(window->pageControl->currentIndex(), c.pageIndex);
        EXPECT_EQ(status(), u(c.hint));
        EXPECT_TRUE(window->toolbox->isEnabled());
        EXPECT_TRUE(window->selector->isEnabled());
        EXPECT_TRUE(window->sheet->isEnabled());
    }
}

TEST_F(Workbench, PressedButtonIsDrawnInTheHighlightWhateverItsState)
{
    QTest::mouseClick(window->codeButton, Qt::LeftButton);
    EXPECT_EQ(window->codeButton->currentPair().background, QColor(0, 122, 204));
    EXPECT_EQ(window->windowButton->currentPair().background, QColor(240, 240, 240));
}

TEST_F(Workbench, CodeButtonRegeneratesOnEveryPress)
{
    const std::string first = pressCodeButton();
    EXPECT_EQ(first, expectedProgram());
    EXPECT_NE(first.find("title('Quillform_DesignWindow')"), std::string::npos);
    EXPECT_NE(first.find("(340, 220, (screenwidth - 340) / 2, (screenheight - 220) / 2)"), std::string::npos);

    // Changed while another page is shown.
    QTest::mouseClick(window->windowButton, Qt::LeftButton);
    designWindow().setWindowTitle(u("第二个标题"));
    const std::string second = pressCodeButton();
    EXPECT_EQ(second, expectedProgram());
    EXPECT_NE(second.find("title('第二个标题')"), std::string::npos);

    // Changed while the code page itself is shown.
    designWindow().setWindowTitle(u("Third"));
    designWindow().resize(designWindow().size() + QSize(60, 10));
    const std::string third = pressCodeButton();
    EXPECT_EQ(third, expectedProgram());
    EXPECT_NE(third.find("title('Third')"), std::string::npos);
    EXPECT_NE(third.find("(400, 230,"), std::string::npos);
}

TEST_F(Workbench, CodeViewCannotBeEditedByTyping)
{
    const std::string program = pressCodeButton();
    EXPECT_TRUE(window->codeView->isReadOnly());
    window->codeView->setFocus();
    QTest::keyClicks(window->codeView, "typed");
    QTest::keyClick(window->codeView, Qt::Key_Backspace);
    QTest::keyClick(window->codeView, Qt::Key_Return);
    EXPECT_EQ(window->codeView->programText(), program);
}

TEST_F(Workbench, NumberMarginGrowsWithTheLineCount)
{
    QTest::mouseClick(window->codeButton, Qt::LeftButton);
    const struct {
        int lines;
        int width;
    } cases[] = {{1, 20}, {9, 20}, {10, 30}, {99, 30}, {100, 40}, {999, 40}, {1000, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        std::string text;
        for (int line = 1; line < c.lines; ++line)
            text += "x = 1\r\n";
        window->codeView->putProgram(text);
        ASSERT_EQ(window->codeView->lines(), c.lines);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->codeView->marginWidth(0) == c.width; }))
            << "margin is " << window->codeView->marginWidth(0);
    }
}

TEST_F(Workbench, SmallestProgramGetsAThirtyPixelMargin)
{
    pressCodeButton();
    EXPECT_EQ(window->codeView->lines(), 37);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->codeView->marginWidth(0) == 30; }));
}

TEST_F(Workbench, DoubleClickCopiesTheWholeProgram)
{
    const std::string program = pressCodeButton();
    ASSERT_GE(program.size(), 6u);
    ASSERT_EQ(program.substr(program.size() - 6), "\r\n    ");
    QGuiApplication::clipboard()->setText(u("something else"));
    window->codeView->setSelection(2, 0, 2, 4);

    // Through the window, so the editor sees the presses that make the double-click.
    const QPoint inView = window->codeView->viewport()->mapTo(window.get(), QPoint(300, 100));
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, inView);

    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), program);
    EXPECT_EQ(status(), u(" 代码拷贝完成,快去粘贴吧!"));
}

// --- design window -------------------------------------------------------------

TEST_F(Workbench, DesignWindowStartsPinnedWithItsClientArea)
{
    EXPECT_EQ(designWindow().parentWidget(), window->shapeBox);
    EXPECT_EQ(designWindow().pos(), QPoint(12, 12));
    EXPECT_EQ(designWindow().clientArea()->size(), QSize(340, 220));
    EXPECT_EQ(designWindow().size(), QSize(347, 250));
    EXPECT_EQ(window->host->designWindowOuterSize(), (Size{347, 250}));
    EXPECT_EQ(window->host->designWindowCaption(), "Quillform_DesignWindow");
    EXPECT_EQ(window->host->findByTag("1"), ControlRef{});
}

TEST_F(Workbench, DesignControlsAreFoundByTheirTag)
{
    auto* first = new QLabel(designWindow().clientArea());
    auto* second = new QLabel(designWindow().clientArea());
    const ControlRef a{first}, b{second};
    window->host->setTag(a, "1");
    window->host->setTag(b, "2");
    EXPECT_EQ(window->host->findByTag("1"), a);
    EXPECT_EQ(window->host->findByTag("2"), b);
    EXPECT_EQ(window->host->tag(b), "2");

    window->host->setTag(a, "3");
    EXPECT_EQ(window->host->findByTag("1"), ControlRef{});
    EXPECT_EQ(window->host->findByTag("3"), a);

    delete second;
    EXPECT_EQ(window->host->findByTag("2"), ControlRef{});
    delete first;
}

TEST_F(Workbench, DesignWindowCannotBeMovedMaximisedOrMinimised)
{
    DesignWindow& dw = designWindow();
    const QPoint caption(60, 12);
    const QPoint maximiseButton(dw.width() - 4 - 26 - 13, 13);
    const QPoint minimiseButton(dw.width() - 4 - 52 - 13, 13);
    const struct {
        const char* attempt;
        std::function<void()> act;
    } attempts[] = {
        {"move", [&] { dw.move(100, 80); }},
        {"caption drag",
         [&] {
             QTest::mousePress(&dw, Qt::LeftButton, {}, caption);
             QTest::mouseMove(&dw, caption + QPoint(70, 40));
             QTest::mouseRelease(&dw, Qt::LeftButton, {}, caption + QPoint(70, 40));
         }},
        {"maximise", [&] { dw.setWindowState(Qt::WindowMaximized); }},
        {"minimise", [&] { dw.setWindowState(Qt::WindowMinimized); }},
        {"caption double-click", [&] { QTest::mouseDClick(&dw, Qt::LeftButton, {}, caption); }},
        {"maximise button", [&] { QTest::mouseClick(&dw, Qt::LeftButton, {}, maximiseButton); }},
        {"minimise button", [&] { QTest::mouseClick(&dw, Qt::LeftButton, {}, minimiseButton); }},
    };
    for (const auto& a : attempts) {
        SCOPED_TRACE(a.attempt);
        a.act();
        QCoreApplication::processEvents();
        EXPECT_EQ(dw.pos(), QPoint(12, 12));
        EXPECT_EQ(dw.windowState(), Qt::WindowNoState);
        EXPECT_EQ(dw.size(), QSize(347, 250));
        EXPECT_TRUE(dw.isVisible());
    }
}

TEST_F(Workbench, DesignWindowRefusesToClose)
{
    DesignWindow& dw = designWindow();
    EXPECT_FALSE(dw.close());
    QTest::mouseClick(&dw, Qt::LeftButton, {}, QPoint(dw.width() - 4 - 13, 13));
    EXPECT_TRUE(dw.isVisible());
    EXPECT_EQ(dw.parentWidget(), window->shapeBox);
}

TEST_F(Workbench, DesignWindowResizesWithTheMouse)
{
    DesignWindow& dw = designWindow();
    int sizeChanges = 0;
    dw.onSizeChanged = [&] { ++sizeChanges; };
    const struct {
        QPoint grip;
        QPoint drag;
        QSize client;
    } cases[] = {
        {{346, 249}, {60, 30}, {400, 250}},  // corner
        {{399 + 7 - 1, 100}, {-100, 50}, {300, 250}},  // right edge: width only
        {{100, 279}, {40, -50}, {300, 200}},  // bottom edge: height only
    };
    for (const auto& c : cases) {
        QTest::mousePress(&dw, Qt::LeftButton, {}, c.grip);
        QTest::mouseMove(&dw, c.grip + c.drag);
        QTest::mouseRelease(&dw, Qt::LeftButton, {}, c.grip + c.drag);
        QCoreApplication::processEvents();
        EXPECT_EQ(dw.clientArea()->size(), c.client);
        EXPECT_EQ(dw.size(), c.client + QSize(7, 30));
        EXPECT_EQ(dw.pos(), QPoint(12, 12));
    }
    EXPECT_GE(sizeChanges, 3);
}

// --- scrolling -------------------------------------------------------------------

TEST_F(Workbench, ShapeBoxIsSizedFromTheScreen)
{
    EXPECT_EQ(window->shapeBox->size(), QSize(7 + 1920 + 30, 30 + 1080 + 30));
    EXPECT_EQ(window->horizontalScroll->maximum(), 1957 - 400);
    EXPECT_EQ(window->verticalScroll->maximum(), 1140 - 400);
}

TEST_F(Workbench, ScrollBarsMoveTheShapeBox)
{
    const struct {
        int horizontal;
        int vertical;
        QPoint shapeBox;
    } cases[] = {{50, 100, {138, -100}}, {0, 0, {188, 0}}, {1557, 740, {188 - 1557, -740}}};
    for (const auto& c : cases) {
        window->horizontalScroll->setValue(c.horizontal);
        window->verticalScroll->setValue(c.vertical);
        EXPECT_EQ(window->shapeBox->pos(), c.shapeBox);
    }
}

void turnWheel(QWidget* target, int angle)
{
    const QPointF at(30, 40);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

TEST_F(Workbench, WheelMovesTheShapeBoxTwentyFivePixelsPerNotch)
{
    QScrollBar* vertical = window->verticalScroll;
    const struct {
        QWidget* over;
        int start;
        int angle;
        int position;
    } cases[] = {
        {window->shapeBox, 0, -120, 25},                     // one notch towards the user
        {window->shapeBox, 100, -360, 175},                  // three notches
        {window->shapeBox, 100, 120, 75},                    // away from the user
        {window->shapeBox, 10, 240, 0},                      // kept within the range
        {window->shapeBox, 740, -120, 740},                  // at the maximum nothing changes
        {window->shapeBox, 100, -60, 100},                   // half a notch is dropped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.over->objectName().toStdString() << " from " << c.start << " by " << c.angle);
        vertical->setValue(c.start);
        turnWheel(c.over, c.angle);
        EXPECT_EQ(vertical->value(), c.position);
        EXPECT_EQ(window->shapeBox->y(), -c.position);
    }
}

TEST_F(Workbench, WheelOverTheDesignWindowScrollsToo)
{
    // A real wheel turn from the X server: only those travel up from the
    // design window to the shape box.
    const QPoint over = designWindow().clientArea()->mapToGlobal(QPoint(100, 100));
    const int turned = QProcess::execute(QStringLiteral("xdotool"),
                                         {QStringLiteral("mousemove"), QString::number(over.x()),
                                          QString::number(over.y()), QStringLiteral("click"), QStringLiteral("5")});
    ASSERT_EQ(turned, 0) << "xdotool failed";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->verticalScroll->value() == 25; }));
    EXPECT_EQ(window->shapeBox->y(), -25);
}

// --- main window size and splitters -----------------------------------------------

TEST_F(Workbench, ShrinkingBelowTheFloorSnapsBack)
{
    window->setOuterSize({700, 400});
    ASSERT_TRUE(settlesAt({800, 485}));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->toolbox->geometry(), QRect(643, 0, 141, 404));
    EXPECT_EQ(window->eventList->geometry(), QRect(1, 410, 178, 294));
    EXPECT_EQ(window->statusSection->width(), 430);
    EXPECT_EQ(window->statusBar->geometry(), QRect(0, 446 - 20, 784, 20));
}

TEST_F(Workbench, ResizingLaysTheWindowOut)
{
    window->setOuterSize({1500, 900});
    ASSERT_TRUE(settlesAt({1500, 900}));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->eventList->geometry(), QRect(1, 525, 178, 294));
    EXPECT_EQ(window->eventList->columnWidth(0), 179 - 26);
    EXPECT_EQ(window->toolbox->geometry(), QRect(1484 - 141, 0, 141, 861 - 42));
    EXPECT_EQ(window->codeView->geometry(), QRect(1, 22, 1482, 820));
}

void dragSplitter(SplitterBar* splitter, int dx, const std::function<void()>& beforeRelease = {})
{
    const QPoint grip(1, 200);
    QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
    QTest::mouseMove(splitter, grip + QPoint(dx, 0));
    if (beforeRelease)
        beforeRelease();
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, grip + QPoint(dx, 0));
}

TEST_F(Workbench, LeftSplitterMovesOnRelease)
{
    SplitterBar* splitter = window->leftSplitter;
    const QRect shapeBox = window->shapeBox->geometry();
    dragSplitter(splitter, 120, [&] { EXPECT_EQ(splitter->x(), 180) << "moved before the release"; });
    EXPECT_EQ(splitter->x(), 300);
    EXPECT_EQ(window->sheet->width(), 299);
    EXPECT_EQ(window->selector->width(), 301);
    EXPECT_EQ(window->eventList->width(), 298);
    EXPECT_EQ(window->sheet->columnWidth(1), 236);
    EXPECT_EQ(window->shapeBox->geometry(), shapeBox.translated(120, 0));
    EXPECT_EQ(window->horizontalScroll->x(), 301);

    dragSplitter(splitter, 1000);  // right splitter at 930: stops 400 short of it
    EXPECT_EQ(splitter->x(), 530);
    dragSplitter(splitter, -1000);  // sheet would vanish: stops at 178
    EXPECT_EQ(splitter->x(), 178);
    EXPECT_EQ(window->sheet->width(), 177);
}

TEST_F(Workbench, RightSplitterMovesOnRelease)
{
    SplitterBar* splitter = window->rightSplitter;
    ASSERT_EQ(splitter->x(), 930);
    dragSplitter(splitter, -130, [&] { EXPECT_EQ(splitter->x(), 930) << "moved before the release"; });
    EXPECT_EQ(window->toolbox->geometry(), QRect(802, 0, 271, 704));
    EXPECT_EQ(window->verticalScroll->x(), 786);
    EXPECT_EQ(splitter->x(), 801);

    // The splitter now stands 15 right of the vertical scroll bar, not 14 as
    // after a resize, so the clamps leave it exactly on their positions.
    dragSplitter(splitter, -1000);  // within 400 of the left splitter at 180
    EXPECT_EQ(splitter->x(), 580);
    dragSplitter(splitter, 1000);  // toolbox would vanish: W - 162
    EXPECT_EQ(splitter->x(), 927);
    EXPECT_EQ(window->toolbox->width(), 145);
}

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    char name[] = "workbench_tests";
    char* qtArgv[] = {name, nullptr};
    QApplication application(qtArgc, qtArgv);
    return RUN_ALL_TESTS();
}
