#pragma once

#include "document/design_document.h"
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
void emitEvents(std::string_view name, std::string& body, std::string& methods, const EventFlags& flags);

// Tk labels and entries have no command option: a ticked left click is bound
// to the button release instead, after the component's other bindings.
void emitClickBinding(std::string_view name, std::string& body, const EventFlags& flags);

void emitLabels(const GenerationInput& input, std::string& body, std::string& methods);
void emitEditBoxes(const GenerationInput& input, std::string& body, std::string& methods);
void emitButtons(const GenerationInput& input, std::string& body, std::string& methods);
void emitRadioButtons(const GenerationInput& input, std::string& body, std::string& methods);
void emitCheckBoxes(const GenerationInput& input, std::string& body, std::string& methods);

// Calls visit for every component of the kind whose control is visible, in
// creation order, with its control and record. Deleted (hidden) components
// and tags without a record are passed over.
void forEachShown(const GenerationInput& input, ComponentKind kind,
                  const std::function<void(ControlRef, const ComponentRecord&)>& visit);

// Fragments shared by the widget emitters.
std::string fontOption(const GenerationInput& input, ControlRef control);  // ", font=('name', 9))"
void appendPlaceLine(std::string& body, std::string_view name, int x, int y, int width, int height);
std::string commandOption(std::string_view name, const EventFlags& flags);
std::string_view disabledOption(const ComponentRecord& record);  // ", state='disabled'" or empty
bool isTicked(std::int32_t flag);
