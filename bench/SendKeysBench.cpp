// The send-keys parser over long keystroke texts and the code pane's division of a module into
// procedures: both should cost about ten times more on a ten times larger input (linear).
#include "ide/CodePane.h"
#include "platform/SendKeys.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_ParseSendKeys(benchmark::State &state)
{
    const std::string piece = "^f Total{TAB}C{ENTER}{DOWN 3}+^({F2}){{}x{}}";
    std::string text;
    while (text.size() < static_cast<std::size_t>(state.range(0)))
        text += piece;
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::platform::parseSendKeys(text));
    state.SetComplexityN(state.range(0));
}

void BM_DivideCode(benchmark::State &state)
{
    const std::string procedure = "' adds the price\r\n"
                                  "Private Sub Add(Counter As Integer)\r\n"
                                  "    Total = Total + Price(Counter)\r\n"
                                  "End Sub\r\n\r\n";
    std::string code = "Option Explicit\r\n";
    while (code.size() < static_cast<std::size_t>(state.range(0)))
        code += procedure;
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::ide::divideCode(code));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_ParseSendKeys)->Arg(10000)->Arg(60000)->Complexity(benchmark::oN);
BENCHMARK(BM_DivideCode)->Arg(1 << 20)->Arg(10 << 20)->Complexity(benchmark::oN);
