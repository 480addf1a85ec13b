#pragma once

#include "host/control_ref.h"

#include <string>
#include <string_view>

enum class ScrollBarSetting { None, Horizontal, Vertical, Both };
enum class TextAlignment { Left, Center, Right };

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// The read side of the design host: what the code generator asks of the live
// design controls and of the design window. Every value is read afresh on
// each call; nothing is cached by the caller.
class DesignReader {
public:
    virtual ~DesignReader() = default;

    // The design control whose tag equals the text; a null ref when none has it.
    virtual ControlRef findByTag(std::string_view tag) const = 0;
    virtual std::string tag(ControlRef control) const = 0;
    virtual bool isVisible(ControlRef control) const = 0;
    // The caption, or for an edit box its content.
    virtual std::string caption(ControlRef control) const = 0;
    // Left, top, width and height in the design window's client pixels.
    virtual Rect bounds(ControlRef control) const = 0;
    virtual std::string fontName(ControlRef control) const = 0;
    virtual int fontSize(ControlRef control) const = 0;
    virtual bool isMultiline(ControlRef control) const = 0;
    virtual ScrollBarSetting scrollBars(ControlRef control) const = 0;
    virtual TextAlignment alignment(ControlRef control) const = 0;
    virtual bool isPassword(ControlRef control) const = 0;
    virtual bool isChecked(ControlRef control) const = 0;

    virtual std::string designWindowCaption() const = 0;
    // Frame and title bar included.
    virtual Size designWindowOuterSize() const = 0;
};
