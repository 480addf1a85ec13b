#include "codegen/code_text.h"
#include "codegen/emitters.h"
#include "codegen/python_literal.h"

// Radio buttons and check boxes: Tk draws their indicator left of the text,
// so both are placed 13 pixels further left than the design control.
namespace {

constexpr int indicatorShift = 13;

void appendShiftedPlaceLine(const GenerationInput& input, CodeText& body, const std::string& name,
                            ControlRef control)
{
    const Rect r = input.host.bounds(control);
    appendPlaceLine(body, name, r.left - indicatorShift, r.top, r.width, r.height);
}

}  // namespace

void emitRadioButtons(const GenerationInput& input, CodeText& body, CodeText& methods)
{
    const std::string& window = input.document.windowName;
    bool groupWritten = false;
    forEachShown(input, ComponentKind::RadioButton, [&](ControlRef control, const ComponentRecord& record) {
        const std::string& name = record.name;
        const std::string value = pythonQuoted(name);
        if (!groupWritten) {
            appendLine(body, "self.单选框选中变量 = tk.IntVar()");
            groupWritten = true;
        }
        if (input.host.isChecked(control))
            appendLine(body, {"self.单选框选中变量.set('", value, "')"});
        appendCaptionVariable(input, body, name, control);
        appendLine(body, {"self.", name, " = tk.Radiobutton(self.", window, ",textvariable=self.", name, "_标题",
                          commandOption(name, record.events), disabledOption(record),
                          ",variable=self.单选框选中变量,value='", value, "'", fontOption(input, control)});
        emitEvents(name, body, methods, record.events);
        appendShiftedPlaceLine(input, body, name, control);
        appendLine(body, "");
    });
}

void emitCheckBoxes(const GenerationInput& input, CodeText& body, CodeText& methods)
{
    const std::string& window = input.document.windowName;
    forEachShown(input, ComponentKind::CheckBox, [&](ControlRef control, const ComponentRecord& record) {
        const std::string& name = record.name;
        appendLine(body, {"self.", name, "_是否选中 = tk.IntVar()"});
        appendLine(body, {"self.", name, "_是否选中.set(", input.host.isChecked(control) ? "1" : "0", ")"});
        appendCaptionVariable(input, body, name, control);
        appendLine(body, {"self.", name, " = tk.Checkbutton(self.", window, ",textvariable=self.", name, "_标题",
                          commandOption(name, record.events), disabledOption(record), ",variable=self.", name,
                          "_是否选中,onvalue=1,offvalue=0", fontOption(input, control)});
        emitEvents(name, body, methods, record.events);
        appendShiftedPlaceLine(input, body, name, control);
        appendLine(body, "");
    });
}
