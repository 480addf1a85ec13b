#pragma once

#include "document/design_document.h"
#include "host/design_reader.h"

#include <string>

// The complete Python 3 / Tkinter program for the design as it stands now:
// the document's records and the live controls read through the host.
// UTF-8, CR LF line ends, ending in CR LF and four spaces.
std::string generateProgram(const DesignDocument& document, const DesignReader& host);
