#pragma once

#include <string_view>

// Yes/no and choice values are stored as these exact texts; the generator and
// the property sheet compare against them, and any other text counts as the
// fallback of its property (false for yes/no).
namespace vocabulary {

inline constexpr std::string_view yes = "真";
inline constexpr std::string_view no = "假";

inline constexpr std::string_view alignLeft = "左对齐";
inline constexpr std::string_view alignCenter = "居中";
inline constexpr std::string_view alignRight = "右对齐";

inline constexpr std::string_view scrollNone = "无";
inline constexpr std::string_view scrollVertical = "纵";
inline constexpr std::string_view scrollHorizontal = "横";
inline constexpr std::string_view scrollBoth = "纵横";

inline constexpr std::string_view inputNormal = "正常输入";
inline constexpr std::string_view inputPassword = "密码输入";
inline constexpr std::string_view inputReadOnly = "只读方式";

inline bool isYes(std::string_view text) { return text == yes; }

}  // namespace vocabulary
