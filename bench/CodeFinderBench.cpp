// The code finder's scan over a directory of module files, in MB/s: all instances of a name with
// a hit every few hundred lines, and definitions of it. The O(N) fit over 4 and 32 MB shows the
// scan stays linear.
#include "search/CodeFinder.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

constexpr size_t kFileBytes = 64 * 1024;

// One module of about 64 KB: procedures of ordinary code, the name used now and then.
std::string moduleText(int seed)
{
    const char *const body[] = {
        "    Dim Counter As Integer\r\n",
        "    For Counter = 1 To UBound(Items)\r\n",
        "        If Items(Counter).Price > 0 Then Total = Total + Items(Counter).Price\r\n",
        "    Next Counter\r\n",
        "    ' keep the running figure for the report\r\n",
        "    lblStatus.Caption = \"Ready\" & Format$(Now, \"hh:nn\")\r\n",
        "    Set rs = db.OpenRecordset(\"SELECT * FROM Orders\", dbOpenSnapshot)\r\n",
    };
    std::string text = "Attribute VB_Name = \"Module" + std::to_string(seed) + "\"\r\n";
    int line = seed;
    for (int proc = 0; text.size() < kFileBytes; ++proc) {
        text += "Private Sub Proc" + std::to_string(proc) + "(ByVal n As Long)\r\n";
        for (int i = 0; i < 30; ++i, ++line)
            text += (line % 300 == 0) ? "    CustomerBalance = CustomerBalance - n\r\n"
                                      : body[line % std::size(body)];
        text += "End Sub\r\n";
    }
    return text;
}

struct Corpus
{
    qm::test::TempDir dir;
    size_t bytes = 0;
};

const Corpus &corpus(size_t files)
{
    static std::map<size_t, std::unique_ptr<Corpus>> made;
    auto &slot = made[files];
    if (!slot) {
        slot = std::make_unique<Corpus>();
        for (size_t i = 0; i < files; ++i) {
            std::string text = moduleText(static_cast<int>(i));
            slot->bytes += text.size();
            slot->dir.write("mod" + std::to_string(i) + ".bas", text);
        }
    }
    return *slot;
}

void scan(benchmark::State &state, qm::search::FindKind kind)
{
    const Corpus &c = corpus(static_cast<size_t>(state.range(0)));
    const auto files = qm::search::directorySearchFiles(c.dir.str());
    size_t hits = 0;
    for (auto _ : state) {
        qm::search::SearchCursor cursor(files, "customerbalance", kind);
        while (cursor.next() != qm::search::SearchCursor::Step::Done)
            ++hits;
    }
    benchmark::DoNotOptimize(hits);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c.bytes));
    state.SetComplexityN(static_cast<int64_t>(c.bytes));
}

void BM_FindAllInstances(benchmark::State &state)
{
    scan(state, qm::search::FindKind::AllInstances);
}

void BM_FindDefinitions(benchmark::State &state)
{
    scan(state, qm::search::FindKind::Definitions);
}

} // namespace

BENCHMARK(BM_FindAllInstances)->Arg(64)->Arg(512)->Complexity(benchmark::oN);
BENCHMARK(BM_FindDefinitions)->Arg(64)->Arg(512)->Complexity(benchmark::oN);
