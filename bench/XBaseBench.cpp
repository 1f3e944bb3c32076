// The xBase conversion over 1 MB and 10 MB programs: the larger should cost about ten times
// more (linear), which the O(N) fit reports. The text repeats the golden program, so every
// kind of rule runs, and two lines that stress single rules: a long "$" chain and a long
// continuation.
#include "codetext/XBase.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string sampleProgram()
{
    std::ifstream in(std::filesystem::path(QM_SOURCE_DIR) / "tests/data/xbase/program/input",
                     std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (text.empty())
        text = "PROCEDURE Main\r\nDO WHILE !EOF() .AND. cKey $ name\r\nREPLACE qty WITH qty + 1\r\n"
               "SKIP\r\nENDDO\r\nRETURN\r\n";
    return text;
}

std::string program(std::size_t bytes)
{
    const std::string sample = sampleProgram();
    std::string text;
    text.reserve(bytes + sample.size());
    while (text.size() < bytes)
        text += sample;
    return text;
}

void BM_ConvertProgram(benchmark::State &state)
{
    std::string text = program(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::codetext::ConvertXBaseBlock(text));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_ConvertOneLongContainsChain(benchmark::State &state)
{
    std::string line = "x = ";
    while (line.size() < static_cast<std::size_t>(state.range(0)))
        line += "a $ b .OR. ";
    line += "c\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::codetext::ConvertXBaseBlock(line));
    state.SetComplexityN(state.range(0));
}

void BM_ConvertOneLongContinuation(benchmark::State &state)
{
    std::string text;
    while (text.size() < static_cast<std::size_t>(state.range(0)))
        text += "nTotal := nTotal + SUBSTR(cLine, 1, 2) ;\r\n";
    text += "+ 1\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::codetext::ConvertXBaseBlock(text));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_ConvertProgram)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertOneLongContainsChain)
    ->Arg(1 << 18)
    ->Arg(1 << 21)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertOneLongContinuation)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
