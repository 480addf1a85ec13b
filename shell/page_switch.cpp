#include "shell/page_switch.h"

#include "codegen/generate_program.h"
#include "host/qt_design_host.h"
#include "shell/code_view.h"
#include "shell/main_window.h"
#include "shell/toolbox.h"

#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>

namespace {

// Where the code view waits while another page is shown.
constexpr int codeViewParkedLeft = 1921;

void colourButtons(PageButton* shown, PageButton* other1, PageButton* other2)
{
    shown->setColours(shownButtonColours());
    other1->setColours(otherButtonColours());
    other2->setColours(otherButtonColours());
}

void parkCodeView(CodeView* view)
{
    view->hide();
    view->move(codeViewParkedLeft, view->y());
}

void setDesignControlsEnabled(MainWindow& w, bool enabled)
{
    w.toolbox->setEnabled(enabled);
    w.selector->setEnabled(enabled);
    w.sheet->setEnabled(enabled);
}

void setStatusHint(MainWindow& w, const char* hint)
{
    w.statusSection->setText(QString::fromUtf8(hint));
}

}  // namespace

PageButton::Colours shownButtonColours()
{
    const PageButton::ColourPair highlight{QColor(255, 255, 255), QColor(0, 122, 204)};
    return {highlight, highlight, highlight};
}

PageButton::Colours otherButtonColours()
{
    const QColor grey(128, 128, 128);
    return {PageButton::ColourPair{grey, QColor(240, 240, 240)}, PageButton::ColourPair{grey, QColor(231, 231, 231)},
            PageButton::ColourPair{grey, QColor(240, 240, 240)}};
}

void showDefaultHint(MainWindow& w)
{
    setStatusHint(w, defaultHint);
}

void switchPage(MainWindow& w, int page)
{
    switch (page) {
    case 1:
        w.pageControl->setCurrentIndex(0);
        setDesignControlsEnabled(w, true);
        parkCodeView(w.codeView);
        colourButtons(w.windowButton, w.codeButton, w.aboutButton);
        showDefaultHint(w);
        break;
    case 2:
        w.codeView->move(0, 22);
        w.codeView->show();
        w.codeView->raise();
        w.statusBar->raise();
        colourButtons(w.codeButton, w.aboutButton, w.windowButton);
        if (w.host)
            w.codeView->putProgram(generateProgram(w.document, *w.host));
        setStatusHint(w, codeHint);
        break;
    case 3:
        parkCodeView(w.codeView);
        w.pageControl->setCurrentIndex(2);
        colourButtons(w.aboutButton, w.windowButton, w.codeButton);
        showDefaultHint(w);
        break;
    default:
        break;
    }
}
