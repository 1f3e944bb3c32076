// The help topic reader over long context files (1 MB and 10 MB) of each kind, and one line of
// 10 MB: the cost should grow with the file alone, as the O(N) fit reports.
#include "generators/HelpTopics.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string contextFile(char kind, std::size_t bytes)
{
    const std::string entry = kind == 'C'   ? "#define IDH_ORDER_CUSTOMER_NAME 12345\r\n"
                              : kind == 'B' ? "Global Const IDH_ORDER_CUSTOMER_NAME = 12345\r\n"
                                            : "${\\footnote Customer name}\r\n"
                                              "+{\\footnote index:12345}\r\n"
                                              "Some text of the topic.\\par\r\n";
    std::string text;
    text.reserve(bytes + entry.size());
    while (text.size() < bytes)
        text += entry;
    return text;
}

void readTopics(benchmark::State &state, char kind)
{
    const std::string text = contextFile(kind, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::generators::contextTopics(text, kind));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_HeaderTopics(benchmark::State &state)
{
    readTopics(state, 'C');
}
void BM_BasicTopics(benchmark::State &state)
{
    readTopics(state, 'B');
}
void BM_RtfTopics(benchmark::State &state)
{
    readTopics(state, 'R');
}

void BM_OneLongLine(benchmark::State &state)
{
    const std::string text =
        "#define " + std::string(static_cast<std::size_t>(state.range(0)), 'A');
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::generators::contextTopics(text, 'C'));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_HeaderTopics)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_BasicTopics)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_RtfTopics)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_OneLongLine)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
