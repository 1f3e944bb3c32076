// The shared text helpers over 1 MB and 10 MB of code text: each should cost about ten times
// more on the larger text (linear), which the O(N) fit reports.
#include "common/TextHelpers.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string codeText(std::size_t bytes)
{
    const std::string line =
        "    If Counter% > 0 Then Total = Total + Price(Counter%) ' add it\r\n";
    std::string text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    return text;
}

void BM_ReplaceAll(benchmark::State &state)
{
    std::string text = codeText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::common::ReplaceAll(text, "Counter%", "Index"));
    state.SetComplexityN(state.range(0));
}

void BM_ReplaceAllText(benchmark::State &state)
{
    std::string text = codeText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::common::ReplaceAllText(text, "total", "Sum"));
    state.SetComplexityN(state.range(0));
}

void BM_CountLines(benchmark::State &state)
{
    std::string text = codeText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::common::CountLines(text));
    state.SetComplexityN(state.range(0));
}

void BM_NextWordOverWholeText(benchmark::State &state)
{
    std::string text = codeText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string_view rest = text;
        std::size_t words = 0;
        while (!qm::common::NextWord(rest).empty())
            ++words;
        benchmark::DoNotOptimize(words);
    }
    state.SetComplexityN(state.range(0));
}

void BM_LeadingBlanksOnBlankText(benchmark::State &state)
{
    std::string text(static_cast<std::size_t>(state.range(0)), ' ');
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::common::LeadingBlanks(text));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_ReplaceAll)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllText)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountLines)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextWordOverWholeText)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LeadingBlanksOnBlankText)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
