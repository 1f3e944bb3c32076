// The send-keys notation: parsing a keystroke text into key chords, and escaping plain text so
// that it is typed as it stands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm::platform {

/// Modifier bits held down while a key is pressed.
namespace keymod {
inline constexpr int None = 0;
inline constexpr int Shift = 1; ///< "+"
inline constexpr int Ctrl = 2;  ///< "^"
inline constexpr int Alt = 4;   ///< "%"
} // namespace keymod

/// The keys the notation can name. `Char` is a typed character.
enum class Key {
    Char,
    Backspace,
    Break,
    CapsLock,
    Delete,
    Down,
    End,
    Enter,
    Escape,
    Help,
    Home,
    Insert,
    Left,
    NumLock,
    PageDown,
    PageUp,
    PrintScreen,
    Right,
    ScrollLock,
    Tab,
    Up,
    Add,
    Subtract,
    Multiply,
    Divide,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    F13,
    F14,
    F15,
    F16,
};

/// One key press with the modifiers held for it.
struct KeyChord
{
    Key key = Key::Char;
    char ch = 0; ///< the character, for Key::Char
    int modifiers = keymod::None;

    friend bool operator==(const KeyChord &, const KeyChord &) = default;
};

/// Parses a send-keys text: characters type themselves; "+", "^" and "%" hold Shift, Ctrl and
/// Alt for the next key or for every key of the "(...)" group that follows; "{NAME}" names a
/// key ("{ENTER}", "{F7}", letter case ignored) or a character that has a meaning of its own
/// ("{+}", "{{}", "{}}"); "{NAME n}" presses it n times; "~" is Enter. Throws VbError 5 for
/// malformed text (an unknown key name, an unbalanced brace or parenthesis, a modifier with no
/// key after it, a bad count).
std::vector<KeyChord> parseSendKeys(std::string_view text);

/// Puts every character the notation gives a meaning (+ ^ % ~ ( ) { } [ ]) in braces, so that
/// sending the result types the text as it stands.
std::string escapeSendKeys(std::string_view text);

/// The chord written back in the notation ("^+{END}", "a", "{TAB}"); for messages and tests.
std::string describeChord(const KeyChord &chord);
/// The chords of a text written back one after another.
std::string describeChords(const std::vector<KeyChord> &chords);

} // namespace qm::platform
