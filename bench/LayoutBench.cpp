// The layout engines over growing forms and selections: reading and writing a form file, the
// spacing of a selection and its tab order by rows. Each should grow with its input about
// linearly (the sorts by text key add a logarithm), which the O(N) fit reports.
#include "layout/Arrange.h"
#include "layout/FormText.h"
#include "layout/TabOrder.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace qm::layout;

std::string formText(std::size_t controls)
{
    std::string text = "VERSION 5.00\r\nBegin VB.Form Form1 \r\n   Caption         =   \"Big\"\r\n";
    for (std::size_t i = 0; i < controls; ++i) {
        const std::string n = std::to_string(i);
        text += "   Begin VB.CommandButton Command" + n + " \r\n";
        text += "      Caption         =   \"Button " + n + "\"\r\n";
        text += "      Height          =   375\r\n";
        text += "      Left            =   " + std::to_string((i * 37) % 30000) + "\r\n";
        text += "      TabIndex        =   " + n + "\r\n";
        text += "      Width           =   1215\r\n";
        text += "   End\r\n";
    }
    text += "End\r\nAttribute VB_Name = \"Form1\"\r\n";
    return text;
}

std::vector<Geometry> selection(std::size_t n)
{
    std::vector<Geometry> out;
    for (std::size_t i = 0; i < n; ++i)
        out.push_back({static_cast<std::int32_t>((i * 7919) % 30000),
                       static_cast<std::int32_t>((i * 104729) % 30000), 100, 50});
    return out;
}

void BM_FormTextEdit(benchmark::State &state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    const std::string text = formText(n);
    for (auto _ : state) {
        FormText form(text);
        for (std::size_t c = 0; c < form.controlCount(); c += 10)
            form.setNumber(c, "Top", 240);
        benchmark::DoNotOptimize(form.text());
    }
    state.SetComplexityN(state.range(0));
}

void BM_DistributeHorizontal(benchmark::State &state)
{
    const std::vector<Geometry> sel = selection(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(spaceControls(sel, Spacing::Distribute, Axis::Horizontal));
    state.SetComplexityN(state.range(0));
}

void BM_TabOrderByRows(benchmark::State &state)
{
    const std::vector<Geometry> sel = selection(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(sortForTabOrder(sel, TabOrderBy::Rows));
    state.SetComplexityN(state.range(0));
}

} // namespace

// A form holds a few hundred controls; ten thousand is far past any the host could load.
BENCHMARK(BM_FormTextEdit)->RangeMultiplier(4)->Range(256, 16384)->Complexity(benchmark::oN);
BENCHMARK(BM_DistributeHorizontal)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_TabOrderByRows)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity(benchmark::oN);
