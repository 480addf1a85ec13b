#pragma once

#include <QPointer>

#include <string>
#include <unordered_map>

#include "host/design_host.h"

class QWidget;

// DesignHost on Qt widgets. A ControlRef holds the QWidget itself. Design
// controls are the direct children of the design window's client area and
// carry their tag in the dynamic property "tag".
class QtDesignHost final : public DesignHost {
public:
    // mainFrame: what the main window's frame adds to its client size, so
    // that outer sizes mean the same on every window manager.
    QtDesignHost(QWidget* mainWindow, QWidget* designWindow, QWidget* designClient, Size mainFrame);

    // DesignReader
    ControlRef findByTag(std::string_view tag) const override;
    std::string tag(ControlRef control) const override;
    bool isVisible(ControlRef control) const override;
    std::string caption(ControlRef control) const override;
    Rect bounds(ControlRef control) const override;
    std::string fontName(ControlRef control) const override;
    int fontSize(ControlRef control) const override;
    bool isMultiline(ControlRef control) const override;
    ScrollBarSetting scrollBars(ControlRef control) const override;
    TextAlignment alignment(ControlRef control) const override;
    bool isPassword(ControlRef control) const override;
    bool isChecked(ControlRef control) const override;
    std::string designWindowCaption() const override;
    Size designWindowOuterSize() const override;

    // DesignHost
    ControlRef control(std::string_view name) const override;
    ControlRef designWindow() const override;
    ControlRef copyControl(ControlRef templateControl) override;
    void move(ControlRef control, Rect bounds) override;
    Size clientSize(ControlRef control) const override;
    void focus(ControlRef control) override;
    void setTag(ControlRef control, std::string_view tag) override;
    void setVisible(ControlRef control, bool visible) override;
    void setDisabled(ControlRef control, bool disabled) override;
    void setCaption(ControlRef control, std::string_view caption) override;
    void setFont(ControlRef control, std::string_view name, int pointSize) override;
    void setLabelBorder(ControlRef control, LabelBorder border) override;
    void setWhiteBackground(ControlRef control, bool white) override;
    void setChecked(ControlRef control, bool checked) override;
    void setMultiline(ControlRef control, bool multiline) override;
    void setScrollBars(ControlRef control, ScrollBarSetting setting) override;
    void setAlignment(ControlRef control, TextAlignment alignment) override;
    void setPassword(ControlRef control, bool password) override;
    void setReadOnly(ControlRef control, bool readOnly) override;
    void comboAddItem(ControlRef combo, std::string_view text, int value) override;
    void comboDeleteItem(ControlRef combo, int index) override;
    int comboCount(ControlRef combo) const override;
    std::string comboText(ControlRef combo, int index) const override;
    int comboValue(ControlRef combo, int index) const override;
    void comboSetText(ControlRef combo, int index, std::string_view text) override;
    int comboCurrent(ControlRef combo) const override;
    void comboSetCurrent(ControlRef combo, int index) override;
    int currentTool() const override;
    void setCurrentTool(int index) override;
    void setCurrentPage(int page) override;
    int scrollPosition(ControlRef scrollBar) const override;
    void setScrollPosition(ControlRef scrollBar, int position) override;
    void setScrollMaximum(ControlRef scrollBar, int maximum) override;
    void setStatusText(std::string_view text) override;
    void setStatusSectionWidth(int width) override;
    Size windowOuterSize(ControlRef window) const override;
    void setWindowOuterSize(ControlRef window, Size size) override;
    void setWindowCaption(ControlRef window, std::string_view caption) override;
    void suspendRedraw(ControlRef window) override;
    void resumeRedraw(ControlRef window) override;
    Point pointerPosition() const override;
    Size screenSize() const override;
    ControlRef controlAtPointer() const override;
    Rect screenRect(ControlRef control) const override;
    Point screenToClient(ControlRef control, Point screenPoint) const override;
    void setPointerShape(ControlRef control, PointerShape shape) override;
    void waitDispatching(int milliseconds) override;

private:
    // What the window manager's frame adds to this window, if it is the main window.
    Size frameOf(const QWidget* window) const;

    QWidget* mainWindow_;
    QWidget* designWindow_;
    QWidget* designClient_;
    Size mainFrame_;
    // Tags are written only through setTag; the index keeps finding a
    // control by its tag constant-time, so generating a large design stays
    // linear in its size.
    std::unordered_map<std::string, QPointer<QWidget>> taggedControls_;
};
