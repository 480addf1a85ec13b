#include "codegen/python_literal.h"

namespace {

bool needsEscape(unsigned char c) { return c < 0x20 || c == 0x7f || c == '\\' || c == '\''; }

void appendEscaped(std::string& out, unsigned char c)
{
    switch (c) {
    case '\\': out += "\\\\"; return;
    case '\'': out += "\\'"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
    }
    constexpr char hex[] = "0123456789abcdef";
    out += "\\x";
    out += hex[c >> 4];
    out += hex[c & 0xf];
}

}  // namespace

std::string pythonQuoted(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (!needsEscape(c)) {
            out += static_cast<char>(c);
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else {
            appendEscaped(out, c);
        }
    }
    return out;
}
