// Generation time for designs of growing size: mixed kinds, every component
// visible with four ticked events. Compare the per-component time across
// sizes: it should stay flat (linear generation).
#include "codegen/generate_program.h"
#include "document/design_document.h"
#include "host/memory_host.h"

#include <benchmark/benchmark.h>

namespace {

struct Design {
    DesignDocument document;
    MemoryHost host;
};

void buildDesign(Design& design, int componentCount)
{
    setInitialWindowProperties(design.document);
    for (int i = 0; i < componentCount; ++i) {
        const ComponentKind kind = allComponentKinds[static_cast<std::size_t>(i % componentKindCount)];
        const std::int32_t number = ++design.document.createdCount;
        auto& tags = design.document.kindTags[kindIndex(kind)];
        tags.push_back(std::to_string(number));
        ComponentRecord record = defaultRecord(kind, number, static_cast<int>(tags.size()));
        for (int row : {0, 2 + i % 5, 9, 12 + i % 4})
            record.events[static_cast<std::size_t>(row)] = 1;
        design.document.componentRecords.push_back(std::move(record));

        MemoryControl control;
        control.tag = tags.back();
        control.caption = std::string(templateCaption(kind)) + std::to_string(i);
        control.bounds = {i % 300, i % 200, templateWidth(kind), templateHeight(kind)};
        control.multiline = kind == ComponentKind::EditBox && i % 2 == 0;
        control.scrollBars = control.multiline ? ScrollBarSetting::Both : ScrollBarSetting::None;
        control.checked = i % 7 == 0;
        design.host.addControl(std::move(control));
    }
}

void BM_GenerateProgram(benchmark::State& state)
{
    Design design;
    buildDesign(design, static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string program = generateProgram(design.document, design.host);
        bytes = program.size();
        benchmark::DoNotOptimize(program);
    }
    state.counters["components"] = static_cast<double>(state.range(0));
    state.counters["per_component"] = benchmark::Counter(
        static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["program_MB"] = static_cast<double>(bytes) / 1e6;
}

BENCHMARK(BM_GenerateProgram)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
