#include "codegen/code_text.h"

namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view memberIndent = "    ";
constexpr std::string_view bodyIndent = "        ";

}  // namespace

void appendRaw(std::string& target, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces)
        target.append(piece);
}

void appendLine(std::string& target, std::initializer_list<std::string_view> pieces, int level)
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

void appendMethod(std::string& methods, std::string_view name, std::string_view parameters,
                  std::string_view body)
{
    appendLine(methods, {lineEnd, memberIndent, methodText(name, parameters, body)});
}
