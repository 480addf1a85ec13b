#include "codegen/code_text.h"

#include <algorithm>

namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view memberIndent = "    ";
constexpr std::string_view bodyIndent = "        ";

}  // namespace

void CodeText::append(std::string_view piece)
{
    if (piece.empty())
        return;
    if (blocks_.empty() || blocks_.back().size() + piece.size() > blocks_.back().capacity()) {
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(blockSize, piece.size()));
    }
    blocks_.back().append(piece);
    size_ += piece.size();
}

void CodeText::append(CodeText&& other)
{
    for (std::string& block : other.blocks_)
        blocks_.push_back(std::move(block));
    size_ += other.size_;
    other.blocks_.clear();
    other.size_ = 0;
}

std::string CodeText::str() const
{
    std::string text;
    text.reserve(size_);
    for (const std::string& block : blocks_)
        text.append(block);
    return text;
}

void appendRaw(CodeText& target, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        target.append(piece);
}

void appendRaw(std::string& target, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        target.append(piece);
}

void appendLine(CodeText& target, std::initializer_list<std::string_view> pieces, int level)
{
    appendRaw(target, pieces);
    target.append(lineEnd);
    target.append(level == 1 ? memberIndent : bodyIndent);
}

std::string methodText(std::string_view name, std::string_view parameters, std::string_view body)
{
    std::string text;
    text.reserve(name.size() + parameters.size() + body.size() + 20);
    appendRaw(text, {"def ", name, "(", parameters, "):", lineEnd, bodyIndent, body});
    return text;
}

void appendMethod(CodeText& methods, std::string_view name, std::string_view parameters, std::string_view body)
{
    appendLine(methods, {lineEnd, memberIndent, methodText(name, parameters, body)});
}
