#include "tools/design_json.h"

#include <gtest/gtest.h>

namespace {

TEST(DesignJson, MissingFieldsTakeTheDefaultsOfAFreshWidget)
{
    LoadedDesign design;
    ASSERT_EQ(loadDesignJson(R"({"components": [{"kind": "编辑框"}, {"kind": "标签"}, {"kind": "编辑框"}]})", design),
              "");
    const DesignDocument& document = design.document;
    EXPECT_EQ(document.windowName, "启动窗口");
    EXPECT_EQ(document.createdCount, 3);
    EXPECT_EQ(document.kindTags[kindIndex(ComponentKind::EditBox)], (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(document.componentRecords[2].name, "编辑框2");
    EXPECT_EQ(document.componentRecords[2].inputMode, "正常输入");
    const ControlRef box = design.host.findByTag("3");
    ASSERT_TRUE(box);
    EXPECT_EQ(design.host.caption(box), "*");
    EXPECT_EQ(design.host.bounds(box), (Rect{0, 0, 120, 20}));
    EXPECT_EQ(design.host.fontName(box), "微软雅黑");
    EXPECT_EQ(design.host.fontSize(box), 9);
    EXPECT_TRUE(design.host.isVisible(box));
    EXPECT_EQ(design.host.designWindowOuterSize(), (Size{347, 250}));
}

TEST(DesignJson, ControlStateFollowsTheRecordLikeASheetEdit)
{
    LoadedDesign design;
    ASSERT_EQ(loadDesignJson(R"({"components": [
        {"kind": "编辑框", "scrollBars": "横", "alignment": "居中", "inputMode": "密码输入"},
        {"kind": "编辑框", "multiline": "真", "scrollBars": "斜", "alignment": "其他"},
        {"kind": "复选框", "checked": "真"},
        {"kind": "按钮", "checked": "真"}]})",
                             design),
              "");
    const MemoryHost& host = design.host;
    EXPECT_TRUE(host.isMultiline(host.findByTag("1")));
    EXPECT_EQ(host.scrollBars(host.findByTag("1")), ScrollBarSetting::Horizontal);
    EXPECT_EQ(host.alignment(host.findByTag("1")), TextAlignment::Center);
    EXPECT_TRUE(host.isPassword(host.findByTag("1")));
    EXPECT_TRUE(host.isMultiline(host.findByTag("2")));
    EXPECT_EQ(host.scrollBars(host.findByTag("2")), ScrollBarSetting::None);
    EXPECT_EQ(host.alignment(host.findByTag("2")), TextAlignment::Left);
    EXPECT_TRUE(host.isChecked(host.findByTag("3")));
    EXPECT_FALSE(host.isChecked(host.findByTag("4")));
}

TEST(DesignJson, WindowLeftClickIsNeverTicked)
{
    LoadedDesign design;
    ASSERT_EQ(loadDesignJson(R"({"window": {"events": [1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1]}})", design), "");
    EXPECT_EQ(design.document.windowRecord.events[0], 0);
    EXPECT_EQ(design.document.windowRecord.events[1], 1);
}

TEST(DesignJson, BadInputNamesTheFieldAndTheProblem)
{
    const struct {
        std::string json;
        std::string error;
    } cases[] = {
        {"not json", "input: not valid JSON"},
        {"", "input: not valid JSON"},
        {"[1]", "input: expected a JSON object"},
        {"{\"comp\": []}", "comp: unknown field"},
        {R"({"window": 3})", "window: expected an object"},
        {R"({"window": {"title": "x"}})", "window.title: unknown field"},
        {R"({"window": {"caption": 7}})", "window.caption: expected a string"},
        {R"({"window": {"caption": "\ud800x"}})", "window.caption: string holds an unpaired surrogate"},
        {R"({"window": {"name": "a\udc00"}})", "window.name: string holds an unpaired surrogate"},
        {R"({"window": {"outerWidth": 3.5}})", "window.outerWidth: expected a 32-bit integer"},
        {R"({"window": {"outerHeight": 4294967296}})", "window.outerHeight: expected a 32-bit integer"},
        {R"({"window": {"events": [1,2]}})", "window.events: expected an array of 16 integers"},
        {R"({"components": {}})", "components: expected an array"},
        {R"({"components": [1]})", "components[0]: expected an object"},
        {R"({"components": [{"name": "x"}]})", "components[0].kind: missing"},
        {R"({"components": [{"kind": "窗口"}]})", "components[0].kind: unknown kind \"窗口\""},
        {R"({"components": [{"kind": "按钮"}, {"kind": "按钮", "colour": 1}]})", "components[1].colour: unknown field"},
        {R"({"components": [{"kind": "按钮", "left": "16"}]})", "components[0].left: expected a 32-bit integer"},
        {R"({"components": [{"kind": "按钮", "visible": 1}]})", "components[0].visible: expected true or false"},
        {R"({"components": [{"kind": "按钮", "disabled": true}]})", "components[0].disabled: expected a string"},
        {R"({"components": [{"kind": "按钮", "events": "1"}]})", "components[0].events: expected an array of 16"},
        {R"({"components": [{"kind": "按钮", "events": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"1"]}]})",
         "components[0].events[15]: expected a 32-bit integer"},
    };
    for (const auto& c : cases) {
        LoadedDesign design;
        const std::string error = loadDesignJson(c.json, design);
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.json << " gave: " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

}  // namespace
