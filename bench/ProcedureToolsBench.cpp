// The control structure analyzer and the local error trap over 1 MB and 10 MB of code: each
// should cost about ten times more on the larger input, which the O(N) fit reports.
#include "generators/Analyzer.h"
#include "generators/ErrorTrap.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace qm;

// One procedure of nested blocks, repeated up to `bytes`.
std::string code(size_t bytes)
{
    const std::string body = "    For i = 1 To nCount\r\n"
                             "        If aItems(i) > 0 Then\r\n"
                             "            Total = Total + aItems(i) ' the priced ones\r\n"
                             "        ElseIf aItems(i) < 0 Then\r\n"
                             "            Do While x < 3: x = x + 1: Loop\r\n"
                             "        End If\r\n"
                             "        With lblStatus\r\n"
                             "            .Caption = \"Ready\"\r\n"
                             "        End With\r\n"
                             "    Next i\r\n";
    std::string text = "Private Function Totals(ByVal nCount As Integer) As Currency\r\n"
                       "    Dim i As Integer\r\n";
    while (text.size() < bytes)
        text += body;
    text += "End Function\r\n";
    return text;
}

void BM_Analyzer(benchmark::State &state)
{
    const std::string text = code(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(generators::AnalyzeControlStructures(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_GenLocalErrorTrap(benchmark::State &state)
{
    const std::string text = code(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(generators::GenLocalErrorTrap(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_Analyzer)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_GenLocalErrorTrap)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
