#include "codegen/generate_program.h"

#include "codegen/code_text.h"
#include "codegen/emitters.h"
#include "codegen/python_literal.h"
#include "document/vocabulary.h"

#include <cstdio>

namespace {

// Window sizes go through the double formatting the program frame was
// designed around; whole numbers come out as plain integers.
std::string wholeNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.13g", value);
    return text;
}

void emitFrame(const GenerationInput& input, CodeText& body, CodeText& methods)
{
    const std::string& window = input.document.windowName;
    const Size outer = input.host.designWindowOuterSize();
    const std::string cw = wholeNumber(static_cast<double>(outer.width) - 7.0);
    const std::string ch = wholeNumber(static_cast<double>(outer.height) - 30.0);
    const std::string_view resizable = vocabulary::isYes(input.document.windowResizable)
                                           ? "width=True, height=True"
                                           : "width=False, height=False";

    appendRaw(body, {"import tkinter as tk\r\n", "import time\r\n", "import threading\r\n",
                     "from tkinter import messagebox\r\n\r\n", "class Quillform:\r\n    "});
    appendLine(body, {"def __init__(self, ", window, "):"});
    appendLine(body, "self.点击记录 = False");
    appendLine(body, {"self.", window, " = ", window});
    appendLine(body, {"self.", window, ".title('", pythonQuoted(input.host.designWindowCaption()), "')"});
    appendLine(body, {"self.", window, ".resizable(", resizable, ")"});
    appendLine(body, {"screenwidth = self.", window, ".winfo_screenwidth()"});
    appendLine(body, {"screenheight = self.", window, ".winfo_screenheight()"});
    appendLine(body, {"size = '%dx%d+%d+%d' % (", cw, ", ", ch, ", (screenwidth - ", cw, ") / 2, (screenheight - ",
                      ch, ") / 2)"});

    // The window has no left-click handler: its row 0 can never be ticked.
    EventFlags flags = input.document.windowRecord.events;
    flags[0] = 0;
    emitEvents(window, body, methods, flags);

    appendLine(body, {"self.", window, ".geometry(size)"});
    appendLine(body, "");
}

void emitMessageBoxMethod(CodeText& body)
{
    constexpr std::string_view methodBody =
        "'0普通信息框,1带确认取消信息框,2黄色警告,3红色错误,4黄色警告重试'\r\n"
        "        if 类型 == 0:\r\n"
        "            return messagebox.showinfo(标题,提示内容)\r\n"
        "        elif 类型 == 1:\r\n"
        "            return messagebox.askokcancel(标题, 提示内容)#确定返回True 取消返回False\r\n"
        "        elif 类型 == 2:\r\n"
        "            return messagebox.showwarning(标题, 提示内容)\r\n"
        "        elif 类型 == 3:\r\n"
        "            return messagebox.showerror(标题, 提示内容)\r\n"
        "        elif 类型 == 4:\r\n"
        "            return messagebox.askretrycancel(标题, 提示内容)#重试返回True 取消返回False\r\n";
    appendLine(body, {"\r\n    ", methodText("信息框", "self,标题='提示',提示内容='你好Lumbra',类型=0", methodBody)});
}

void emitMainBlock(CodeText& body, CodeText&& methods)
{
    body.append("\r\n    ");
    body.append(std::move(methods));
    appendLine(body, "\r\nif __name__ == '__main__':", 1);
    appendLine(body, "root = tk.Tk()", 1);
    appendLine(body, "app = Quillform(root)\r\n    root.mainloop()", 1);
}

}  // namespace

std::string generateProgram(const DesignDocument& document, const DesignReader& host)
{
    const GenerationInput input{document, host};
    CodeText body;
    CodeText methods;
    emitFrame(input, body, methods);
    emitLabels(input, body, methods);
    emitEditBoxes(input, body, methods);
    emitButtons(input, body, methods);
    emitRadioButtons(input, body, methods);
    emitCheckBoxes(input, body, methods);
    emitMessageBoxMethod(body);
    emitMainBlock(body, std::move(methods));
    return body.str();
}
