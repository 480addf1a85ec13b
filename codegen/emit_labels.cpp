#include "codegen/code_text.h"
#include "codegen/emitters.h"
#include "document/vocabulary.h"

namespace {

std::string_view anchorOption(const std::string& alignment)
{
    if (alignment == vocabulary::alignCenter)
        return "";
    if (alignment == vocabulary::alignRight)
        return ",anchor=tk.E";
    return ",anchor=tk.W";
}

}  // namespace

void emitLabels(const GenerationInput& input, CodeText& body, CodeText& methods)
{
    const std::string& window = input.document.windowName;
    forEachShown(input, ComponentKind::Label, [&](ControlRef control, const ComponentRecord& record) {
        const std::string& name = record.name;
        appendCaptionVariable(input, body, name, control);
        appendLine(body, {"self.", name, " = tk.Label(self.", window, ",textvariable=self.", name, "_标题",
                          anchorOption(record.alignment), fontOption(input, control)});
        emitEvents(name, body, methods, record.events);
        emitClickBinding(name, body, record.events);
        const Rect r = input.host.bounds(control);
        appendPlaceLine(body, name, r.left, r.top, r.width, r.height);
        appendLine(body, "");
    });
}
