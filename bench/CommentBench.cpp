// The comment, uncomment, indent and change-block engines over a 1 MB and a 10 MB module: each
// should cost about ten times more on the larger one (linear), which the O(N) fit reports.
#include "changes/ChangeBlock.h"
#include "codetext/Comment.h"
#include "codetext/Indent.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A module of procedures with every kind of block the indenter knows, commented lines and
// change markers among them.
std::string moduleText(std::size_t bytes)
{
    const std::string procedure = "Private Sub cmdTotal_Click()\r\n"
                                  "    Dim i As Integer, Total As Currency\r\n"
                                  "'* Block Changed by dev on 12/08/2026\r\n"
                                  "    For i = 1 To Count%\r\n"
                                  "        If Price(i) > 0 Then ' only the priced ones\r\n"
                                  "            Total = Total + Price(i)\r\n"
                                  "        Else\r\n"
                                  "            Missing = Missing + 1: Retry = True\r\n"
                                  "        End If\r\n"
                                  "    Next i\r\n"
                                  "'* End of Block Changed by dev on 12/08/2026\r\n"
                                  "    Select Case Total\r\n"
                                  "        Case 0\r\n"
                                  "            lblTotal.Caption = \"Nothing\"\r\n"
                                  "        Case Else\r\n"
                                  "            lblTotal.Caption = Format$(Total, \"0.00\")\r\n"
                                  "    End Select\r\n"
                                  "'* Block Deleted by dev on 12/08/2026\r\n"
                                  "'*     Do While Retry\r\n"
                                  "'*         Retry = False\r\n"
                                  "'*     Loop\r\n"
                                  "'* End of Block Deleted by dev on 12/08/2026\r\n"
                                  "Done:\r\n"
                                  "    ' the caller refreshes the form\r\n"
                                  "End Sub\r\n"
                                  "\r\n";
    std::string text;
    text.reserve(bytes + procedure.size());
    while (text.size() < bytes)
        text += procedure;
    return text;
}

template<class Engine> void runOverModule(benchmark::State &state, Engine engine)
{
    const std::string text = moduleText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(engine(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

using namespace qm;

void BM_CommentBlock(benchmark::State &state)
{
    runOverModule(state,
                  [](const std::string &t) { return codetext::CommentBlock(t, "12/8/26", "dev"); });
}
void BM_UncommentBlock(benchmark::State &state)
{
    runOverModule(state, [](const std::string &t) { return codetext::UncommentBlock(t); });
}
void BM_IndentBlock(benchmark::State &state)
{
    runOverModule(state, [](const std::string &t) { return codetext::IndentBlock(t, 3); });
}
void BM_CommentLines(benchmark::State &state)
{
    runOverModule(state, [](const std::string &t) { return codetext::CommentLines(t); });
}
void BM_UncommentLines(benchmark::State &state)
{
    runOverModule(state, [](const std::string &t) { return codetext::UncommentLines(t); });
}
void BM_IndentLines(benchmark::State &state)
{
    runOverModule(state, [](const std::string &t) { return codetext::IndentLines(t, 3); });
}
void BM_ChangeBlock(benchmark::State &state)
{
    runOverModule(
        state, [](const std::string &t) { return changes::ChangeBlock(t, "dev", "12/08/2026"); });
}
void BM_DeletionBlock(benchmark::State &state)
{
    runOverModule(
        state, [](const std::string &t) { return changes::DeletionBlock(t, "dev", "12/08/2026"); });
}
void BM_RemoveBlocking(benchmark::State &state)
{
    runOverModule(state, [](const std::string &t) { return changes::RemoveBlocking(t); });
}

// Deletion begin lines without end lines: each must not search the rest of the text again.
void BM_RemoveBlockingUnmatchedBegins(benchmark::State &state)
{
    const std::string line = "'* Block Deleted by dev on 12/08/2026\r\n    x = 1\r\n";
    std::string text;
    while (text.size() < static_cast<std::size_t>(state.range(0)))
        text += line;
    for (auto _ : state)
        benchmark::DoNotOptimize(changes::RemoveBlocking(text));
    state.SetComplexityN(state.range(0));
}

} // namespace

#define QM_MODULE_BENCHMARK(name)                                                                  \
    BENCHMARK(name)                                                                                \
        ->Arg(1 << 20)                                                                             \
        ->Arg(10 << 20)                                                                            \
        ->Complexity(benchmark::oN)                                                                \
        ->Unit(benchmark::kMillisecond)

QM_MODULE_BENCHMARK(BM_CommentBlock);
QM_MODULE_BENCHMARK(BM_UncommentBlock);
QM_MODULE_BENCHMARK(BM_IndentBlock);
QM_MODULE_BENCHMARK(BM_CommentLines);
QM_MODULE_BENCHMARK(BM_UncommentLines);
QM_MODULE_BENCHMARK(BM_IndentLines);
QM_MODULE_BENCHMARK(BM_ChangeBlock);
QM_MODULE_BENCHMARK(BM_DeletionBlock);
QM_MODULE_BENCHMARK(BM_RemoveBlocking);
QM_MODULE_BENCHMARK(BM_RemoveBlockingUnmatchedBegins);
