// The object library window's operations against the host: loading and deleting stored
// objects, saving and pasting procedures, cloning a form, and the code behind text boxes.
#pragma once

#include "library/FormRewrite.h"
#include "library/ObjectStore.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qm::library {

/// The add-in's own library (the program directory's files).
ObjectLibrary &programLibrary();

/// The records of a kind; a list that cannot be read is reported as "LoadObjectList" and gives
/// no records.
std::vector<ProcNameObj> LoadObjectList(ObjectKind kind);

/// Asks for confirmation and deletes record `index` of a kind. True when it was deleted.
bool DeleteObject(ObjectKind kind, std::size_t index);

/// Pastes a stored procedure at the cursor of the host's code window.
void PasteProcedure(const ProcNameObj &record);

/// Captures the host's current procedure and stores it, the description asked of `describe`
/// (nullopt when cancelled). True when stored.
bool CaptureProcedure(const std::function<std::optional<std::string>()> &describe);

/// Stores the file the host saves for its active form, module or class (forms with their
/// ".frx"), under a name and description asked of `describe` (nullopt when cancelled).
bool CaptureFile(
    ObjectKind kind,
    const std::function<std::optional<std::pair<std::string, std::string>>()> &describe);

/// The file name the host writes when sent its save keystroke, waited for at most ten seconds;
/// empty (after "Quillmark can't capture ActiveForm name.") when none came.
std::string GetActiveFormName();

/// The checked templates for the host's selected controls, inserted into the active form.
void PasteTextBoxCode(const TextBoxOptions &options);

/// Clone Form: asks for the source, the new file, its internal name and caption, writes the
/// clone and adds it to the project. `source` skips the first dialog (a stored object).
void CloneObject(const std::string &extension,
                 const std::optional<std::string> &source = std::nullopt);

/// Delete Controls && Code on the host's active form: the selected controls and their code
/// leave the form file, which keeps backups ".bk$" and ".bx$"; the form is taken out of the
/// project while its file is rewritten and added again.
void DeleteSelectedControls();

/// Copy Controls && Code: the selected controls go to the host's clipboard and their event
/// procedures to "tmp_code.cod". Returns the names copied (empty when nothing was).
std::vector<std::string> GetControlsAndCode();

/// Paste Controls && Code: the copied controls onto the active form, their code into its module.
void PasteControlsAndCode(const std::vector<std::string> &copied);

/// Saves the copied controls as a control set: a new form file in the library with the fixed
/// header, the controls pasted onto it in the host and their code inserted, saved and taken
/// out of the project again; then its record. True when stored.
bool CaptureControlSet(
    const std::vector<std::string> &copied,
    const std::function<std::optional<std::pair<std::string, std::string>>()> &describe);

/// The wizard's first step for a stored control set: adds its form file to the project and
/// shows its form. False (after a "PasteObject Error") when that failed.
bool OpenControlSet(const std::string &path);

/// Paste Menu: the menus of `sourceForm` and their code go into the host's active form, which
/// keeps a backup ".bk$"; it leaves the project while
/// its file is rewritten and comes back. An empty source says Copy Menu comes first.
void PasteMenuProc(const std::string &sourceForm);

} // namespace qm::library
