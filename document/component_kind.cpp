#include "document/component_kind.h"

namespace {

struct KindInfo {
    std::string_view word;
    std::string_view templateName;
    std::string_view caption;
    int width;
    int height;
};

constexpr std::array<KindInfo, componentKindCount> kindInfo = {{
    {"标签", "待用标签", "标签", 72, 20},
    {"编辑框", "待用编辑框", "*", 120, 20},
    {"按钮", "待用按钮", "按钮", 88, 32},
    {"单选框", "待用单选框", "单选框", 64, 20},
    {"复选框", "待用复选框", "复选框", 64, 20},
}};

}  // namespace

std::string_view kindWord(ComponentKind kind) { return kindInfo[kindIndex(kind)].word; }

std::string_view templateName(ComponentKind kind) { return kindInfo[kindIndex(kind)].templateName; }

std::string_view templateCaption(ComponentKind kind) { return kindInfo[kindIndex(kind)].caption; }

int templateWidth(ComponentKind kind) { return kindInfo[kindIndex(kind)].width; }

int templateHeight(ComponentKind kind) { return kindInfo[kindIndex(kind)].height; }

int toolIndex(ComponentKind kind) { return kindIndex(kind) + 1; }

std::optional<ComponentKind> kindFromWord(std::string_view word)
{
    for (ComponentKind kind : allComponentKinds)
        if (kindWord(kind) == word)
            return kind;
    return std::nullopt;
}

std::optional<ComponentKind> kindFromToolIndex(int index)
{
    if (index < 1 || index > componentKindCount)
        return std::nullopt;
    return allComponentKinds[index - 1];
}
