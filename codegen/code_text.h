#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// A growing text of the generated program. It grows in fixed blocks and is
// joined once at the end: a large design then costs one copy of its program
// instead of a series of doubling reallocations, each of which would touch
// fresh memory.
class CodeText {
public:
    void append(std::string_view piece);
    // Takes over the other text's blocks without copying them.
    void append(CodeText&& other);
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string str() const;

private:
    static constexpr std::size_t blockSize = 64 * 1024;
    std::vector<std::string> blocks_;
    std::size_t size_ = 0;
};

// A line is written as its pieces, then CR LF, then the indentation of the
// line that follows it, so each line carries the indentation of the next:
// eight spaces for body lines (level 0), four for the main block (level 1).
// Appending no pieces gives a whitespace-only line.
void appendLine(CodeText& target, std::initializer_list<std::string_view> pieces, int level = 0);

inline void appendLine(CodeText& target, std::string_view line, int level = 0)
{
    appendLine(target, {line}, level);
}

void appendRaw(CodeText& target, std::initializer_list<std::string_view> pieces);
void appendRaw(std::string& target, std::initializer_list<std::string_view> pieces);

// "def name(parameters):" then the body, whose first line stands at eight
// spaces; a body of several lines carries its own line ends and indentation.
std::string methodText(std::string_view name, std::string_view parameters, std::string_view body);

// Appends a handler method, introduced by its own CR LF and four spaces.
void appendMethod(CodeText& methods, std::string_view name, std::string_view parameters, std::string_view body);
