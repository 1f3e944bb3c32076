// The editor's module division and its write-back over 1 MB and 10 MB modules: the larger should
// cost about ten times more (linear), which the O(N) fit reports.
#include "codetext/ModuleDivision.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string module(std::size_t bytes)
{
    const std::string procedure =
        "' Adds one order line.\r\n"
        "Private Sub AddLine(ByVal qty As Long, ByVal price As Currency)\r\n"
        "    Dim total As Currency\r\n"
        "    total = qty * price\r\n"
        "    If total > 0 Then\r\n"
        "        lblTotal.Caption = Format$(total, \"0.00\")\r\n"
        "    End If\r\n"
        "End Sub\r\n"
        "\r\n";
    std::string text = "Attribute VB_Name = \"modOrders\"\r\nOption Explicit\r\n\r\n";
    text.reserve(bytes + procedure.size());
    while (text.size() < bytes)
        text += procedure;
    return text;
}

void BM_DivideModule(benchmark::State &state)
{
    const std::string text = module(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::codetext::divideModule(text, qm::codetext::ModuleKind::Code));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

// Dividing the file again and replacing its middle procedure, as a module-mode save does.
void BM_WriteBackProcedure(benchmark::State &state)
{
    const std::string text = module(static_cast<std::size_t>(state.range(0)));
    const std::string replacement = "Private Sub AddLine()\r\nEnd Sub\r\n";
    for (auto _ : state) {
        const auto entries = qm::codetext::divideModule(text, qm::codetext::ModuleKind::Code);
        const auto &middle = entries[entries.size() / 2];
        benchmark::DoNotOptimize(qm::codetext::replaceEntry(text, middle, replacement));
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

} // namespace

BENCHMARK(BM_DivideModule)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBackProcedure)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
