#include "codegen/code_text.h"
#include "codegen/emitters.h"
#include "codegen/generate_program.h"
#include "codegen/python_literal.h"
#include "tools/design_json.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

std::size_t count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

std::string generate(const std::string& json)
{
    LoadedDesign design;
    const std::string error = loadDesignJson(json, design);
    EXPECT_EQ(error, "");
    return generateProgram(design.document, design.host);
}

TEST(PythonQuoted, EscapesWhatPythonWouldMisread)
{
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"标签 plain \"double\"", "标签 plain \"double\""},
        {"it's", "it\\'s"},
        {"a\\b", "a\\\\b"},
        {"a\r\nb", "a\\nb"},
        {"a\nb", "a\\nb"},
        {"a\rb", "a\\rb"},
        {"\r\r\n\n", "\\r\\n\\n"},
        {"tab\t", "tab\\t"},
        {std::string("nul\0end", 7), "nul\\x00end"},
        {"\x01\x1f\x7f", "\\x01\\x1f\\x7f"},
        {"\xc2\x80\xe2\x80\xa8", "\xc2\x80\xe2\x80\xa8"},  // U+0080 and U+2028 are fine inside quotes
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pythonQuoted(c.in), c.out) << c.in;
}

TEST(CodeText, JoinsPiecesAcrossBlocksInOrder)
{
    CodeText text, tail;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string piece = std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), 'x');
        (i % 3 ? text : tail).append(piece);
        if (i % 3)
            expected += piece;
    }
    const std::string large(40000, 'y');
    text.append(large);
    expected += large + tail.str();
    text.append(std::move(tail));
    text.append("end");
    expected += "end";
    EXPECT_EQ(text.size(), expected.size());
    EXPECT_EQ(text.str(), expected);
    EXPECT_TRUE(tail.empty());
}

TEST(AppendLine, EachLineCarriesTheNextIndentation)
{
    CodeText text;
    text.append("x");
    appendLine(text, {"a", "b"});
    appendLine(text, "");
    appendLine(text, "main", 1);
    EXPECT_EQ(text.str(), "xab\r\n        \r\n        main\r\n    ");
    EXPECT_EQ(methodText("f", "self", "pass"), "def f(self):\r\n        pass");
}

TEST(EmitEvents, NothingTickedWritesNothing)
{
    CodeText body, methods;
    EventFlags flags{};
    flags[3] = 2;  // only the value 1 counts as ticked
    flags[5] = -1;
    emitEvents("按钮1", body, methods, flags);
    EXPECT_TRUE(body.empty());
    EXPECT_TRUE(methods.empty());
}

TEST(EmitEvents, AllSixteenRowsGiveFifteenBindingsAndTwentyMethods)
{
    CodeText bodyText, methodsText;
    EventFlags flags;
    flags.fill(1);
    emitEvents("按钮1", bodyText, methodsText, flags);
    const std::string body = bodyText.str();
    const std::string methods = methodsText.str();
    EXPECT_EQ(count(body, ".bind('<"), 15u);
    EXPECT_EQ(count(methods, "\r\n    def "), 20u);
    EXPECT_EQ(body.find("self.按钮1.bind('<Button-1>',self.按钮1_被鼠标左键按下)"), 0u);
    EXPECT_NE(methods.find("def 按钮1_被鼠标左键单击(self):"), std::string::npos);
    EXPECT_NE(methods.find("def 按钮1_被鼠标右键按下(self,event):"), std::string::npos);
    EXPECT_EQ(count(methods, "if 按键名 != '?\?':"), 2u);
    // Bindings stay in row order.
    EXPECT_LT(body.find("<Button-1>"), body.find("<MouseWheel>"));
}

TEST(GenerateProgram, WindowSizeAndResizableFlag)
{
    const struct {
        std::string window;
        std::string sizeLine;
        std::string resizable;
    } cases[] = {
        {R"("outerWidth": 325, "outerHeight": 212)", "(318, 182, (screenwidth - 318) / 2, (screenheight - 182) / 2)",
         "width=False, height=False"},
        {R"("outerWidth": 5, "outerHeight": 0, "resizable": "真")", "(-2, -30, (screenwidth - -2) / 2",
         "width=True, height=True"},
        {R"("resizable": "是")", "(340, 220,", "width=False, height=False"},
    };
    for (const auto& c : cases) {
        const std::string program = generate(R"({"window": {)" + c.window + "}}");
        EXPECT_NE(program.find(c.sizeLine), std::string::npos) << c.window;
        EXPECT_NE(program.find(".resizable(" + c.resizable + ")"), std::string::npos) << c.window;
    }
}

TEST(GenerateProgram, RepeatedRunsGiveIdenticalText)
{
    const std::string json = R"({"components": [{"kind": "按钮", "events": [1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,1]},
                                               {"kind": "单选框", "checked": "真"}]})";
    LoadedDesign design;
    ASSERT_EQ(loadDesignJson(json, design), "");
    const std::string first = generateProgram(design.document, design.host);
    EXPECT_EQ(generateProgram(design.document, design.host), first);
}

TEST(GenerateProgram, RadioGroupVariableStandsBeforeFirstVisibleButton)
{
    const std::string program = generate(R"({"components": [
        {"kind": "单选框", "visible": false, "checked": "真"},
        {"kind": "单选框", "left": 20}]})");
    EXPECT_EQ(count(program, "tk.IntVar()"), 1u);
    EXPECT_EQ(program.find("self.单选框选中变量.set("), std::string::npos);
    EXPECT_NE(program.find("self.单选框选中变量 = tk.IntVar()\r\n        self.单选框2_标题 = tk.StringVar()"),
              std::string::npos);
    EXPECT_EQ(program.find("单选框1"), std::string::npos);
}

TEST(GenerateProgram, KindsComeOutInFixedOrderWhateverTheCreationOrder)
{
    const std::string program = generate(R"({"components": [
        {"kind": "复选框"}, {"kind": "单选框"}, {"kind": "按钮"}, {"kind": "编辑框"}, {"kind": "标签"}]})");
    const std::size_t label = program.find("tk.Label(");
    const std::size_t entry = program.find("tk.Entry(");
    const std::size_t button = program.find("tk.Button(");
    const std::size_t radio = program.find("tk.Radiobutton(");
    const std::size_t check = program.find("tk.Checkbutton(");
    EXPECT_LT(label, entry);
    EXPECT_LT(entry, button);
    EXPECT_LT(button, radio);
    EXPECT_LT(radio, check);
}

TEST(GenerateProgram, TagWithoutRecordIsPassedOver)
{
    // A broken link between tag and record must not be followed.
    DesignDocument document;
    setInitialWindowProperties(document);
    document.kindTags[kindIndex(ComponentKind::Button)] = {"1", "7"};
    document.createdCount = 1;
    document.componentRecords.push_back(defaultRecord(ComponentKind::Button, 1, 1));
    MemoryHost host;
    for (const char* tag : {"1", "7"}) {
        MemoryControl control;
        control.tag = tag;
        control.caption = tag == std::string("1") ? "按钮" : "孤儿";
        host.addControl(control);
    }
    const std::string program = generateProgram(document, host);
    EXPECT_EQ(count(program, "tk.Button("), 1u);
    EXPECT_EQ(program.find("孤儿"), std::string::npos);
}

TEST(GenerateProgram, EndsWithLineBreakAndFourSpaces)
{
    const std::string program = generate("{}");
    ASSERT_GE(program.size(), 6u);
    EXPECT_EQ(program.substr(program.size() - 25), "    root.mainloop()\r\n    ");
    EXPECT_EQ(program.find('\t'), std::string::npos);
    EXPECT_FALSE(std::regex_search(program, std::regex("[^\r]\n")));
}

}  // namespace

namespace {

// Each widget kind's reference block, written out by hand: the component's
// lines at eight spaces and its closing whitespace-only line.
std::string block(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string("        ") + line + "\r\n";
    return text + "        \r\n";
}

TEST(GenerateProgram, ReferenceBlockOfEachKind)
{
    const struct {
        const char* component;
        std::string expected;
    } cases[] = {
        {R"({"kind": "标签", "left": 24, "top": 16})",
         block({"self.标签1_标题 = tk.StringVar()", "self.标签1_标题.set('标签')",
                "self.标签1 = tk.Label(self.启动窗口,textvariable=self.标签1_标题,anchor=tk.W, font=('微软雅黑', 9))",
                "self.标签1.place(x=24,y=16,width=72,height=20)"})},
        {R"({"kind": "按钮", "left": 16, "top": 48, "events": [1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]})",
         block({"self.按钮1_标题 = tk.StringVar()", "self.按钮1_标题.set('按钮')",
                "self.按钮1 = tk.Button(self.启动窗口,textvariable=self.按钮1_标题,command=self.按钮1_被鼠标左键单击, "
                "font=('微软雅黑', 9))",
                "self.按钮1.place(x=16,y=48,width=88,height=32)"})},
        {R"({"kind": "编辑框", "caption": "你好", "left": 16, "top": 88})",
         block({"self.编辑框1_内容 = tk.StringVar()", "self.编辑框1_内容.set('你好')",
                "self.编辑框1 = tk.Entry(self.启动窗口,textvariable=self.编辑框1_内容,justify=tk.LEFT, font=('微软雅黑', 9))",
                "self.编辑框1.place(x=16,y=88,width=120,height=20)"})},
        {R"({"kind": "编辑框", "caption": "a\r\nb", "left": 10, "top": 20, "width": 100, "height": 60,
             "disabled": "真", "scrollBars": "纵"})",
         block({"self.编辑框1_滚动条_纵 = tk.Scrollbar(self.启动窗口)",
                "self.编辑框1_滚动条_纵.place(x=92,y=20,width=18,height=60)",
                "self.编辑框1 = tk.Text(self.启动窗口,yscrollcommand=self.编辑框1_滚动条_纵.set,wrap=tk.NONE, "
                "font=('微软雅黑', 9))",
                "self.编辑框1_滚动条_纵.config(command=self.编辑框1.yview)", "self.编辑框1.insert(tk.END,'a\\nb')",
                "self.编辑框1.config(state='disabled')", "self.编辑框1.place(x=10,y=20,width=82,height=60)"})},
        {R"({"kind": "编辑框", "left": 10, "top": 20, "width": 100, "height": 60, "scrollBars": "纵横"})",
         block({"self.编辑框1_滚动条_横 = tk.Scrollbar(self.启动窗口,orient=tk.HORIZONTAL)",
                "self.编辑框1_滚动条_横.place(x=10,y=62,width=100,height=18)",
                "self.编辑框1_滚动条_纵 = tk.Scrollbar(self.启动窗口)",
                "self.编辑框1_滚动条_纵.place(x=92,y=20,width=18,height=60)",
                "self.编辑框1 = tk.Text(self.启动窗口,yscrollcommand=self.编辑框1_滚动条_纵.set,"
                "xscrollcommand=self.编辑框1_滚动条_横.set,wrap=tk.NONE, font=('微软雅黑', 9))",
                "self.编辑框1_滚动条_纵.config(command=self.编辑框1.yview)",
                "self.编辑框1_滚动条_横.config(command=self.编辑框1.xview)", "self.编辑框1.insert(tk.END,'*')",
                "self.编辑框1.place(x=10,y=20,width=82,height=42)"})},
        {R"({"kind": "单选框", "left": 168, "top": 24, "checked": "真"})",
         block({"self.单选框选中变量 = tk.IntVar()", "self.单选框选中变量.set('单选框1')",
                "self.单选框1_标题 = tk.StringVar()", "self.单选框1_标题.set('单选框')",
                "self.单选框1 = tk.Radiobutton(self.启动窗口,textvariable=self.单选框1_标题,variable=self.单选框选中变量,"
                "value='单选框1', font=('微软雅黑', 9))",
                "self.单选框1.place(x=155,y=24,width=64,height=20)"})},
        {R"({"kind": "复选框", "left": 168, "top": 56})",
         block({"self.复选框1_是否选中 = tk.IntVar()", "self.复选框1_是否选中.set(0)", "self.复选框1_标题 = tk.StringVar()",
                "self.复选框1_标题.set('复选框')",
                "self.复选框1 = tk.Checkbutton(self.启动窗口,textvariable=self.复选框1_标题,variable=self.复选框1_是否选中,"
                "onvalue=1,offvalue=0, font=('微软雅黑', 9))",
                "self.复选框1.place(x=155,y=56,width=64,height=20)"})},
    };
    const std::string frameEnd = "self.启动窗口.geometry(size)\r\n        \r\n";
    for (const auto& c : cases) {
        const std::string program = generate(std::string(R"({"components": [)") + c.component + "]}");
        EXPECT_NE(program.find(frameEnd + c.expected + "        \r\n    def 信息框("), std::string::npos)
            << c.component << "\n" << program;
    }
}

}  // namespace
