#include "codegen/code_text.h"
#include "codegen/emitters.h"
#include "codegen/python_literal.h"
#include "document/vocabulary.h"

#include <cstdlib>

namespace {

// Tags are decimal numbers written by the registry; read leniently.
std::int32_t tagNumber(const std::string& tag) { return static_cast<std::int32_t>(std::atol(tag.c_str())); }

}  // namespace

bool isTicked(std::int32_t flag) { return flag == 1; }

void forEachShown(const GenerationInput& input, ComponentKind kind,
                  const std::function<void(ControlRef, const ComponentRecord&)>& visit)
{
    for (const std::string& tag : tagsOf(input.document, kind)) {
        ControlRef control = input.host.findByTag(tag);
        if (!control || !input.host.isVisible(control))
            continue;
        const ComponentRecord* record = recordByNumber(input.document, tagNumber(input.host.tag(control)));
        if (record)
            visit(control, *record);
    }
}

std::string fontOption(const GenerationInput& input, ControlRef control)
{
    std::string option;
    appendRaw(option, {", font=('", pythonQuoted(input.host.fontName(control)), "', ",
                       std::to_string(input.host.fontSize(control)), "))"});
    return option;
}

void appendPlaceLine(CodeText& body, std::string_view name, int x, int y, int width, int height)
{
    appendLine(body, {"self.", name, ".place(x=", std::to_string(x), ",y=", std::to_string(y), ",width=",
                      std::to_string(width), ",height=", std::to_string(height), ")"});
}

void appendCaptionVariable(const GenerationInput& input, CodeText& body, std::string_view name, ControlRef control)
{
    appendLine(body, {"self.", name, "_标题 = tk.StringVar()"});
    appendLine(body, {"self.", name, "_标题.set('", pythonQuoted(input.host.caption(control)), "')"});
}

std::string commandOption(std::string_view name, const EventFlags& flags)
{
    if (!isTicked(flags[0]))
        return {};
    std::string option;
    appendRaw(option, {",command=self.", name, "_被鼠标左键单击"});
    return option;
}

std::string_view disabledOption(const ComponentRecord& record)
{
    return vocabulary::isYes(record.disabled) ? ", state='disabled'" : "";
}

void emitClickBinding(std::string_view name, CodeText& body, const EventFlags& flags)
{
    if (isTicked(flags[0]))
        appendLine(body, {"self.", name, ".bind('<ButtonRelease-1>',lambda event: self.", name,
                          "_被鼠标左键单击(),'+')"});
}
