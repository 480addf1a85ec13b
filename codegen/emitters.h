#pragma once

#include "document/design_document.h"
#include "codegen/code_text.h"
#include "host/design_reader.h"

#include <functional>
#include <string>
#include <string_view>

// What every emitter reads: the document and the live controls.
struct GenerationInput {
    const DesignDocument& document;
    const DesignReader& host;
};

// Binding lines of the ticked rows go to the body, handler methods to methods.
void emitEvents(std::string_view name, CodeText& body, CodeText& methods, const EventFlags& flags);

// Tk labels and entries have no command option: a ticked left click is bound
// to the button release instead, after the component's other bindings.
void emitClickBinding(std::string_view name, CodeText& body, const EventFlags& flags);

void emitLabels(const GenerationInput& input, CodeText& body, CodeText& methods);
void emitEditBoxes(const GenerationInput& input, CodeText& body, CodeText& methods);
void emitButtons(const GenerationInput& input, CodeText& body, CodeText& methods);
void emitRadioButtons(const GenerationInput& input, CodeText& body, CodeText& methods);
void emitCheckBoxes(const GenerationInput& input, CodeText& body, CodeText& methods);

// Calls visit for every component of the kind whose control is visible, in
// creation order, with its control and record. Deleted (hidden) components
// and tags without a record are passed over.
void forEachShown(const GenerationInput& input, ComponentKind kind,
                  const std::function<void(ControlRef, const ComponentRecord&)>& visit);

// Fragments shared by the widget emitters.
// The caption's Tk variable: "{name}_标题 = tk.StringVar()" and its set line.
void appendCaptionVariable(const GenerationInput& input, CodeText& body, std::string_view name, ControlRef control);
std::string fontOption(const GenerationInput& input, ControlRef control);  // ", font=('name', 9))"
void appendPlaceLine(CodeText& body, std::string_view name, int x, int y, int width, int height);
std::string commandOption(std::string_view name, const EventFlags& flags);
std::string_view disabledOption(const ComponentRecord& record);  // ", state='disabled'" or empty
bool isTicked(std::int32_t flag);
