// Key presses at the Qt boundary: a person's key event as the host's key chord, and a chord as
// the key event that delivers it, so typed and sent keys take the same way into the host.
#pragma once

#include "platform/SendKeys.h"

#include <memory>
#include <optional>

class QKeyEvent;

namespace qm::ide {

/// The chord of a key event; nothing for a lone modifier or a key the host has no name for.
std::optional<platform::KeyChord> chordOfKeyEvent(const QKeyEvent &event);

/// The key-press event that chordOfKeyEvent turns back into the same chord.
std::unique_ptr<QKeyEvent> keyEventOfChord(const platform::KeyChord &chord);

} // namespace qm::ide
