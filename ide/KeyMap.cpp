// The host's accelerators.
#include "ide/KeyMap.h"

#include "platform/Text.h"
#include "platform/VbError.h"

namespace qm::ide {
namespace {

platform::KeyChord normalized(platform::KeyChord chord)
{
    if (chord.key == platform::Key::Char)
        chord.ch = platform::toLowerAscii(chord.ch);
    return chord;
}

} // namespace

KeyMap KeyMap::defaults()
{
    KeyMap map;
    map.bind("^s", IdeCommand::SaveFile);
    map.bind("^{DEL}", IdeCommand::RemoveFile);
    map.bind("^p", IdeCommand::Print);
    map.bind("^r", IdeCommand::ProjectWindow);
    map.bind("^t", IdeCommand::Toolbox);
    map.bind("^f", IdeCommand::Find);
    map.bind("{F7}", IdeCommand::CodeView);
    map.bind("+{F7}", IdeCommand::FormView);
    map.bind("^+{F2}", IdeCommand::LastPosition);
    map.bind("^{F4}", IdeCommand::CloseWindow);
    map.bind("{F1}", IdeCommand::Help);
    return map;
}

void KeyMap::bind(std::string_view keys, IdeCommand command)
{
    auto chords = platform::parseSendKeys(keys);
    if (chords.size() != 1)
        throw platform::VbError(platform::err::InvalidProcedureCall);
    platform::KeyChord chord = normalized(chords.front());
    for (auto &binding : m_bindings) {
        if (binding.first == chord) {
            binding.second = command;
            return;
        }
    }
    m_bindings.emplace_back(chord, command);
}

std::optional<IdeCommand> KeyMap::commandFor(const platform::KeyChord &chord) const
{
    platform::KeyChord key = normalized(chord);
    for (const auto &binding : m_bindings) {
        if (binding.first == key)
            return binding.second;
    }
    return std::nullopt;
}

} // namespace qm::ide
