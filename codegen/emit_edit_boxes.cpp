#include "codegen/code_text.h"
#include "codegen/emitters.h"
#include "codegen/python_literal.h"
#include "document/vocabulary.h"

namespace {

constexpr int barThickness = 18;

bool isDisabled(const ComponentRecord& record) { return vocabulary::isYes(record.disabled); }
bool isReadOnly(const ComponentRecord& record) { return record.inputMode == vocabulary::inputReadOnly; }

std::string_view entryStateOption(const ComponentRecord& record)
{
    if (isDisabled(record))
        return ",state='disabled'";
    if (isReadOnly(record))
        return ",state='readonly'";
    return "";
}

std::string_view justifyOption(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Left: return ",justify=tk.LEFT";
    case TextAlignment::Center: return ",justify=tk.CENTER";
    case TextAlignment::Right: break;
    }
    return ",justify=tk.RIGHT";
}

void emitEntry(const GenerationInput& input, CodeText& body, ControlRef control, const ComponentRecord& record)
{
    const std::string& name = record.name;
    appendLine(body, {"self.", name, "_内容 = tk.StringVar()"});
    appendLine(body, {"self.", name, "_内容.set('", pythonQuoted(input.host.caption(control)), "')"});
    appendLine(body, {"self.", name, " = tk.Entry(self.", input.document.windowName, ",textvariable=self.", name,
                      "_内容", entryStateOption(record), input.host.isPassword(control) ? ",show='*'" : "",
                      justifyOption(input.host.alignment(control)), fontOption(input, control)});
    const Rect r = input.host.bounds(control);
    appendPlaceLine(body, name, r.left, r.top, r.width, r.height);
}

// A text area with its scroll bars laid over the bottom and right edges of
// the box; the text gives up the bar's thickness on each side with a bar.
// Tk ignores insert on a disabled Text and has no read-only state, so the
// content goes in first and the area is disabled afterwards.
void emitTextArea(const GenerationInput& input, CodeText& body, ControlRef control, const ComponentRecord& record)
{
    const std::string& name = record.name;
    const std::string& window = input.document.windowName;
    const ScrollBarSetting bars = input.host.scrollBars(control);
    const bool horizontal = bars == ScrollBarSetting::Horizontal || bars == ScrollBarSetting::Both;
    const bool vertical = bars == ScrollBarSetting::Vertical || bars == ScrollBarSetting::Both;
    const Rect r = input.host.bounds(control);

    if (horizontal) {
        appendLine(body, {"self.", name, "_滚动条_横 = tk.Scrollbar(self.", window, ",orient=tk.HORIZONTAL)"});
        appendPlaceLine(body, name + "_滚动条_横", r.left, r.top + r.height - barThickness, r.width, barThickness);
    }
    if (vertical) {
        appendLine(body, {"self.", name, "_滚动条_纵 = tk.Scrollbar(self.", window, ")"});
        appendPlaceLine(body, name + "_滚动条_纵", r.left + r.width - barThickness, r.top, barThickness, r.height);
    }
    std::string scrollOptions;
    if (vertical)
        appendRaw(scrollOptions, {",yscrollcommand=self.", name, "_滚动条_纵.set"});
    if (horizontal)
        appendRaw(scrollOptions, {",xscrollcommand=self.", name, "_滚动条_横.set"});
    appendLine(body, {"self.", name, " = tk.Text(self.", window, scrollOptions, ",wrap=tk.NONE",
                      fontOption(input, control)});
    if (vertical)
        appendLine(body, {"self.", name, "_滚动条_纵.config(command=self.", name, ".yview)"});
    if (horizontal)
        appendLine(body, {"self.", name, "_滚动条_横.config(command=self.", name, ".xview)"});
    appendLine(body, {"self.", name, ".insert(tk.END,'", pythonQuoted(input.host.caption(control)), "')"});
    if (isDisabled(record) || isReadOnly(record))
        appendLine(body, {"self.", name, ".config(state='disabled')"});
    appendPlaceLine(body, name, r.left, r.top, vertical ? r.width - barThickness : r.width,
                    horizontal ? r.height - barThickness : r.height);
}

}  // namespace

void emitEditBoxes(const GenerationInput& input, CodeText& body, CodeText& methods)
{
    forEachShown(input, ComponentKind::EditBox, [&](ControlRef control, const ComponentRecord& record) {
        if (input.host.isMultiline(control))
            emitTextArea(input, body, control, record);
        else
            emitEntry(input, body, control, record);
        emitEvents(record.name, body, methods, record.events);
        emitClickBinding(record.name, body, record.events);
        appendLine(body, "");
    });
}
