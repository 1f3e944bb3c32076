// The message box generator over a long message (1 MB and 10 MB of short lines full of
// quotation marks): the cost should grow with the message alone, as the O(N) fit reports.
#include "generators/MsgBox.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string messageText(std::size_t bytes)
{
    const std::string line = "Save \"Report\" before closing?\r\n";
    std::string text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

void BM_SetUpPaintProc(benchmark::State &state)
{
    qm::generators::MsgBoxDesign design;
    design.kind = 'F';
    design.buttons = 3;
    design.message = messageText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::generators::SetUpPaintProc(design));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_MsgBoxTestText(benchmark::State &state)
{
    const std::string message = messageText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::generators::msgBoxTestText(message));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_SetUpPaintProc)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_MsgBoxTestText)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
