// Speed of laying out text for printing: the help text printer on large texts,
// drawn on a recording graphics (the layout, not the printer, is measured).

#include <benchmark/benchmark.h>

#include <string>

#include "platform/print/RecordingGraphics.h"
#include "platform/print/StyledTextPrinter.h"

namespace {

std::string Words(std::size_t bytes) {
    std::string text;
    for (int i = 0; text.size() < bytes; ++i) {
        text += "word" + std::to_string(i % 1000) + ((i % 13 == 0) ? "\r\n" : " ");
    }
    return text;
}

void BM_PrintBlocks(benchmark::State& state) {
    const std::string text = Words(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        fw::RecordingGraphics graphics;
        graphics.TextSize(10);
        fw::StyledTextPrinter printer(graphics, text, 492);
        while (!printer.Eof()) {
            printer.DrawBlock(36, 36, 672);
        }
        benchmark::DoNotOptimize(graphics);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_PrintBlocks)->Arg(100 << 10)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
