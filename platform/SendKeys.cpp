// Send-keys parsing: one pass over the text, modifiers carried into groups by a stack.
#include "platform/SendKeys.h"

#include "platform/Text.h"
#include "platform/VbError.h"

#include <array>
#include <cstddef>

namespace qm::platform {
namespace {

// A text asking for more key presses than this is refused rather than queued: no keystroke
// sequence the product sends comes near it, and it keeps a runaway count from eating memory.
constexpr std::size_t kMaxChords = 65535;
constexpr int kMaxRepeat = 32767;

struct KeyName
{
    std::string_view name;
    Key key;
};

constexpr std::array<KeyName, 45> kKeyNames = {{
    {"BACKSPACE", Key::Backspace},
    {"BS", Key::Backspace},
    {"BKSP", Key::Backspace},
    {"BREAK", Key::Break},
    {"CAPSLOCK", Key::CapsLock},
    {"DEL", Key::Delete},
    {"DELETE", Key::Delete},
    {"DOWN", Key::Down},
    {"END", Key::End},
    {"ENTER", Key::Enter},
    {"ESC", Key::Escape},
    {"HELP", Key::Help},
    {"HOME", Key::Home},
    {"INS", Key::Insert},
    {"INSERT", Key::Insert},
    {"LEFT", Key::Left},
    {"NUMLOCK", Key::NumLock},
    {"PGDN", Key::PageDown},
    {"PGUP", Key::PageUp},
    {"PRTSC", Key::PrintScreen},
    {"RIGHT", Key::Right},
    {"SCROLLLOCK", Key::ScrollLock},
    {"TAB", Key::Tab},
    {"UP", Key::Up},
    {"ADD", Key::Add},
    {"SUBTRACT", Key::Subtract},
    {"MULTIPLY", Key::Multiply},
    {"DIVIDE", Key::Divide},
    {"F1", Key::F1},
    {"F2", Key::F2},
    {"F3", Key::F3},
    {"F4", Key::F4},
    {"F5", Key::F5},
    {"F6", Key::F6},
    {"F7", Key::F7},
    {"F8", Key::F8},
    {"F9", Key::F9},
    {"F10", Key::F10},
    {"F11", Key::F11},
    {"F12", Key::F12},
    {"F13", Key::F13},
    {"F14", Key::F14},
    {"F15", Key::F15},
    {"F16", Key::F16},
    {"ESCAPE", Key::Escape},
}};

[[noreturn]] void malformed()
{
    throw VbError(err::InvalidProcedureCall);
}

bool isSpecial(char c)
{
    switch (c) {
    case '+':
    case '^':
    case '%':
    case '~':
    case '(':
    case ')':
    case '{':
    case '}':
    case '[':
    case ']':
        return true;
    default:
        return false;
    }
}

int modifierOf(char c)
{
    switch (c) {
    case '+':
        return keymod::Shift;
    case '^':
        return keymod::Ctrl;
    case '%':
        return keymod::Alt;
    default:
        return keymod::None;
    }
}

KeyChord lookUpKey(std::string_view name)
{
    if (name.size() == 1)
        return {Key::Char, name[0], keymod::None};
    for (const KeyName &entry : kKeyNames) {
        if (equalsIgnoreCase(entry.name, name))
            return {entry.key, 0, keymod::None};
    }
    malformed();
}

class Parser
{
public:
    explicit Parser(std::string_view text)
        : m_text(text)
    {}

    std::vector<KeyChord> run()
    {
        std::vector<int> groups; // the modifiers held for every key of each open group
        int pending = keymod::None;
        while (m_pos < m_text.size()) {
            char c = m_text[m_pos++];
            if (int mod = modifierOf(c)) {
                pending |= mod;
                continue;
            }
            int held = (groups.empty() ? keymod::None : groups.back());
            switch (c) {
            case '(':
                groups.push_back(held | pending);
                pending = keymod::None;
                continue;
            case ')':
                // An empty group presses nothing: "Form_Load()" types "Form_Load".
                if (groups.empty() || pending != keymod::None)
                    malformed();
                groups.pop_back();
                continue;
            case '}':
                malformed();
            case '{':
                braced(held | pending);
                break;
            case '~':
                emit({Key::Enter, 0, held | pending}, 1);
                break;
            default:
                emit(plainChar(c, held | pending), 1);
                break;
            }
            pending = keymod::None;
        }
        if (!groups.empty() || pending != keymod::None)
            malformed();
        return std::move(m_out);
    }

private:
    static KeyChord plainChar(char c, int modifiers)
    {
        // A line break in typed text presses Enter once, whatever its form.
        if (c == '\r' || c == '\n')
            return {Key::Enter, 0, modifiers};
        return {Key::Char, c, modifiers};
    }

    void braced(int modifiers)
    {
        // "{}}" and "{} n}" name the closing brace itself; otherwise the name ends at the first
        // closing brace.
        std::size_t start = m_pos;
        std::size_t close;
        if (m_pos < m_text.size() && m_text[m_pos] == '}') {
            close = m_text.find('}', m_pos + 1);
            if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '}')
                close = m_pos + 1;
        } else {
            close = m_text.find('}', m_pos);
        }
        if (close == std::string_view::npos)
            malformed();
        std::string_view inside = m_text.substr(start, close - start);
        m_pos = close + 1;
        if (inside.empty())
            malformed();

        int count = 1;
        std::size_t space = inside.rfind(' ');
        if (space != std::string_view::npos && space > 0) {
            std::string_view digits = inside.substr(space + 1);
            if (digits.empty() || digits.size() > 5)
                malformed();
            count = 0;
            for (char d : digits) {
                if (!isAsciiDigit(d))
                    malformed();
                count = count * 10 + (d - '0');
            }
            if (count > kMaxRepeat)
                malformed();
            inside = inside.substr(0, space);
        }
        KeyChord chord = lookUpKey(inside);
        chord.modifiers = modifiers;
        emit(chord, count);
    }

    void emit(const KeyChord &chord, int count)
    {
        if (m_out.size() + static_cast<std::size_t>(count) > kMaxChords)
            malformed();
        m_out.insert(m_out.end(), static_cast<std::size_t>(count), chord);
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::vector<KeyChord> m_out;
};

} // namespace

std::vector<KeyChord> parseSendKeys(std::string_view text)
{
    return Parser(text).run();
}

std::string escapeSendKeys(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (isSpecial(c)) {
            out += '{';
            out += c;
            out += '}';
        } else {
            out += c;
        }
    }
    return out;
}

std::string describeChord(const KeyChord &chord)
{
    std::string out;
    if (chord.modifiers & keymod::Shift)
        out += '+';
    if (chord.modifiers & keymod::Ctrl)
        out += '^';
    if (chord.modifiers & keymod::Alt)
        out += '%';
    if (chord.key == Key::Char) {
        if (isSpecial(chord.ch)) {
            out += '{';
            out += chord.ch;
            out += '}';
        } else {
            out += chord.ch;
        }
        return out;
    }
    for (const KeyName &entry : kKeyNames) {
        if (entry.key == chord.key) {
            out += '{';
            out += entry.name;
            out += '}';
            break;
        }
    }
    return out;
}

std::string describeChords(const std::vector<KeyChord> &chords)
{
    std::string out;
    for (const KeyChord &chord : chords)
        out += describeChord(chord);
    return out;
}

} // namespace qm::platform
