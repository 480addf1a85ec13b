#include "shell/main_window.h"

#include "host/qt_design_host.h"
#include "shell/about_text.h"
#include "shell/code_view.h"
#include "shell/page_button.h"
#include "shell/page_switch.h"
#include "shell/splitter_bar.h"
#include "shell/toolbox.h"
#include "surface/design_window.h"
#include "surface/shape_box.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>

#include <array>

namespace {

QRect toQRect(Rect r)
{
    return {r.left, r.top, r.width, r.height};
}

Rect toRect(const QRect& r)
{
    return {r.left(), r.top(), r.width(), r.height()};
}

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

constexpr std::array<const char*, 16> eventRows = {
    "鼠标左键单击", "鼠标左键按下", "鼠标左键放开", "鼠标左键双击", "鼠标右键按下", "鼠标右键放开",
    "鼠标右键双击", "按下某键",     "放开某键",     "获得焦点",     "失去焦点",     "尺寸被改变",
    "鼠标进入组件", "鼠标离开组件", "鼠标在组件上移动", "鼠标滚轮被滚动"};

}  // namespace

MainWindow::MainWindow(DesignDocument& designDocument) : document(designDocument)
{
    setWindowTitle(QStringLiteral("Quillform  2.0"));

    windowButton = named(new PageButton(QStringLiteral("窗口"), this), "窗口按钮");
    codeButton = named(new PageButton(QStringLiteral("代码"), this), "代码按钮");
    aboutButton = named(new PageButton(QStringLiteral("关于"), this), "关于按钮");
    topSplitter = named(new SplitterBar(this, false), "分隔条_顶");
    pageControl = named(new QStackedWidget(this), "选择夹");

    auto* designPage = named(new QWidget, "窗口");
    auto* codePage = named(new QWidget, "代码");
    auto* aboutPage = named(new QWidget, "关于");
    pageControl->addWidget(designPage);
    pageControl->addWidget(codePage);
    pageControl->addWidget(aboutPage);
    buildDesignPage(designPage);

    aboutBox = named(new QPlainTextEdit(aboutPage), "编辑框_说明");
    aboutBox->setReadOnly(true);
    aboutBox->setPlainText(QString::fromUtf8(aboutText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    aboutBox->setGeometry(376, 249, 448, 312);

    // Designed hidden: the tool starts on the design page.
    codeView = named(new CodeView(this), "代码编辑框");
    codeView->hide();

    statusBar = named(new QStatusBar(this), "状态条1");
    statusSection = new QLabel(statusBar);
    statusBar->addWidget(statusSection);
    statusBar->setSizeGripEnabled(false);
    // The page control reaches under it; nothing of the page may show through.
    statusBar->setAutoFillBackground(true);
    codeView->onCopied = [this] { statusSection->setText(QString::fromUtf8(copiedHint)); };

    const WorkbenchGeometry designed = designedGeometry();
    applyGeometry(designed);
    codeButton->setGeometry(79, 0, 80, 21);
    aboutButton->setGeometry(159, 0, 80, 21);
    statusBar->setGeometry(0, 587, 1033, 20);

    windowButton->setColours(shownButtonColours());
    codeButton->setColours(otherButtonColours());
    aboutButton->setColours(otherButtonColours());
    QObject::connect(windowButton, &QAbstractButton::clicked, this, [this] { switchPage(*this, 1); });
    QObject::connect(codeButton, &QAbstractButton::clicked, this, [this] { switchPage(*this, 2); });
    QObject::connect(aboutButton, &QAbstractButton::clicked, this, [this] { switchPage(*this, 3); });

    move(50, 50);
    const Size client = clientFromOuter({1089, 630});
    resize(client.width, client.height);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildDesignPage(QWidget* page)
{
    // Created first, so it lies beneath everything it is scrolled under.
    shapeBox = new ShapeBox(page);

    selector = named(new QComboBox(page), "组件框");

    sheet = named(new QTableWidget(page), "高级表格");
    sheet->setColumnCount(2);
    sheet->horizontalHeader()->hide();
    sheet->verticalHeader()->hide();
    sheet->setColumnWidth(0, 60);

    eventList = named(new QTreeWidget(page), "超级列表框1");
    eventList->setColumnCount(1);
    eventList->setHeaderLabels({QStringLiteral("欲绑定的事件")});
    eventList->setRootIsDecorated(false);
    eventList->header()->setStretchLastSection(false);
    for (const char* row : eventRows) {
        auto* item = new QTreeWidgetItem(eventList, {QString::fromUtf8(row)});
        item->setCheckState(0, Qt::Unchecked);
    }

    leftSplitter = named(new SplitterBar(page, true), "分隔条_左");
    horizontalScroll = named(new QScrollBar(Qt::Horizontal, page), "横向滚动条");
    verticalScroll = named(new QScrollBar(Qt::Vertical, page), "纵向滚动条");
    filler = named(new QLabel(page), "标签_填充");
    filler->setAutoFillBackground(true);
    rightSplitter = named(new SplitterBar(page, true), "分隔条_右");
    toolbox = named(new Toolbox(page), "卷帘式菜单");

    leftSplitter->onDragged = [this](int before, int after) { splitterDragged(leftSplitter, before, after); };
    rightSplitter->onDragged = [this](int before, int after) { splitterDragged(rightSplitter, before, after); };
}

void MainWindow::attachDesignWindow(DesignWindow* window)
{
    designWindow = window;
    host = std::make_unique<QtDesignHost>(this, window, window->clientArea(), mainFrameAllowance);
}

Size MainWindow::outerSize() const
{
    return outerFromClient({width(), height()});
}

void MainWindow::setOuterSize(Size outer)
{
    const Size client = clientFromOuter(outer);
    resize(client.width, client.height);
}

WorkbenchGeometry MainWindow::geometryNow() const
{
    WorkbenchGeometry g;
    g.windowButton = toRect(windowButton->geometry());
    g.topSplitter = toRect(topSplitter->geometry());
    g.pageControl = toRect(pageControl->geometry());
    g.codeView = toRect(codeView->geometry());
    g.selector = toRect(selector->geometry());
    g.sheet = toRect(sheet->geometry());
    g.eventList = toRect(eventList->geometry());
    g.leftSplitter = toRect(leftSplitter->geometry());
    g.shapeBox = toRect(shapeBox->geometry());
    g.horizontalScroll = toRect(horizontalScroll->geometry());
    g.verticalScroll = toRect(verticalScroll->geometry());
    g.filler = toRect(filler->geometry());
    g.rightSplitter = toRect(rightSplitter->geometry());
    g.toolbox = toRect(toolbox->geometry());
    g.sheetValueColumnWidth = sheet->columnWidth(1);
    g.eventColumnWidth = eventList->columnWidth(0);
    g.statusSectionWidth = statusSection->width();
    return g;
}

void MainWindow::applyGeometry(const WorkbenchGeometry& g)
{
    windowButton->setGeometry(toQRect(g.windowButton));
    topSplitter->setGeometry(toQRect(g.topSplitter));
    pageControl->setGeometry(toQRect(g.pageControl));
    codeView->setGeometry(toQRect(g.codeView));
    selector->setGeometry(toQRect(g.selector));
    sheet->setGeometry(toQRect(g.sheet));
    eventList->setGeometry(toQRect(g.eventList));
    leftSplitter->setGeometry(toQRect(g.leftSplitter));
    shapeBox->setGeometry(toQRect(g.shapeBox));
    horizontalScroll->setGeometry(toQRect(g.horizontalScroll));
    verticalScroll->setGeometry(toQRect(g.verticalScroll));
    filler->setGeometry(toQRect(g.filler));
    rightSplitter->setGeometry(toQRect(g.rightSplitter));
    toolbox->setGeometry(toQRect(g.toolbox));
    sheet->setColumnWidth(1, g.sheetValueColumnWidth);
    eventList->setColumnWidth(0, g.eventColumnWidth);
    statusSection->setFixedWidth(g.statusSectionWidth);
}

void MainWindow::sizeLimitHook(const SizeLimits& limits)
{
    const Size minimum = clientFromOuter(limits.minimum);
    const Size maximum = clientFromOuter(limits.maximum);
    setMinimumSize(minimum.width, minimum.height);
    setMaximumSize(maximum.width, maximum.height);
}

void MainWindow::layoutMainWindow()
{
    const Size outer = flooredOuterSize(outerSize());
    if (outer != outerSize())
        setOuterSize(outer);
    const Size client = clientFromOuter(outer);

    setUpdatesEnabled(false);
    WorkbenchGeometry g = geometryNow();
    ::layoutMainWindow(g, outer, client);
    applyGeometry(g);
    // The status bar docks at the bottom by itself, as status bars do.
    statusBar->setGeometry(0, client.height - 20, client.width, 20);
    statusBar->raise();
    setUpdatesEnabled(true);
    update();
}

void MainWindow::resizeEvent(QResizeEvent*)
{
    layoutMainWindow();
}

void MainWindow::splitterDragged(SplitterBar* splitter, int before, int after)
{
    setUpdatesEnabled(false);
    WorkbenchGeometry g = geometryNow();
    if (splitter == leftSplitter)
        onLeftSplitterDragged(g, before, after, outerSize().height);
    else
        onRightSplitterDragged(g, before, after, outerSize().width);
    applyGeometry(g);
    setUpdatesEnabled(true);
    update();
}
