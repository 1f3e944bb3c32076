// The change report: the change blocks of a file or of a whole project, filtered by programmer
// and by date, as the plain-text report "Show Changes" writes, and as rows for spreadsheets.
#pragma once

#include "changes/ChangeBlock.h"
#include "common/ProjectFiles.h"
#include "platform/Dates.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::changes {

/// Which blocks a report takes. The programmer filter is a case-sensitive test anywhere in the
/// begin marker line; the date filter is on only when both dates are known.
struct ChangeFilter
{
    std::optional<std::string> programmer;
    std::optional<platform::Date> from;
    std::optional<platform::Date> to;

    bool datesOn() const { return from && to; }
};

/// The filter of the dialog's three boxes: a programmer that is blank after trimming switches
/// that filter off; a date box that does not hold a date switches the date filter off.
ChangeFilter
makeChangeFilter(std::string_view programmer, std::string_view startDate, std::string_view endDate);

/// A date typed into a filter box: M/D/YYYY (the separator "/", "-" or "." or the system's;
/// one or two digits for month and day) or YYYY-MM-DD. Nothing for anything else.
std::optional<platform::Date> parseFilterDate(std::string_view text, char separator = '/');

/// The date of a marker line: exactly ten characters "mm/dd/yyyy" with any of "/", "-", "." or
/// `separator` between the parts, and a day that exists.
std::optional<platform::Date> parseMarkerDate(std::string_view tenChars, char separator = '/');

/// One reported block, for the rows of the spreadsheet form.
struct ChangeRecord
{
    std::string kind;      ///< "Sub", "Function" or "General"
    std::string procedure; ///< the procedure's name, "Declarations" before the first
    BlockKind change = BlockKind::Addition;
    std::string programmer;             ///< as the begin marker names it
    std::optional<platform::Date> date; ///< the marker's date, when it is readable
    size_t codeLines = 0;               ///< lines between the begin and end markers
};

struct FileChanges
{
    std::string report; ///< the report lines of the file's blocks, CR LF each
    std::vector<ChangeRecord> blocks;

    bool found() const { return !blocks.empty(); }
};

/// GetChangesToFile: the reported blocks of one source text, each under a line
/// "*** [KIND NAME] ***" naming the procedure it is in, followed by a line of one blank. A block
/// without its end marker runs to the end of the text. Lines are written with CR LF whatever
/// the text's own line ends.
FileChanges
GetChangesToFile(std::string_view text, const ChangeFilter &filter, char separator = '/');

/// "{Module: NAME}" and a line of 35 "=", CR LF each.
std::string moduleHeading(std::string_view name);

/// What "All Files" writes for a file without reported blocks.
inline constexpr std::string_view kNoChangesLines = "   No Changes in this module.\r\n \r\n";
/// What it writes for a file it cannot read, before going on with the next.
inline constexpr std::string_view kUnreadableLines = "   Can't open this module.\r\n \r\n";

/// The source files of a project the report reads: its forms, modules and classes, in the
/// order of the project's lines.
std::vector<common::ProjectFileEntry> projectSourceFiles(std::string_view projectText,
                                                         std::string_view projectPath);

/// One reported block and the file it is in.
struct ReportRow
{
    std::string file;
    ChangeRecord block;
};

struct ProjectChanges
{
    std::string report;
    std::vector<ReportRow> rows;
    std::vector<std::string> unreadable; ///< the files that could not be read, once each

    bool found() const { return !rows.empty(); }
};

/// Reads one file of the project: its text, or nothing when it cannot be read.
using SourceReader = std::function<std::optional<std::string>(const common::ProjectFileEntry &)>;

/// ShowAllFiles over a project's files: each file under its heading (its resolved path, or
/// with `namesAsWritten` the file part as the project line writes it), then its blocks or the
/// "No Changes" lines. A file that cannot be read is noted under its heading and the run goes
/// on. Each file is read, reported and let go before the next.
ProjectChanges reportProjectChanges(const std::vector<common::ProjectFileEntry> &files,
                                    const ChangeFilter &filter,
                                    const SourceReader &read,
                                    bool namesAsWritten,
                                    char separator = '/');

/// The rows as comma-separated values, header first: file, kind, procedure, change (Added,
/// Changed, Deleted), programmer, date (YYYY-MM-DD, empty when unreadable), code lines.
std::string changesCsv(const std::vector<ReportRow> &rows);

} // namespace qm::changes
