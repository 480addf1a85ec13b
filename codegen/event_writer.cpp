#include "codegen/code_text.h"
#include "codegen/emitters.h"

#include <array>

namespace {

enum class Handler { Print, DelayedClick, DoubleClick, Key, Size, Motion, Wheel };

struct EventRow {
    std::string_view event;     // suffix of the handler's name
    std::string_view sequence;  // Tk event sequence; empty for the left click
    Handler handler;
    std::string_view text;      // the print statement, or the text it prints
};

constexpr std::array<EventRow, eventRowCount> rows = {{
    {"被鼠标左键单击", "", Handler::DelayedClick, "鼠标左键单击"},
    {"被鼠标左键按下", "<Button-1>", Handler::Print, "print('被鼠标左键按下')"},
    {"被鼠标左键放开", "<ButtonRelease-1>", Handler::Print, "print('被鼠标左键放开')"},
    {"被鼠标左键双击", "<Double-Button-1>", Handler::DoubleClick, "被鼠标左键双击"},
    {"被鼠标右键按下", "<Button-3>", Handler::DelayedClick, "被鼠标右键按下"},
    {"被鼠标右键放开", "<ButtonRelease-3>", Handler::Print, "print('被鼠标右键放开')"},
    {"被鼠标右键双击", "<Double-Button-3>", Handler::DoubleClick, "被鼠标右键双击"},
    {"按下某键", "<Key>", Handler::Key, "按下的按键名："},
    {"放开某键", "<KeyRelease>", Handler::Key, "放开的按键名："},
    {"获得焦点", "<FocusIn>", Handler::Print, "print('组件获得了焦点')"},
    {"失去焦点", "<FocusOut>", Handler::Print, "print('组件失去了焦点')"},
    {"尺寸被改变", "<Configure>", Handler::Size, ""},
    {"鼠标进入组件", "<Enter>", Handler::Print, "print('鼠标进入组件')"},
    {"鼠标离开组件", "<Leave>", Handler::Print, "print('鼠标离开组件')"},
    {"鼠标在组件上移动", "<Motion>", Handler::Motion, ""},
    {"鼠标滚轮被滚动", "<MouseWheel>", Handler::Wheel, ""},
}};

constexpr std::string_view eventParameters = "self,event";

std::string threadStart(std::string_view method)
{
    std::string text;
    appendRaw(text, {"threading.Thread(target=self.", method, "_线程).start()"});
    return text;
}

void appendDelayedClick(CodeText& methods, const std::string& method, const EventRow& row, bool leftClick)
{
    appendMethod(methods, method, leftClick ? "self" : eventParameters, threadStart(method));
    std::string body;
    appendRaw(body, {"time.sleep(0.25)\r\n"
                     "        if self.点击记录 == False:\r\n"
                     "            self.点击记录 = True\r\n"
                     "            time.sleep(0.2)\r\n"
                     "            self.点击记录 = False\r\n"
                     "            print('",
                     row.text,
                     "')\r\n"
                     "        else:\r\n"
                     "            self.点击记录 = False"});
    appendMethod(methods, method + "_线程", "self", body);
}

void appendDoubleClick(CodeText& methods, const std::string& method, const EventRow& row)
{
    std::string body;
    appendRaw(body, {"if self.点击记录==True:\r\n"
                     "            self.点击记录 = False\r\n"
                     "        else:\r\n"
                     "            self.点击记录 = True\r\n"
                     "            time.sleep(0.18)\r\n"
                     "            self.点击记录 = False\r\n"
                     "            ",
                     threadStart(method)});
    appendMethod(methods, method, eventParameters, body);
    std::string thread;
    appendRaw(thread, {"self.点击记录 = True\r\n        print('", row.text, "')\r\n        self.点击记录 = False"});
    appendMethod(methods, method + "_线程", "self", thread);
}

void appendKey(CodeText& methods, const std::string& method, const EventRow& row)
{
    std::string body;
    appendRaw(body, {"按键名 = event.keysym\r\n"
                     "        键代码 = event.keycode\r\n"
                     "        if 按键名 != '?\?':\r\n"
                     "            print('",
                     row.text, "'+按键名+'|'+str(键代码))"});
    appendMethod(methods, method, eventParameters, body);
}

void appendHandler(CodeText& methods, std::string_view name, int rowIndex)
{
    const EventRow& row = rows[static_cast<std::size_t>(rowIndex)];
    std::string method;
    appendRaw(method, {name, "_", row.event});
    switch (row.handler) {
    case Handler::Print:
        appendMethod(methods, method, eventParameters, row.text);
        break;
    case Handler::DelayedClick:
        appendDelayedClick(methods, method, row, rowIndex == 0);
        break;
    case Handler::DoubleClick:
        appendDoubleClick(methods, method, row);
        break;
    case Handler::Key:
        appendKey(methods, method, row);
        break;
    case Handler::Size:
        appendMethod(methods, method, eventParameters,
                     "新宽度 = event.width\r\n"
                     "        新高度 = event.height\r\n"
                     "        print('组件尺寸被改变|新宽度：'+ str(新宽度) +'|新高度：'+ str(新高度))");
        break;
    case Handler::Motion:
        appendMethod(methods, method, eventParameters,
                     "鼠标x = event.x\r\n"
                     "        鼠标y = event.y\r\n"
                     "        print('鼠标在组件上移动|'+str(鼠标x)+','+str(鼠标y))");
        break;
    case Handler::Wheel:
        appendMethod(methods, method, eventParameters,
                     "滚动的距离 = event.delta\r\n"
                     "        if 滚动的距离 > 0 :\r\n"
                     "            print('滚轮向前滚了|'+str(滚动的距离))\r\n"
                     "        else:\r\n"
                     "            print('滚轮向后滚了|'+ str(滚动的距离))");
        break;
    }
}

}  // namespace

void emitEvents(std::string_view name, CodeText& body, CodeText& methods, const EventFlags& flags)
{
    for (int row = 0; row < eventRowCount; ++row) {
        if (!isTicked(flags[static_cast<std::size_t>(row)]))
            continue;
        const EventRow& info = rows[static_cast<std::size_t>(row)];
        if (!info.sequence.empty())
            appendLine(body, {"self.", name, ".bind('", info.sequence, "',self.", name, "_", info.event, ")"});
        appendHandler(methods, name, row);
    }
}
