#pragma once

#include <array>
#include <optional>
#include <string_view>

// The five widget kinds a design can hold. The numeric value indexes
// DesignDocument::kindTags and equals the toolbox tool index minus one.
enum class ComponentKind { Label, EditBox, Button, RadioButton, CheckBox };

inline constexpr int componentKindCount = 5;

inline constexpr std::array<ComponentKind, componentKindCount> allComponentKinds = {
    ComponentKind::Label, ComponentKind::EditBox, ComponentKind::Button,
    ComponentKind::RadioButton, ComponentKind::CheckBox};

// The word used in default names and selector texts, such as 按钮 in 按钮2 (按钮).
std::string_view kindWord(ComponentKind kind);

// The hidden template on the design window that new widgets are copied from.
std::string_view templateName(ComponentKind kind);

// Toolbox tool index that creates this kind (0 is the pointer).
int toolIndex(ComponentKind kind);

// Caption (an edit box's content) and size of the kind's template, which
// every new widget of the kind starts with.
std::string_view templateCaption(ComponentKind kind);
int templateWidth(ComponentKind kind);
int templateHeight(ComponentKind kind);

// The font of every template and of the design window.
inline constexpr std::string_view templateFontName = "微软雅黑";
inline constexpr int templateFontSize = 9;

std::optional<ComponentKind> kindFromWord(std::string_view word);
std::optional<ComponentKind> kindFromToolIndex(int index);

inline constexpr std::string_view windowKindWord = "窗口";

inline constexpr int kindIndex(ComponentKind kind) { return static_cast<int>(kind); }
