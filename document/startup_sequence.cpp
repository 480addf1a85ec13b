#include "document/startup_sequence.h"

#include "document/design_document.h"
#include "shell/code_view.h"
#include "shell/main_layout.h"
#include "shell/main_window.h"
#include "shell/page_switch.h"
#include "shell/splitter_bar.h"
#include "shell/toolbox.h"
#include "surface/design_area.h"
#include "surface/design_window.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTableWidget>

namespace {

Size screenSize()
{
    const QSize size = QGuiApplication::primaryScreen()->size();
    return {size.width(), size.height()};
}

}  // namespace

void runStartupSequence(MainWindow& window)
{
    window.setOuterSize({window.outerSize().width, 785});

    // The design window is made on its own and then moves into the shape box.
    auto* designWindow = new DesignWindow;
    const DesignArea area{window.shapeBox, window.horizontalScroll, window.verticalScroll};
    embedDesignWindow(*designWindow, area, screenSize());
    connectDesignScrolling(area);
    window.attachDesignWindow(designWindow);

    window.toolbox->setToolIcons();

    window.topSplitter->resize(window.outerSize().width - 15, window.topSplitter->height());
    const int columnHeight = window.selector->height() + window.sheet->height();
    window.leftSplitter->resize(window.leftSplitter->width(), columnHeight);
    window.rightSplitter->resize(window.rightSplitter->width(), columnHeight);

    window.toolbox->setCurrentTool(0);
    setInitialWindowProperties(window.document);

    window.sizeLimitHook(trackingLimits(window.outerSize(), screenSize()));

    window.codeView->setUpCodeView();
    showDefaultHint(window);
}
