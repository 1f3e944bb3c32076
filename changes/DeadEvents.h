// Dead events: the event procedures of controls that are no longer on a form, taken out of the
// form file's text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::changes {

/// The events whose procedures belong to a control: a procedure "NAME_EVENT" with one of these
/// events and no control NAME on the form is dead.
inline constexpr std::string_view kDeadEventNames =
    "Paint_Resize_Click_Change_Click_DblClick_MouseDown_MouseUp_MouseMove_DragOver_DragDrop_"
    "KeyDown_KeyPress_KeyUp_LinkClose_LinkOpen_LinkNotify_LinkError_LostFocus_GotFocus";

struct DeadEventsResult
{
    std::string text;                 ///< the form without its dead event procedures
    std::vector<std::string> removed; ///< the names of the procedures taken out, in file order
    bool hasControlList = false;      ///< the text holds "Begin " lines (it is a form file)
};

/// Copies a form file's text without the event procedures of controls it no longer defines.
/// The controls are the names of the form's "Begin CLASS NAME" lines; a procedure is dead when
/// its name splits at its last "_" into a name that is not among them (nor part of one) and a
/// listed event. The form's own procedures, procedures without "_", and a procedure without its
/// "End Sub" are kept. Every kept byte is as it was, line ends included. A text without any
/// "Begin " line loses nothing.
DeadEventsResult removeDeadEvents(std::string_view formText);

} // namespace qm::changes
