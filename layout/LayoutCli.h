// The qm commands of the form layout tools.
#pragma once

namespace qm::common::cli {
class CommandTable;
}

namespace qm::layout {

/// qm taborder and qm layout: a form file with the selected controls' tab order, position,
/// size, font, look or text changed as the layout window would change them.
void addLayoutCommands(common::cli::CommandTable &table);

} // namespace qm::layout
