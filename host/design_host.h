#pragma once

#include "document/component_kind.h"
#include "host/design_reader.h"

#include <functional>
#include <string>
#include <string_view>

enum class PointerShape { Arrow, SizeWE, SizeNS, SizeNWSE, SizeNESW };
enum class LabelBorder { None, SingleLine };

// Device key values of the keyboard-and-mouse input reports.
namespace deviceKey {
inline constexpr int leftButton = 256;
inline constexpr int rightButton = 257;
inline constexpr int deleteKey = 151;
}  // namespace deviceKey

// Button and key states of the input reports.
namespace deviceState {
inline constexpr int released = 1;
inline constexpr int pressed = 2;
inline constexpr int held = 3;
}  // namespace deviceState

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The GUI toolkit as the tool's logic sees it. The logic names controls by
// ControlRef and the main window's controls by their Chinese names; the host
// maps both onto real widgets.
class DesignHost : public DesignReader {
public:
    // Named controls of the main window and the design window.
    virtual ControlRef control(std::string_view name) const = 0;
    virtual ControlRef designWindow() const = 0;

    // Copy a template control into a new control on the same window.
    virtual ControlRef copyControl(ControlRef templateControl) = 0;

    // Geometry: any of left, top, width, height; relative to the parent.
    virtual void move(ControlRef control, Rect bounds) = 0;
    virtual Size clientSize(ControlRef control) const = 0;
    virtual void focus(ControlRef control) = 0;

    virtual void setTag(ControlRef control, std::string_view tag) = 0;
    virtual void setVisible(ControlRef control, bool visible) = 0;
    virtual void setDisabled(ControlRef control, bool disabled) = 0;
    virtual void setCaption(ControlRef control, std::string_view caption) = 0;
    virtual void setFont(ControlRef control, std::string_view name, int pointSize) = 0;
    virtual void setLabelBorder(ControlRef control, LabelBorder border) = 0;
    virtual void setWhiteBackground(ControlRef control, bool white) = 0;
    virtual void setChecked(ControlRef control, bool checked) = 0;
    virtual void setMultiline(ControlRef control, bool multiline) = 0;
    virtual void setScrollBars(ControlRef control, ScrollBarSetting setting) = 0;
    virtual void setAlignment(ControlRef control, TextAlignment alignment) = 0;
    virtual void setPassword(ControlRef control, bool password) = 0;
    virtual void setReadOnly(ControlRef control, bool readOnly) = 0;

    // Combo box (the component selector). Setting the index raises no event.
    virtual void comboAddItem(ControlRef combo, std::string_view text, int value) = 0;
    virtual void comboDeleteItem(ControlRef combo, int index) = 0;
    virtual int comboCount(ControlRef combo) const = 0;
    virtual std::string comboText(ControlRef combo, int index) const = 0;
    virtual int comboValue(ControlRef combo, int index) const = 0;
    virtual void comboSetText(ControlRef combo, int index, std::string_view text) = 0;
    virtual int comboCurrent(ControlRef combo) const = 0;
    virtual void comboSetCurrent(ControlRef combo, int index) = 0;

    // Toolbox, tab control, scroll bars, status bar.
    virtual int currentTool() const = 0;
    virtual void setCurrentTool(int index) = 0;
    virtual void setCurrentPage(int page) = 0;
    virtual int scrollPosition(ControlRef scrollBar) const = 0;
    virtual void setScrollPosition(ControlRef scrollBar, int position) = 0;
    virtual void setScrollMaximum(ControlRef scrollBar, int maximum) = 0;
    virtual void setStatusText(std::string_view text) = 0;
    virtual void setStatusSectionWidth(int width) = 0;

    // Windows.
    virtual Size windowOuterSize(ControlRef window) const = 0;
    virtual void setWindowOuterSize(ControlRef window, Size size) = 0;
    virtual void setWindowCaption(ControlRef window, std::string_view caption) = 0;
    virtual void suspendRedraw(ControlRef window) = 0;
    virtual void resumeRedraw(ControlRef window) = 0;

    // Native side: pointer, screen and the control under the pointer.
    virtual Point pointerPosition() const = 0;
    virtual Size screenSize() const = 0;
    virtual ControlRef controlAtPointer() const = 0;
    virtual Rect screenRect(ControlRef control) const = 0;
    virtual Point screenToClient(ControlRef control, Point screenPoint) const = 0;
    virtual void setPointerShape(ControlRef control, PointerShape shape) = 0;

    // Keep dispatching events for this many milliseconds.
    virtual void waitDispatching(int milliseconds) = 0;
};
