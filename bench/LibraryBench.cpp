// The object library's list reader and its form rewrites over 1 MB and 10 MB of input: each
// should cost about ten times more on the larger input, which the O(N) fit reports.
#include "library/FormRewrite.h"
#include "library/ObjectStore.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace qm;

// A list file of numbered procedure records, up to `bytes`.
std::string list(size_t bytes)
{
    std::string text;
    for (int i = 1; text.size() < bytes; ++i)
        text += "Proc" + std::to_string(i) + "|PROC" + std::to_string(i) +
                ".txt|Formats the order's date | and its total\r\n";
    return text;
}

// A form of framed text boxes with their event code, up to `bytes`, and a menu at its end.
std::string form(size_t bytes)
{
    std::string controls, code;
    for (int i = 0; controls.size() + code.size() < bytes; ++i) {
        const std::string n = std::to_string(i);
        controls += "   Begin VB.Frame fra" + n +
                    " \r\n"
                    "      Caption         =   \"Group " +
                    n +
                    "\"\r\n"
                    "      Begin VB.TextBox txt" +
                    n +
                    " \r\n"
                    "         Text            =   \"\"\r\n"
                    "      End\r\n"
                    "   End\r\n";
        code += "Private Sub txt" + n + "_Change()\r\n    Total = Total + " + n + "\r\nEnd Sub\r\n";
    }
    return "VERSION 5.00\r\nBegin VB.Form frmBig \r\n" + controls +
           "   Begin VB.Menu mnuFile \r\n      Caption         =   \"&File\"\r\n   End\r\n"
           "End\r\nAttribute VB_Name = \"frmBig\"\r\n" +
           code;
}

const std::string kEmptyForm = "VERSION 5.00\r\nBegin VB.Form frmTo \r\nEnd\r\n"
                               "Attribute VB_Name = \"frmTo\"\r\n";

void BM_ParseObjectList(benchmark::State &state)
{
    const std::string text = list(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(library::parseObjectList(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_DeleteControls(benchmark::State &state)
{
    const std::string text = form(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(library::deleteControls(text, {"fra1", "txt7"}));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_PasteMenu(benchmark::State &state)
{
    const std::string text = form(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(library::pasteMenu(text, kEmptyForm));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_CloneObjectText(benchmark::State &state)
{
    const std::string text = form(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            library::cloneObjectText(text, {"frmCopy", "Copy", "frmBig.frx", "frmCopy.frx"}));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_ParseObjectList)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_DeleteControls)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_PasteMenu)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_CloneObjectText)
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
