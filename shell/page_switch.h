#pragma once

#include "shell/page_button.h"

class MainWindow;

// Status-bar texts of the pages.
inline constexpr const char* defaultHint = " 适用于 Python 3 的 Tkinter 简易窗口可视化设计工具";
inline constexpr const char* codeHint = " 双击代码编辑框任意位置会自动复制全部代码哦!";
inline constexpr const char* copiedHint = " 代码拷贝完成,快去粘贴吧!";

// The button of the page shown, and the other two.
PageButton::Colours shownButtonColours();
PageButton::Colours otherButtonColours();

// Shows page 1 (design), 2 (code, generated afresh every time) or 3 (about).
void switchPage(MainWindow& window, int page);

void showDefaultHint(MainWindow& window);
