// qm find: the code finder over a project or a directory, one line per hit.
#include "search/SearchCli.h"

#include "common/Cli.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/VbError.h"
#include "search/CodeFinder.h"

#include <ostream>

namespace qm::search {

namespace {

bool isProjectPath(std::string_view path)
{
    return platform::endsWithIgnoreCase(path, ".vbp") || platform::endsWithIgnoreCase(path, ".mak");
}

void reportCantOpen(const common::cli::Invocation &invocation, std::string_view path)
{
    if (invocation.err)
        invocation.err() << "File Error: Can't open " << path << "\n";
}

int runFind(const common::cli::Invocation &invocation, std::ostream &out)
{
    if (invocation.arguments.size() != 2)
        throw common::cli::UsageError{"qm find needs PATH and TEXT"};
    if (invocation.hasOption("--definitions") && invocation.hasOption("--assignments"))
        throw common::cli::UsageError{"--definitions and --assignments exclude each other"};
    const std::string &path = invocation.arguments[0];
    const std::string &text = invocation.arguments[1];
    const FindKind kind = invocation.hasOption("--definitions")   ? FindKind::Definitions
                          : invocation.hasOption("--assignments") ? FindKind::Assignments
                                                                  : FindKind::AllInstances;

    std::vector<SearchFile> files;
    if (isProjectPath(path)) {
        std::string project;
        try {
            project = platform::readFile(path);
        } catch (const platform::VbError &) {
            reportCantOpen(invocation, path);
            return 1;
        }
        files = projectSearchFiles(project, path);
    } else {
        if (!platform::directoryExists(path)) {
            reportCantOpen(invocation, path);
            return 1;
        }
        files = directorySearchFiles(path);
    }

    SearchCursor cursor(std::move(files), text, kind);
    bool found = false;
    std::string record;
    for (;;) {
        switch (cursor.next()) {
        case SearchCursor::Step::Hit: {
            const SearchHit &hit = cursor.hit();
            record.clear();
            record += cursor.file().name;
            record += '\t';
            record += hit.procedure;
            record += '\t';
            record += std::to_string(hit.lineNumber);
            record += '\t';
            record += hit.line;
            record += '\n';
            out.write(record.data(), static_cast<std::streamsize>(record.size()));
            found = true;
            break;
        }
        case SearchCursor::Step::CantOpen:
            reportCantOpen(invocation, cursor.file().path);
            break;
        case SearchCursor::Step::Paused:
            break;
        case SearchCursor::Step::Done:
            return found ? 0 : 1;
        }
    }
}

} // namespace

void addFindCommands(common::cli::CommandTable &table)
{
    common::cli::Command find;
    find.name = "find";
    find.summary = "PATH TEXT: the lines holding TEXT in the files of a project (.vbp, .mak) or "
                   "a directory: FILE TAB PROCEDURE TAB LINE TAB TEXT per hit";
    find.readsInput = false;
    find.wordsBeforeFile = 2;
    find.options = {{"--definitions", false, "only lines that define it (Dim, Const, Sub, ...)"},
                    {"--assignments", false, "only lines that assign it (NAME = ...)"}};
    find.stream = runFind;
    table.add(std::move(find));
}

} // namespace qm::search
