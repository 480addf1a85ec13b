#pragma once

#include <string>
#include <string_view>

// The text to put between single quotes so that Python reads back exactly
// the given UTF-8 text: backslash, apostrophe and control characters are
// escaped, a CR LF pair becomes \n. Text without those comes out unchanged.
std::string pythonQuoted(std::string_view text);
