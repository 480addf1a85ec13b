#pragma once

// What the about page says; lines end in CR LF.
inline constexpr const char* aboutText =
    "Quillform\r\n"
    "适用于 Python 3 的 Tkinter 简易窗口可视化设计工具\r\n"
    "\r\n"
    "设计器版本：2.0 Beta\r\n"
    "解释器版本：2.0 Beta\r\n"
    "\r\n"
    "\r\n"
    "Quillform 由 Quillform 项目的开发者编写。\r\n"
    "画出窗口，点一下“代码”，得到一个可以直接运行的 Python 3 Tkinter 程序。";
