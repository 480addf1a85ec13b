#pragma once

#include "host/design_reader.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// Live state of one design control held in memory, for generating a program
// without a GUI (the command-line generator, tests and benchmarks).
struct MemoryControl {
    std::string tag;
    bool visible = true;
    std::string caption;
    Rect bounds;
    std::string fontName = "微软雅黑";
    int fontSize = 9;
    bool multiline = false;
    ScrollBarSetting scrollBars = ScrollBarSetting::None;
    TextAlignment alignment = TextAlignment::Left;
    bool password = false;
    bool checked = false;
};

class MemoryHost final : public DesignReader {
public:
    std::string windowCaption = "Quillform_DesignWindow";
    Size windowOuterSize{347, 250};

    // Adds a control; its tag must be unique among the controls added.
    void addControl(MemoryControl control);
    std::size_t controlCount() const { return controls_.size(); }

    ControlRef findByTag(std::string_view tag) const override;
    std::string tag(ControlRef control) const override { return at(control).tag; }
    bool isVisible(ControlRef control) const override { return at(control).visible; }
    std::string caption(ControlRef control) const override { return at(control).caption; }
    Rect bounds(ControlRef control) const override { return at(control).bounds; }
    std::string fontName(ControlRef control) const override { return at(control).fontName; }
    int fontSize(ControlRef control) const override { return at(control).fontSize; }
    bool isMultiline(ControlRef control) const override { return at(control).multiline; }
    ScrollBarSetting scrollBars(ControlRef control) const override { return at(control).scrollBars; }
    TextAlignment alignment(ControlRef control) const override { return at(control).alignment; }
    bool isPassword(ControlRef control) const override { return at(control).password; }
    bool isChecked(ControlRef control) const override { return at(control).checked; }
    std::string designWindowCaption() const override { return windowCaption; }
    Size designWindowOuterSize() const override { return windowOuterSize; }

private:
    static const MemoryControl& at(ControlRef control) { return *static_cast<const MemoryControl*>(control.id); }

    // Stable addresses: a ControlRef points at the element itself.
    std::vector<std::unique_ptr<MemoryControl>> controls_;
    std::unordered_map<std::string, const MemoryControl*> byTag_;
};
