// The host round trips of the change report and the cleanup commands.
#include "changes/CleanupGlue.h"

#include "changes/ChangeReport.h"
#include "changes/CommentCleanup.h"
#include "changes/DeadEvents.h"
#include "changes/ProjectChanges.h"
#include "common/ErrorReports.h"
#include "common/HostRoundTrip.h"
#include "common/ProgramState.h"
#include "host/Host.h"
#include "platform/AppFiles.h"
#include "platform/Dates.h"
#include "platform/FileSystem.h"
#include "platform/FormBackup.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

namespace qm::changes {
using common::ignoreErrors;
using common::programState;
using common::UserMessage;
using common::UserMessageError;
namespace mb = platform::mb;

namespace {

// The busy mouse pointer for the life of a long operation, whichever way it ends.
class BusyPointer
{
public:
    BusyPointer()
    {
        ignoreErrors([] { platform::ui().setMousePointer(11); });
    }
    ~BusyPointer()
    {
        ignoreErrors([] { platform::ui().setMousePointer(0); });
    }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

[[noreturn]] void stop(const char *title, const char *text, int style)
{
    throw UserMessageError(UserMessage{title, text, style});
}

// --- Show Changes ---------------------------------------------------------------------------

// The project file of "All Files": the one the host reported, else one the programmer picks.
std::string findProjectFile()
{
    std::string &project = programState().currentProjectFileName;
    if (!project.empty())
        return project;
    platform::FileDialogRequest request;
    request.title = "Select Current Project Name";
    request.filter = "Project (*.MAK;*.VBP)|*.mak;*.vbp";
    std::optional<std::string> chosen = platform::ui().openFileDialog(request);
    if (!chosen || chosen->empty())
        stop("No Action", "Can't Determine Project Filename!", mb::Exclamation);
    project = *chosen;
    return project;
}

std::string allFilesReport(const ChangeFilter &filter, bool &found)
{
    const std::string project = findProjectFile();
    std::string projectText;
    try {
        projectText = platform::readFile(project);
    } catch (const platform::VbError &) {
        stop("No Action", "Can't open Project File!", mb::Exclamation);
    }
    ProjectChanges changes =
        reportProjectChangesOnDisk(projectText, project, filter, false, platform::dateSeparator());
    found = changes.found();
    if (!changes.unreadable.empty()) {
        std::string text;
        for (const std::string &file : changes.unreadable)
            text.append(text.empty() ? "" : "\n").append("Can't open file: ").append(file);
        // The report is written and opened all the same; the missing files are told once.
        common::showMessage({"File Error", text, mb::Critical});
    }
    return std::move(changes.report);
}

std::string currentFileReport(const ChangeFilter &filter, bool &found)
{
    host::Host *host = programState().host;
    if (!host)
        throw platform::VbError(platform::err::ObjectNotSet);
    const std::string file = host->activeComponentFileName();
    if (file.empty())
        stop("No Action", "Can't Determine Module Filename!", mb::Exclamation);
    std::string text;
    try {
        text = platform::readFile(file);
    } catch (const platform::VbError &e) {
        throw UserMessageError(
            common::systemErrorReport(e.number, e.description, "GetChangesToFile"));
    }
    std::string report = moduleHeading(file);
    FileChanges changes = GetChangesToFile(text, filter, platform::dateSeparator());
    found = changes.found();
    report.append(changes.report);
    return report;
}

} // namespace

std::string changeReportPath()
{
    return platform::appFilePath("ChgdCode.Txt", platform::AppFile::Written);
}

ReportOutcome runChangeReport(const ShowChangesRequest &request)
{
    ReportOutcome outcome = ReportOutcome::Stopped;
    common::guarded("pbOk_Click", [&] {
        BusyPointer busy;
        common::recordHostState();
        const ChangeFilter filter =
            makeChangeFilter(request.programmer, request.startDate, request.endDate);
        const std::string path = changeReportPath();
        ignoreErrors([&] { platform::deleteFile(path); });
        bool found = false;
        std::string report;
        try {
            report =
                request.allFiles ? allFilesReport(filter, found) : currentFileReport(filter, found);
        } catch (const UserMessageError &) {
            platform::writeFile(path, report); // what was written so far: nothing
            throw;
        }
        platform::writeFile(path, report);
        if (!found) {
            outcome = ReportOutcome::NoneFound;
            return;
        }
        platform::ui().openDocument(path);
        outcome = ReportOutcome::Opened;
    });
    return outcome;
}

void DeleteCommentedCode(bool allComments)
{
    // A tool of whole lines: the host widens its selection before it is copied.
    common::HostRoundTrip("DeleteCommentedCode").wholeLines().run([&](const std::string &code) {
        return changes::DeleteCommentedCode(code,
                                            allComments ? CommentKind::All : CommentKind::Product);
    });
}

std::optional<Notice> DeleteDeadEventsProc()
{
    std::optional<Notice> notice;
    std::string form;
    bool removed = false;
    auto addBack = [&] {
        if (removed && programState().host)
            ignoreErrors([&] { programState().host->addFileToProject(form); });
        removed = false;
    };
    common::guarded("DeleteDeadEventsProc", [&] {
        BusyPointer busy;
        form = common::saveActiveForm();
        if (form.empty())
            stop("No Action", "Can't capture ActiveForm Filename, try again!", mb::Exclamation);

        common::removeActiveFormFromProject();
        removed = true;

        try {
            const std::string text = platform::readFile(form);
            const DeadEventsResult result = removeDeadEvents(text);
            if (!result.hasControlList)
                throw UserMessageError(UserMessage{
                    "No Action", "Can't find the controls of " + form + "; nothing was deleted.",
                    mb::Exclamation});
            try {
                const std::string work =
                    platform::appFilePath("tmp_code.cod", platform::AppFile::Written);
                ignoreErrors([&] { platform::deleteFile(work); });
                platform::writeFile(work, result.text);
            } catch (const platform::VbError &) {
                stop("Process Terminated", "Can't open temporary code file!", mb::Exclamation);
            }
            try {
                platform::rewriteFormWithBackups(form, result.text);
                programState().host->addFileToProject(form);
                removed = false;
            } catch (const platform::VbError &) {
                stop("Process Terminated", "Can't copy temporary code file!", mb::Exclamation);
            }
        } catch (...) {
            addBack(); // the programmer's form never stays out of the project
            throw;
        }
        notice = Notice{"Dead Events Deleted", "Your old copy of \n" + form + "\nis now called " +
                                                   platform::withExtension(form, ".bk$") +
                                                   "\nin case you want to restore it."};
    });
    return notice;
}

} // namespace qm::changes
