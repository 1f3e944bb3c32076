// The object library window's operations against the host.
#include "library/LibraryGlue.h"

#include "codetext/Capture.h"
#include "common/ErrorReports.h"
#include "common/HostRoundTrip.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "host/Host.h"
#include "library/FileNames.h"
#include "platform/AppFiles.h"
#include "platform/FileSystem.h"
#include "platform/FormBackup.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <cctype>

namespace qm::library {
namespace {

using common::programState;
using common::UserMessageError;
namespace mb = platform::mb;

[[noreturn]] void stop(const char *title, std::string text, int style = mb::Exclamation)
{
    throw UserMessageError({title, std::move(text), style});
}

host::Host &theHost()
{
    if (!programState().host)
        throw platform::VbError(91);
    return *programState().host;
}

// The index of a control-array member; nothing for a control that is no array member (the
// host refuses to read its Index).
std::optional<int> arrayIndex(const host::Control &control)
{
    std::optional<int> index;
    common::ignoreErrors([&] {
        const host::PropertyValue value = control.property("Index");
        if (value.isNumber() && value.toLong() >= 0)
            index = value.toLong();
    });
    return index;
}

// Rewrites the host's form file with `after`: the form leaves the project, its file is backed up
// (".bk$", and ".bx$" for its ".frx" when `frx` asks for it) and replaced, and the form comes back
// into the project, so the rest of the project keeps its unsaved changes.
void rewriteFormFile(const std::string &form, const std::string &after, platform::FrxBackup frx)
{
    common::removeActiveFormFromProject();
    try {
        platform::rewriteFormWithBackups(form, after, frx);
    } catch (...) {
        common::ignoreErrors([&] { theHost().addFileToProject(form); });
        throw;
    }
    theHost().addFileToProject(form);
}

} // namespace

ObjectLibrary &programLibrary()
{
    static ObjectLibrary library = ObjectLibrary::ofProgram();
    return library;
}

std::vector<ProcNameObj> LoadObjectList(ObjectKind kind)
{
    std::vector<ProcNameObj> records;
    common::guarded("LoadObjectList", [&] { records = programLibrary().load(kind); });
    return records;
}

bool DeleteObject(ObjectKind kind, std::size_t index)
{
    const int answer = common::showMessage({"Confirm Object Deleteion",
                                            "Are you absolutely sure you want to delete\n"
                                            "the selected object?",
                                            mb::YesNo});
    if (answer != mb::Yes)
        return false;
    return common::guarded("DeleteObject", [&] { programLibrary().remove(kind, index); });
}

void PasteProcedure(const ProcNameObj &record)
{
    std::string text;
    if (!common::guardedWith(
            [&](const platform::VbError &) {
                return common::UserMessage{"Get Object Failed", "Can't open " + record.ProcAlias,
                                           mb::Critical};
            },
            [&] { text = programLibrary().read(record); }))
        return;
    common::HostRoundTrip("pbPasteObject_Click").returnText(text);
}

bool CaptureProcedure(const std::function<std::optional<std::string>()> &describe)
{
    common::recordHostState();
    const std::string proc = codetext::CaptureCurrentProc();
    if (proc.find_first_not_of(" \t\r\n") == std::string::npos)
        return false;
    const std::optional<std::string> description = describe();
    if (!description)
        return false;
    const std::string name = GetNameFromProc(proc);
    if (name.empty())
        return false;
    return common::guarded("CaptureObject", [&] {
        programLibrary().add(ObjectKind::Procs, name, *description, proc);
    });
}

std::string GetActiveFormName()
{
    std::string name;
    common::guarded("GetActiveFormName", [&] {
        name = common::saveActiveForm();
        if (name.empty())
            stop("No Action", "Quillmark can't capture ActiveForm name.", mb::Critical);
    });
    return name;
}

bool CaptureFile(
    ObjectKind kind,
    const std::function<std::optional<std::pair<std::string, std::string>>()> &describe)
{
    const std::string file = GetActiveFormName();
    if (file.empty())
        return false;
    const auto answer = describe();
    if (!answer)
        return false;
    return common::guarded("CaptureObject", [&] {
        std::optional<std::string> frx;
        const std::string frxPath = platform::withExtension(file, ".frx");
        if (kind == ObjectKind::Forms && platform::fileExists(frxPath))
            frx = platform::readFile(frxPath);
        programLibrary().add(kind, answer->first, answer->second, platform::readFile(file), frx);
    });
}

void PasteTextBoxCode(const TextBoxOptions &options)
{
    common::guarded("pbPastetoForm_Click", [&] {
        common::recordHostState();
        std::vector<TextBoxControl> controls;
        for (const host::ControlPtr &control : theHost().selectedControls()) {
            controls.push_back({control->name(), arrayIndex(*control)});
        }
        if (controls.empty())
            stop("No Action", "No controls selected!");
        const std::string code = textBoxCode(controls, options);
        if (common::saveActiveForm().empty())
            stop("Code Not Pasted",
                 "Quillmark can't capture the filename of\nthe destination form, and the code "
                 "can't\nbe pasted.  Please initiate the function\nagain.   ");
        const std::string temp = platform::appFilePath("tempcode.txt", platform::AppFile::Written);
        platform::writeFile(temp, code);
        try {
            theHost().insertFileIntoActiveForm(temp);
        } catch (...) {
            common::ignoreErrors([&] { platform::deleteFile(temp); });
            throw;
        }
        common::ignoreErrors([&] { platform::deleteFile(temp); });
    });
}

void CloneObject(const std::string &extension, const std::optional<std::string> &sourceGiven)
{
    common::guardedWith(
        [](const platform::VbError &e) {
            return common::UserMessage{"CopyMenu Error",
                                       "Copy/Delete has encountered an error.  You \n"
                                       "need to check the status of the file to which\n"
                                       "we were copying the menu to.\nError: " +
                                           e.description,
                                       mb::Critical};
        },
        [&] {
            auto &ui = platform::ui();
            common::recordHostState();
            std::string source;
            if (sourceGiven) {
                source = *sourceGiven;
            } else {
                std::optional<std::string> chosen = ui.openFileDialog(
                    {"Select Form to Clone", "Forms (*.frm)|*.frm", 1, {}, {}, 0});
                if (!chosen)
                    return;
                source = *chosen;
            }
            const std::optional<std::string> target =
                ui.saveFileDialog({"Select or Enter Name for New Object",
                                   "*." + extension + "|*." + extension,
                                   1,
                                   {},
                                   "NewFile." + extension,
                                   0});
            if (!target || upperTrimmed(*target).empty())
                stop("Input Error", "You must select a Filename for your New Object!");
            if (upperTrimmed(*target) == upperTrimmed(source))
                stop("File Name Error", "Cloned Form Name can't be the same as the original!");
            const std::string name =
                ui.inputBox("Enter Internal Name for Cloned Object.", "Internal Name", "CloneName");
            if (upperTrimmed(name).empty())
                stop("Input Error", "You must choose a name for Cloned Object!");
            const bool isForm = upperTrimmed(extension) == "FRM";
            CloneRequest request{name, {}, {}, {}};
            if (isForm) {
                request.caption = ui.inputBox("Please enter the Caption for your new form.",
                                              "New Form Caption", "New Form Caption");
                if (upperTrimmed(request.caption).empty())
                    request.caption = "Cloned from " + platform::fileNamePart(source);
                request.sourceFrx = platform::fileNamePart(platform::withExtension(source, ".frx"));
                request.targetFrx =
                    platform::fileNamePart(platform::withExtension(*target, ".frx"));
            }
            const std::string text = cloneObjectText(platform::readFile(source), request);
            const std::string frx = platform::withExtension(source, ".frx");
            if (isForm && platform::fileExists(frx))
                platform::copyFile(frx, platform::withExtension(*target, ".frx"));
            platform::writeFile(*target, text);
            if (programState().host)
                programState().host->addFileToProject(*target);
            common::showMessage({"Clone Complete",
                                 platform::fileNamePart(source) + " has been cloned as " +
                                     platform::fileNamePart(*target) +
                                     "\nand added to your project.",
                                 mb::Information});
        });
}

void DeleteSelectedControls()
{
    common::guarded("DeleteControlsProc", [&] {
        common::recordHostState();
        std::vector<std::string> names;
        for (const host::ControlPtr &control : theHost().selectedControls()) {
            std::string name = control->name();
            if (const std::optional<int> index = arrayIndex(*control))
                name += "(" + std::to_string(*index) + ")";
            names.push_back(name);
        }
        if (names.empty())
            stop("No Action", "No controls selected for deletion!");
        const std::string form = common::saveActiveForm();
        if (form.empty())
            stop(
                "Controls Not Deleted",
                "Quillmark can't capture the name of the\nfile and the controls and code can't be\n"
                "deleted.  Please try the Delete Controls\nagain.");
        rewriteFormFile(form, deleteControls(platform::readFile(form), names),
                        platform::FrxBackup::IfPresent);
        common::showMessage({"Controls && Code Deleted",
                             "Your old .FRM/.FRX Files are backed up as name.BK$/BX$",
                             mb::Information});
    });
}

std::vector<std::string> GetControlsAndCode()
{
    std::vector<std::string> names;
    common::guarded("GetControlsAndCode", [&] {
        auto &ui = platform::ui();
        common::recordHostState();
        std::vector<std::string> selected;
        for (const host::ControlPtr &control : theHost().selectedControls())
            selected.push_back(control->name());
        if (selected.empty())
            stop("No Action", "No controls selected to copy!");
        ui.activate(programState().hostCaption);
        ui.sendKeys(common::settings().keys.CopyToClipboard, true);
        const std::string form = common::saveActiveForm();
        if (form.empty())
            stop("Controls Not Copied",
                 "Quillmark can't capture the filename\nof the source file!  Please start the\n"
                 "Copy function again.  Possibly, reduce\nthe number of controls to be copied at\n"
                 "one time to reduce the timing problem.");
        const std::string code = eventProcedures(platform::readFile(form), selected);
        try {
            platform::writeFile(platform::appFilePath("tmp_code.cod", platform::AppFile::Written),
                                code);
        } catch (const platform::VbError &) {
            stop("Copy Controls Failure", "CopyCodeProc cant open Tmp_Code.Cod");
        }
        names = selected;
        common::showMessage(
            {"", "Code and controls copied, select new form and Paste Controls.", mb::Information});
    });
    return names;
}

void PasteControlsAndCode(const std::vector<std::string> &copied)
{
    common::guarded("PasteControlsAndCode", [&] {
        if (copied.empty())
            stop("Nothing To Paste",
                 "You have not Copied Controls prior to selecting\nthe Paste option!");
        auto &ui = platform::ui();
        common::recordHostState();
        ui.activate(programState().hostCaption);
        ui.sendKeys(common::settings().keys.PasteFromClipboard, true);
        if (common::saveActiveForm().empty())
            stop("Paste Controls Error",
                 "Quillmark can't capture the filename of\nthe destination form, and the controls "
                 "can't\nbe pasted.  Please initiate the Copy Controls\nfunction again.  Perhaps "
                 "you should reduce\nthe number of controls copied at one time to \neliminate any "
                 "timing problems.");
        theHost().insertFileIntoActiveForm(
            platform::appFilePath("tmp_code.cod", platform::AppFile::Written));
        common::showMessage({"Object and Code Pasted",
                             "Controls and Code have been pasted to your form, but the form has "
                             "not been saved.",
                             mb::Information});
    });
}

bool CaptureControlSet(
    const std::vector<std::string> &copied,
    const std::function<std::optional<std::pair<std::string, std::string>>()> &describe)
{
    if (copied.empty()) {
        common::showMessage({"Nothing To Paste",
                             "You have not Copied Controls prior to selecting\nthe Paste option!",
                             mb::Exclamation});
        return false;
    }
    const auto answer = describe();
    if (!answer)
        return false;
    return common::guarded("CaptureObject", [&] {
        auto &ui = platform::ui();
        const common::KeystrokeSettings &keys = common::settings().keys;
        ObjectLibrary &library = programLibrary();
        const std::vector<ProcNameObj> records = library.load(ObjectKind::Controls);
        const std::string alias =
            nextObjectAlias(ObjectKind::Controls, records, [&](const std::string &a) {
                return platform::fileExists(library.pathOf(a));
            });
        const std::string base = alias.substr(0, alias.rfind('.'));
        const std::string path = library.pathOf(alias);
        platform::writeFile(path, controlSetHeader(base));
        common::recordHostState();
        ui.activate(programState().hostCaption);
        ui.sendKeys(keys.ViewProject, true);
        theHost().addFileToProject(path);
        ui.activate(programState().hostCaption);
        ui.sendKeys(keys.ViewForm, true);
        ui.sendKeys(keys.PasteFromClipboard, true);
        theHost().insertFileIntoActiveForm(
            platform::appFilePath("tmp_code.cod", platform::AppFile::Written));
        ui.sendKeys(keys.FileSave, true);
        ui.sendKeys(keys.FileRemove, true);
        ui.processEvents();
        platform::appendFile(library.pathOf(kindInfo(ObjectKind::Controls).listFile),
                             formatListLine({answer->first, answer->second, alias}, true));
    });
}

bool OpenControlSet(const std::string &path)
{
    return common::guardedWith(
        [](const platform::VbError &e) {
            return common::UserMessage{"PasteObject Error",
                                       "We have encountered the following error,\n" +
                                           e.description +
                                           "\nPlease make sure that you have seleted an\n"
                                           "by clicking directly in the Name of the \n"
                                           "desired object in the outline and try again.",
                                       mb::Critical};
        },
        [&] {
            auto &ui = platform::ui();
            common::recordHostState();
            ui.activate(programState().hostCaption);
            ui.sendKeys(common::settings().keys.ViewProject, true);
            theHost().addFileToProject(path);
            ui.activate(programState().hostCaption);
            ui.sendKeys("+({F7})", true);
        });
}

void PasteMenuProc(const std::string &sourceForm)
{
    common::guarded("PasteMenuProc", [&] {
        if (sourceForm.empty())
            stop("Paste Menu Error", "You must click Copy Menu before Paste Menu!");
        const std::string form = common::saveActiveForm();
        if (form.empty())
            stop("Paste Menu Error", "Can't capture ActiveForm Filename, try again!");
        if (upperTrimmed(form) == upperTrimmed(sourceForm))
            stop("File Name Error", "Output Form Name can't be the same as the original!");
        std::string source;
        try {
            source = platform::readFile(sourceForm);
        } catch (const platform::VbError &) {
            stop("Paste Menu Error", "Can't open " + sourceForm);
        }
        rewriteFormFile(form, pasteMenu(source, platform::readFile(form)),
                        platform::FrxBackup::Skip);
        common::showMessage({"Paste Menu", "Menu and code have been copied.", mb::Information});
    });
}

} // namespace qm::library
