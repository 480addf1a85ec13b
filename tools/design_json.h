#pragma once

#include "document/design_document.h"
#include "host/memory_host.h"

#include <string>
#include <string_view>

// A design read from JSON: the document and the live state of its controls.
struct LoadedDesign {
    DesignDocument document;
    MemoryHost host;
};

// Reads a design in the command-line generator's JSON format into design.
// Returns an empty text on success, otherwise one line that names the field
// and the problem; design is then left unspecified.
std::string loadDesignJson(std::string_view json, LoadedDesign& design);
