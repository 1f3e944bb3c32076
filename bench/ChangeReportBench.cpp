// The change report over projects of 50 and 500 files of 100 lines (the larger one is the
// 50,000-line project `qm changes` is measured on), and the cleanup engines over 1 MB and 10 MB
// texts: each should cost about ten times more on the larger input, which the O(N) fit reports.
#include "changes/ChangeReport.h"
#include "changes/CommentCleanup.h"
#include "changes/DeadEvents.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace qm;

// 100 lines: two procedures, three change blocks, comments and plain code.
std::string sourceFile(int index)
{
    std::string text = "Attribute VB_Name = \"mod" + std::to_string(index) +
                       "\"\r\n"
                       "Option Explicit\r\n";
    const std::string procedure = "Private Sub cmdSave_Click()\r\n"
                                  "    Dim Total As Currency\r\n"
                                  "'* Block Changed by dev on 03/05/2024\r\n"
                                  "    Total = Total + Price(i) ' the priced ones\r\n"
                                  "'* End of Block Changed by dev on 03/05/2024\r\n"
                                  "    If Total > 0 Then Exit Sub\r\n"
                                  "'* Block Deleted by ann on 12/08/2026\r\n"
                                  "'*     lblTotal.Caption = Format$(Total, \"0.00\")\r\n"
                                  "'* End of Block Deleted by ann on 12/08/2026\r\n"
                                  "    ' the caller refreshes the form\r\n";
    int lines = 2;
    while (lines < 100) {
        text += procedure;
        lines += 10;
        for (int i = 0; i < 37 && lines < 99; ++i, ++lines)
            text += "    lblStatus.Caption = \"Ready\" & Format$(Now, \"hh:nn\")\r\n";
        text += "End Sub\r\n";
        ++lines;
    }
    return text;
}

void BM_ProjectReport(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    std::vector<common::ProjectFileEntry> files;
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        files.push_back({"Module", "mod", "mod" + std::to_string(i) + ".bas",
                         "mod" + std::to_string(i) + ".bas", static_cast<size_t>(i + 1)});
        texts.push_back(sourceFile(i));
    }
    const changes::ChangeFilter filter =
        changes::makeChangeFilter("dev", "01/01/2024", "12/31/2024");
    for (auto _ : state) {
        size_t next = 0;
        benchmark::DoNotOptimize(changes::reportProjectChanges(
            files, filter,
            [&](const common::ProjectFileEntry &) -> std::optional<std::string> {
                return texts[next++];
            },
            true));
    }
    state.SetComplexityN(state.range(0));
}

std::string repeated(const std::string &unit, std::size_t bytes)
{
    std::string text;
    text.reserve(bytes + unit.size());
    while (text.size() < bytes)
        text += unit;
    return text;
}

void BM_GetChangesToFile(benchmark::State &state)
{
    const std::string text = repeated(sourceFile(0), static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(changes::GetChangesToFile(text, {}));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_DeleteCommentedCode(benchmark::State &state)
{
    const std::string text = repeated(sourceFile(0), static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(changes::DeleteCommentedCode(text, changes::CommentKind::All));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

// A form of many controls whose code holds live and dead event procedures, and dead ones
// without their End Sub, which must not make the pass look ahead again and again.
void BM_RemoveDeadEvents(benchmark::State &state)
{
    const std::size_t bytes = static_cast<std::size_t>(state.range(0));
    std::string form = "VERSION 5.00\r\nBegin VB.Form frmBig\r\n";
    for (int i = 0; i < 200; ++i)
        form += "   Begin VB.CommandButton cmd" + std::to_string(i) + "\r\n   End\r\n";
    form += "End\r\n";
    const std::string code = "Private Sub cmd7_Click()\r\n    Go\r\nEnd Sub\r\n"
                             "Private Sub cmdGone_Click()\r\n    Go\r\nEnd Sub\r\n"
                             "Private Sub lstGone_DblClick()\r\n    Go\r\n";
    form += repeated(code, bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(changes::removeDeadEvents(form));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_ProjectReport)
    ->Arg(50)
    ->Arg(500)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
#define QM_TEXT_BENCHMARK(name)                                                                    \
    BENCHMARK(name)                                                                                \
        ->Arg(1 << 20)                                                                             \
        ->Arg(10 << 20)                                                                            \
        ->Complexity(benchmark::oN)                                                                \
        ->Unit(benchmark::kMillisecond)
QM_TEXT_BENCHMARK(BM_GetChangesToFile);
QM_TEXT_BENCHMARK(BM_DeleteCommentedCode);
QM_TEXT_BENCHMARK(BM_RemoveDeadEvents);
