#pragma once

#include "host/design_reader.h"
#include "shell/main_layout.h"

#include <QWidget>

#include <memory>

struct DesignDocument;
class CodeView;
class DesignWindow;
class PageButton;
class QtDesignHost;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QScrollBar;
class QStackedWidget;
class QStatusBar;
class QTableWidget;
class QTreeWidget;
class ShapeBox;
class SplitterBar;
class Toolbox;

// The tool's main window with every control on it, placed where it was
// designed; each control carries its Chinese name as its object name. The
// start-up sequence then brings the design window and the rest to life.
class MainWindow final : public QWidget {
public:
    explicit MainWindow(DesignDocument& document);
    ~MainWindow() override;

    DesignDocument& document;

    PageButton* windowButton;   // 窗口按钮
    PageButton* codeButton;     // 代码按钮
    PageButton* aboutButton;    // 关于按钮
    SplitterBar* topSplitter;   // 分隔条_顶
    QStackedWidget* pageControl;  // 选择夹
    CodeView* codeView;         // 代码编辑框
    QStatusBar* statusBar;      // 状态条1
    QLabel* statusSection;      // its section 1

    // The design page.
    QComboBox* selector;        // 组件框
    QTableWidget* sheet;        // 高级表格
    QTreeWidget* eventList;     // 超级列表框1
    SplitterBar* leftSplitter;  // 分隔条_左
    ShapeBox* shapeBox;         // 外形框
    QScrollBar* horizontalScroll;  // 横向滚动条
    QScrollBar* verticalScroll;    // 纵向滚动条
    QLabel* filler;             // 标签_填充
    SplitterBar* rightSplitter; // 分隔条_右
    Toolbox* toolbox;           // 卷帘式菜单

    // The about page.
    QPlainTextEdit* aboutBox;   // 编辑框_说明

    // Set by the start-up sequence once the design window is embedded.
    DesignWindow* designWindow = nullptr;
    std::unique_ptr<QtDesignHost> host;
    void attachDesignWindow(DesignWindow* window);

    Size outerSize() const;
    void setOuterSize(Size outer);

    // The rectangles the layout rules work on, as the widgets hold them now,
    // and writing them back.
    WorkbenchGeometry geometryNow() const;
    void applyGeometry(const WorkbenchGeometry& geometry);

    // Keeps the user from tracking the window outside these outer sizes.
    void sizeLimitHook(const SizeLimits& limits);

    // The size-change handler: the floor, then the layout rules.
    void layoutMainWindow();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildDesignPage(QWidget* page);
    void splitterDragged(SplitterBar* splitter, int before, int after);
};
