#include "codegen/code_text.h"
#include "codegen/emitters.h"

void emitButtons(const GenerationInput& input, CodeText& body, CodeText& methods)
{
    const std::string& window = input.document.windowName;
    forEachShown(input, ComponentKind::Button, [&](ControlRef control, const ComponentRecord& record) {
        const std::string& name = record.name;
        appendCaptionVariable(input, body, name, control);
        appendLine(body, {"self.", name, " = tk.Button(self.", window, ",textvariable=self.", name, "_标题",
                          disabledOption(record), commandOption(name, record.events), fontOption(input, control)});
        emitEvents(name, body, methods, record.events);
        const Rect r = input.host.bounds(control);
        appendPlaceLine(body, name, r.left, r.top, r.width, r.height);
        appendLine(body, "");
    });
}
