// The library's rewrites of form, module and class text: clones, the event code of copied
// controls, deleting controls with their code, pasting a menu with its code, and the standard
// code behind text boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::library {

/// What a clone changes. An empty `caption` leaves a module's or class's text without one.
struct CloneRequest
{
    std::string internalName; ///< the new VB_Name, form name and LinkTopic
    std::string caption;      ///< the new form's caption (forms only)
    std::string sourceFrx;    ///< the file name of the source's ".frx" ("frmOrder.frx")
    std::string targetFrx;    ///< the clone's ".frx" file name
};

/// The text of a cloned form, module or class. In a form only the form's own Caption and
/// LinkTopic change (a form without a caption gets one); the Begin line and VB_Name take the
/// internal name; quoted references to the source's ".frx" name the clone's. Each line keeps
/// its line end.
std::string cloneObjectText(std::string_view text, const CloneRequest &request);

/// The procedures of a text whose header names one of `controls` followed by "_" (letter case
/// ignored), whole, in text order: the event code of copied controls.
std::string eventProcedures(std::string_view text, const std::vector<std::string> &controls);

/// The names of the controls of a form, nested ones included, in file order (once each).
std::vector<std::string> controlNames(std::string_view formText);

/// The form without the named controls (every member of a control array named without an
/// index, only that member for "Name(Index)"), the controls they contain, and the event
/// procedures of every control that no longer exists. Throws UserMessageError for a name the
/// form does not hold.
std::string deleteControls(std::string_view formText, const std::vector<std::string> &controls);

/// The destination form with the source's menus (every top-level menu block with its items)
/// added after its last control, and the menu items' event procedures appended to its code.
/// The added lines take the destination's line ends. Throws UserMessageError when the source
/// has no menu or the destination already holds a control of a menu item's name.
std::string pasteMenu(std::string_view sourceForm, std::string_view destinationForm);

/// A selected control for the code behind text boxes: a control-array member has an index.
struct TextBoxControl
{
    std::string name;
    std::optional<int> index;
};

struct TextBoxOptions
{
    bool enterToTab = false;
    bool selectOnFocus = false;
    bool killBeep = false;
};

/// The checked templates for each control, in the order KeyDown, GotFocus, KeyPress, lines
/// ended by CR LF. Array forms are written only for the first control-array member met.
std::string textBoxCode(const std::vector<TextBoxControl> &controls, const TextBoxOptions &options);

/// "txtA" or "txtA(2)" as a TextBoxControl; nullopt for anything else.
std::optional<TextBoxControl> parseTextBoxControl(std::string_view text);

/// The procedure text with its name changed from `oldName` to `newName` in its header, its end
/// line and every assignment to the old name (a function's return value).
std::string
renameProcedure(std::string_view procText, std::string_view oldName, std::string_view newName);

} // namespace qm::library
