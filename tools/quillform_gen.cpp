// Generates the program of one design read as JSON from standard input.
// Bad input: one line on stderr, nothing on stdout, exit status 2.
#include "codegen/generate_program.h"
#include "tools/design_json.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

int main()
{
    std::ios::sync_with_stdio(false);
    const std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    if (std::cin.bad()) {
        std::cerr << "quillform-gen: input: could not be read\n";
        return 2;
    }
    LoadedDesign design;
    if (const std::string error = loadDesignJson(input, design); !error.empty()) {
        std::cerr << "quillform-gen: " << error << '\n';
        return 2;
    }
    const std::string program = generateProgram(design.document, design.host);
    std::fwrite(program.data(), 1, program.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
