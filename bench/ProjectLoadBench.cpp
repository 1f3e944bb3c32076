// Loading and saving a project of 500 components and 50,000 lines (forms with controls, modules
// and classes), against one a tenth of that size: the O(N) fit shows loading is linear.
#include "ide/Component.h"
#include "ide/Form.h"
#include "ide/Project.h"
#include "platform/FileSystem.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// About 100 lines per component.
std::string formText(const std::string &name)
{
    std::string text = "VERSION 5.00\r\nBegin VB.Form " + name + " \r\n   Caption         =   \"" +
                       name +
                       "\"\r\n   ClientHeight    =   3195\r\n   ClientWidth     =   4680\r\n";
    for (int i = 0; i < 6; ++i) {
        std::string n = std::to_string(i);
        text += "   Begin VB.CommandButton Command" + n + " \r\n      Caption         =   \"Go " +
                n +
                "\"\r\n"
                "      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} \r\n"
                "         Name            =   \"MS Sans Serif\"\r\n         Size            =   "
                "8.25\r\n"
                "         Weight          =   700\r\n      EndProperty\r\n      Height          =  "
                " 375\r\n"
                "      Left            =   " +
                std::to_string(120 + i * 300) + "\r\n      TabIndex        =   " + n +
                "\r\n      Top             =   240\r\n      Width           =   1215\r\n   End\r\n";
    }
    text += "End\r\nAttribute VB_Name = \"" + name + "\"\r\n";
    for (int i = 0; i < 3; ++i)
        text += "Private Sub Command" + std::to_string(i) +
                "_Click()\r\n    Dim x As Integer\r\n"
                "    x = x + 1\r\n    MsgBox \"clicked\"\r\nEnd Sub\r\n\r\n";
    return text;
}

std::string moduleText(const std::string &name, bool isClass)
{
    std::string text =
        isClass ? "VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  'True\r\nEND\r\n" : "";
    text += "Attribute VB_Name = \"" + name + "\"\r\nOption Explicit\r\n";
    for (int i = 0; i < 16; ++i)
        text += "Public Function F" + std::to_string(i) +
                "(ByVal n As Long) As Long\r\n"
                "    F" +
                std::to_string(i) +
                " = n * 2\r\n    Debug.Print n\r\n    ' done\r\n"
                "End Function\r\n\r\n";
    return text;
}

struct ProjectFolder
{
    fs::path dir;
    std::string projectFile;

    explicit ProjectFolder(int components)
    {
        dir = fs::temp_directory_path() /
              ("qm_bench_project_" + std::to_string(components) + "_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        std::string vbp = "Type=Exe\r\n";
        for (int i = 0; i < components; ++i) {
            std::string n = std::to_string(i);
            if (i % 5 < 2) {
                qm::platform::writeFile((dir / ("Form" + n + ".frm")).string(),
                                        formText("Form" + n));
                vbp += "Form=Form" + n + ".frm\r\n";
            } else if (i % 5 < 4) {
                qm::platform::writeFile((dir / ("Module" + n + ".bas")).string(),
                                        moduleText("Module" + n, false));
                vbp += "Module=Module" + n + "; Module" + n + ".bas\r\n";
            } else {
                qm::platform::writeFile((dir / ("Class" + n + ".cls")).string(),
                                        moduleText("Class" + n, true));
                vbp += "Class=Class" + n + "; Class" + n + ".cls\r\n";
            }
        }
        projectFile = (dir / "Big.vbp").string();
        qm::platform::writeFile(projectFile, vbp);
    }
    ~ProjectFolder() { fs::remove_all(dir); }
};

void BM_LoadProject(benchmark::State &state)
{
    ProjectFolder folder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto project = qm::ide::Project::load(folder.projectFile);
        benchmark::DoNotOptimize(project->components().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadProject)
    ->Arg(50)
    ->Arg(500)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// Every component changed by one property or one code line, then the whole project written.
void BM_ChangeAndSaveProject(benchmark::State &state)
{
    ProjectFolder folder(static_cast<int>(state.range(0)));
    auto project = qm::ide::Project::load(folder.projectFile);
    std::vector<std::string> codes;
    for (const auto &c : project->components())
        codes.push_back(c->code());
    int round = 0;
    for (auto _ : state) {
        ++round;
        size_t i = 0;
        for (const auto &c : project->components()) {
            if (c->form())
                c->form()->findControl("Command3")->setProperty("Left", round);
            else
                c->setCode(codes[i] + (round % 2 ? "'\r\n" : ""));
            ++i;
        }
        benchmark::DoNotOptimize(project->save().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ChangeAndSaveProject)
    ->Arg(50)
    ->Arg(500)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace
