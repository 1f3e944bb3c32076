// The host's key map: the accelerators of its menu commands, as the settings template sends
// them (save file "^s", remove file "^{DEL}", ... help "{F1}").
#pragma once

#include "platform/SendKeys.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace qm::ide {

enum class IdeCommand {
    SaveFile,
    RemoveFile,
    Print,
    ProjectWindow,
    Toolbox,
    Find,
    CodeView,
    FormView,
    LastPosition,
    CloseWindow,
    Help,
};

class KeyMap
{
public:
    /// The host's own accelerators.
    static KeyMap defaults();

    /// Binds the one chord of `keys` to a command. Throws VbError 5 for malformed keys or
    /// keys that are not one chord.
    void bind(std::string_view keys, IdeCommand command);
    /// The command a chord stands for. Letters match in either case ("^F" is Find).
    std::optional<IdeCommand> commandFor(const platform::KeyChord &chord) const;

private:
    std::vector<std::pair<platform::KeyChord, IdeCommand>> m_bindings;
};

} // namespace qm::ide
