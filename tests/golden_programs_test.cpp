// Every design in the golden folder must generate its program byte for byte.
#include "codegen/generate_program.h"
#include "tools/design_json.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class GoldenProgram : public testing::TestWithParam<std::string> {};

TEST_P(GoldenProgram, GeneratesExactBytes)
{
    const std::filesystem::path dir = QUILLFORM_GOLDEN_DIR;
    LoadedDesign design;
    ASSERT_EQ(loadDesignJson(readFile(dir / (GetParam() + ".json")), design), "");
    const std::string expected = readFile(dir / (GetParam() + ".py"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(generateProgram(design.document, design.host), expected);
}

INSTANTIATE_TEST_SUITE_P(Designs, GoldenProgram,
                         testing::Values("empty", "worked_example", "labels", "edit_boxes", "buttons",
                                         "choice_boxes", "all_events", "window_events", "escaping"));

}  // namespace
