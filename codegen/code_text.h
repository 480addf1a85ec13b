#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The generated program is built by appending to plain texts. A line is
// written as its pieces, then CR LF, then the indentation of the line that
// follows it, so each line carries the indentation of the next: eight spaces
// for body lines (level 0), four for the main block (level 1). Appending no
// pieces gives a whitespace-only line.
void appendLine(std::string& target, std::initializer_list<std::string_view> pieces, int level = 0);

inline void appendLine(std::string& target, std::string_view line, int level = 0)
{
    appendLine(target, {line}, level);
}

void appendRaw(std::string& target, std::initializer_list<std::string_view> pieces);

// "def name(parameters):" then the body, whose first line stands at eight
// spaces; a body of several lines carries its own line ends and indentation.
std::string methodText(std::string_view name, std::string_view parameters, std::string_view body);

// Appends a handler method, introduced by its own CR LF and four spaces.
void appendMethod(std::string& methods, std::string_view name, std::string_view parameters,
                  std::string_view body);
