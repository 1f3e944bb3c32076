// Chords to key events and back.
#include "ide/ui/KeyEvents.h"

#include "platform/qt/QtText.h"

#include <QKeyEvent>

#include <array>
#include <string>
#include <utility>

namespace qm::ide {
namespace {

using platform::Key;
namespace keymod = platform::keymod;

constexpr std::array<std::pair<Key, Qt::Key>, 41> kKeys = {{
    {Key::Backspace, Qt::Key_Backspace},
    {Key::Break, Qt::Key_Pause},
    {Key::CapsLock, Qt::Key_CapsLock},
    {Key::Delete, Qt::Key_Delete},
    {Key::Down, Qt::Key_Down},
    {Key::End, Qt::Key_End},
    {Key::Enter, Qt::Key_Return},
    {Key::Escape, Qt::Key_Escape},
    {Key::Help, Qt::Key_Help},
    {Key::Home, Qt::Key_Home},
    {Key::Insert, Qt::Key_Insert},
    {Key::Left, Qt::Key_Left},
    {Key::NumLock, Qt::Key_NumLock},
    {Key::PageDown, Qt::Key_PageDown},
    {Key::PageUp, Qt::Key_PageUp},
    {Key::PrintScreen, Qt::Key_Print},
    {Key::Right, Qt::Key_Right},
    {Key::ScrollLock, Qt::Key_ScrollLock},
    {Key::Tab, Qt::Key_Tab},
    {Key::Up, Qt::Key_Up},
    {Key::F1, Qt::Key_F1},
    {Key::F2, Qt::Key_F2},
    {Key::F3, Qt::Key_F3},
    {Key::F4, Qt::Key_F4},
    {Key::F5, Qt::Key_F5},
    {Key::F6, Qt::Key_F6},
    {Key::F7, Qt::Key_F7},
    {Key::F8, Qt::Key_F8},
    {Key::F9, Qt::Key_F9},
    {Key::F10, Qt::Key_F10},
    {Key::F11, Qt::Key_F11},
    {Key::F12, Qt::Key_F12},
    {Key::F13, Qt::Key_F13},
    {Key::F14, Qt::Key_F14},
    {Key::F15, Qt::Key_F15},
    {Key::F16, Qt::Key_F16},
    {Key::Enter, Qt::Key_Enter},
    {Key::Tab, Qt::Key_Backtab},
    // The numeric pad's operators come as typed characters unless sent by name.
    {Key::Add, Qt::Key_Plus},
    {Key::Subtract, Qt::Key_Minus},
    {Key::Multiply, Qt::Key_Asterisk},
}};

int modifiersOf(Qt::KeyboardModifiers modifiers)
{
    int out = keymod::None;
    if (modifiers & Qt::ShiftModifier)
        out |= keymod::Shift;
    if (modifiers & Qt::ControlModifier)
        out |= keymod::Ctrl;
    if (modifiers & Qt::AltModifier)
        out |= keymod::Alt;
    return out;
}

Qt::KeyboardModifiers qtModifiersOf(int modifiers)
{
    Qt::KeyboardModifiers out;
    if (modifiers & keymod::Shift)
        out |= Qt::ShiftModifier;
    if (modifiers & keymod::Ctrl)
        out |= Qt::ControlModifier;
    if (modifiers & keymod::Alt)
        out |= Qt::AltModifier;
    return out;
}

// The marker a sent operator key carries, so that "{ADD}" stays a key and "+" typed stays a
// character.
constexpr Qt::KeyboardModifier kPadModifier = Qt::KeypadModifier;

} // namespace

std::optional<platform::KeyChord> chordOfKeyEvent(const QKeyEvent &event)
{
    const int key = event.key();
    const int modifiers = modifiersOf(event.modifiers());
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
        key == Qt::Key_Meta || key == Qt::Key_AltGr)
        return std::nullopt;
    if (event.modifiers() & kPadModifier) {
        if (key == Qt::Key_Plus)
            return platform::KeyChord{Key::Add, 0, modifiers};
        if (key == Qt::Key_Minus)
            return platform::KeyChord{Key::Subtract, 0, modifiers};
        if (key == Qt::Key_Asterisk)
            return platform::KeyChord{Key::Multiply, 0, modifiers};
        if (key == Qt::Key_Slash)
            return platform::KeyChord{Key::Divide, 0, modifiers};
    }
    if (key == Qt::Key_Backtab)
        return platform::KeyChord{Key::Tab, 0, modifiers | keymod::Shift};
    for (const auto &[ours, qt] : kKeys) {
        if (qt == key && ours != Key::Add && ours != Key::Subtract && ours != Key::Multiply)
            return platform::KeyChord{ours, 0, modifiers};
    }
    // A character: its text when it is printable, else (Ctrl held) the letter of its key.
    const QString text = event.text();
    if (!text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127) {
        std::string byte = platform::fromQString(text.left(1));
        return platform::KeyChord{Key::Char, byte.empty() ? '?' : byte[0], modifiers};
    }
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        char c = static_cast<char>(key);
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        return platform::KeyChord{Key::Char, c, modifiers};
    }
    return std::nullopt;
}

std::unique_ptr<QKeyEvent> keyEventOfChord(const platform::KeyChord &chord)
{
    Qt::KeyboardModifiers modifiers = qtModifiersOf(chord.modifiers);
    if (chord.key == Key::Char) {
        const char c = chord.ch;
        int key = Qt::Key_unknown;
        if (c >= 'a' && c <= 'z')
            key = Qt::Key_A + (c - 'a');
        else if (static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) < 127)
            key = c >= 'A' && c <= 'Z' ? Qt::Key_A + (c - 'A') : c;
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, key, modifiers,
                                           platform::toQString(std::string_view(&c, 1)));
    }
    switch (chord.key) {
    case Key::Add:
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Plus,
                                           modifiers | kPadModifier);
    case Key::Subtract:
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Minus,
                                           modifiers | kPadModifier);
    case Key::Multiply:
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Asterisk,
                                           modifiers | kPadModifier);
    case Key::Divide:
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Slash,
                                           modifiers | kPadModifier);
    default:
        break;
    }
    for (const auto &[ours, qt] : kKeys) {
        if (ours == chord.key)
            return std::make_unique<QKeyEvent>(QEvent::KeyPress, qt, modifiers);
    }
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_unknown, modifiers);
}

} // namespace qm::ide
