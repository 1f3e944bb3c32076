// qm changes, strip-comments and dead-events: the report and cleanup engines on the command
// line.
#include "changes/CleanupCli.h"

#include "changes/ChangeReport.h"
#include "changes/CommentCleanup.h"
#include "changes/DeadEvents.h"
#include "changes/ProjectChanges.h"
#include "common/Cli.h"
#include "common/ErrorReports.h"
#include "platform/FileSystem.h"
#include "platform/FormBackup.h"
#include "platform/LineReader.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <ostream>

namespace qm::changes {
namespace {

using common::cli::Invocation;
using common::cli::UsageError;

ChangeFilter filterOf(const Invocation &in)
{
    if (in.hasOption("--from") != in.hasOption("--to"))
        throw UsageError{"--from and --to go together"};
    ChangeFilter filter;
    if (in.hasOption("--programmer")) {
        const std::string given = in.option("--programmer");
        std::string_view name = platform::trimBlanks(given);
        if (!name.empty())
            filter.programmer = std::string(name);
    }
    // A date that does not parse switches the date filter off, as the dialog does.
    auto from = parseFilterDate(in.option("--from"), in.dateSeparator());
    auto to = parseFilterDate(in.option("--to"), in.dateSeparator());
    if (from && to) {
        filter.from = from;
        filter.to = to;
    }
    return filter;
}

bool isProjectPath(std::string_view path)
{
    return platform::endsWithIgnoreCase(path, ".vbp") || platform::endsWithIgnoreCase(path, ".mak");
}

std::string runChanges(const Invocation &in)
{
    if (in.file.empty())
        throw UsageError{"qm changes needs a PATH: a project (.vbp, .mak) or a source file"};
    const std::string format = in.option("--format", "text");
    if (format != "text" && format != "csv")
        throw UsageError{"--format takes text or csv, not \"" + format + "\""};
    const ChangeFilter filter = filterOf(in);
    const bool csv = format == "csv";

    if (!isProjectPath(in.file)) {
        FileChanges changes = GetChangesToFile(in.input, filter, in.dateSeparator());
        if (csv) {
            std::vector<ReportRow> rows;
            for (ChangeRecord &block : changes.blocks)
                rows.push_back({in.file, std::move(block)});
            return changesCsv(rows);
        }
        return moduleHeading(in.file) + changes.report;
    }

    ProjectChanges changes =
        reportProjectChangesOnDisk(in.input, in.file, filter, true, in.dateSeparator());
    if (in.err) {
        for (const std::string &file : changes.unreadable)
            in.err() << "File Error: Can't open file: " << file << "\n";
    }
    return csv ? changesCsv(changes.rows) : std::move(changes.report);
}

void writeStripComments(const Invocation &in, platform::LineReader &lines, common::TextSink &out)
{
    const bool all = in.hasOption("--all");
    if (all == in.hasOption("--product"))
        throw UsageError{"qm strip-comments takes exactly one of --all and --product"};
    DeleteCommentedCode(lines, all ? CommentKind::All : CommentKind::Product, out);
}

std::string runDeadEvents(const Invocation &in)
{
    const DeadEventsResult result = removeDeadEvents(in.input);
    if (!in.hasOption("--in-place"))
        return result.text;
    if (in.file.empty())
        throw UsageError{"--in-place needs a FORM file"};
    try {
        platform::rewriteFormWithBackups(in.file, result.text);
    } catch (const platform::VbError &e) {
        throw common::UserMessageError(
            {"Process Terminated",
             "Can't copy temporary code file! " + in.file + ": " + e.description,
             platform::mb::Exclamation});
    }
    if (in.err) {
        for (const std::string &name : result.removed)
            in.err() << name << "\n";
    }
    return {};
}

} // namespace

void addCleanupCommands(common::cli::CommandTable &table)
{
    auto command = [&](const char *name, const char *summary,
                       std::vector<common::cli::OptionSpec> options,
                       std::string (*run)(const Invocation &)) {
        common::cli::Command c;
        c.name = name;
        c.summary = summary;
        c.options = std::move(options);
        c.run = run;
        table.add(std::move(c));
    };
    command("changes", "the change report of a project (.vbp, .mak) or of one source file",
            {{"--programmer", true, "TEXT  only blocks whose marker holds TEXT"},
             {"--from", true, "DATE  first day (MM/DD/YYYY or YYYY-MM-DD), with --to"},
             {"--to", true, "DATE  last day, with --from"},
             {"--format", true, "text|csv  the report, or one row per block"}},
            runChanges);
    common::cli::Command strip = common::cli::streamingLineCommand(
        "strip-comments", "the input without its comment lines", writeStripComments);
    strip.options = {{"--all", false, "every comment line"},
                     {"--product", false, "only the lines of comment blocks and change markers"}};
    table.add(std::move(strip));
    command("dead-events", "the form without the event procedures of controls it no longer has",
            {{"--in-place", false, "rewrite FORM (backups .bk$ and .bx$ beside it)"}},
            runDeadEvents);
}

} // namespace qm::changes
