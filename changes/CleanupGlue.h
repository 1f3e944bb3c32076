// The change report, Delete Comments and Delete Dead Events between the host and the engines:
// what the windows' buttons run. Qt-free; the windows show what these return.
#pragma once

#include <optional>
#include <string>

namespace qm::changes {

/// What frmShowChanges' boxes hold when OK is pressed.
struct ShowChangesRequest
{
    std::string programmer;
    std::string startDate;
    std::string endDate;
    bool allFiles = false;
};

enum class ReportOutcome {
    Opened,    ///< blocks were reported; the report was handed to the text viewer
    NoneFound, ///< the report holds no block: the caller tells "No changes were found!"
    Stopped,   ///< a message told why the report could not be made
};

/// pbOk of frmShowChanges: writes the report "ChgdCode.Txt" of the active file or of every file
/// of the project, and opens it when it holds a block. Failures are reported under "pbOk_Click".
ReportOutcome runChangeReport(const ShowChangesRequest &request);

/// The path of the report file.
std::string changeReportPath();

/// The text of a notice window: its caption and its lines (joined by LF).
struct Notice
{
    std::string caption;
    std::string text;
};

/// pbDeleteCommentedCode: the host's selection without its comment lines, all of them or the
/// product's only, pasted back.
void DeleteCommentedCode(bool allComments);

/// pbDeleteDeadEvents: saves the active form, takes it out of the project, rewrites its file
/// without the event procedures of controls it no longer has (after backing up the form and
/// its .frx), and adds it back. Returns the notice to show when the form was rewritten.
std::optional<Notice> DeleteDeadEventsProc();

} // namespace qm::changes
