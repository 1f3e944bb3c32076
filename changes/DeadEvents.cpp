// Removing dead event procedures from a form file: one pass over the lines, collecting the
// controls of the "Begin" lines and leaving out the procedures none of them owns.
#include "changes/DeadEvents.h"

#include "common/TextHelpers.h"
#include "platform/Text.h"

#include <map>
#include <optional>
#include <vector>

namespace qm::changes {
namespace {

struct Line
{
    std::string_view text;  ///< without its line end
    std::string_view whole; ///< with it
};

// The line at `pos`, and `pos` moved past it.
Line nextLine(std::string_view text, size_t &pos)
{
    size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    std::string_view line = text.substr(pos, end - pos);
    if (end < text.size()) {
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        ++end;
    }
    Line result{line, text.substr(pos, end - pos)};
    pos = end;
    return result;
}

// The next blank-separated word of `rest`, taken off it.
std::string_view nextToken(std::string_view &rest)
{
    size_t start = rest.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    size_t end = rest.find_first_of(" \t", start);
    if (end == std::string_view::npos)
        end = rest.size();
    std::string_view word = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return word;
}

// "Begin VB.CommandButton cmdOK": the name after the class, whose own name may hold dots.
std::optional<std::string_view> beginLineControl(std::string_view line)
{
    std::string_view text = platform::trimSpace(line);
    if (!text.starts_with("Begin "))
        return std::nullopt;
    std::string_view rest = text;
    nextToken(rest); // Begin
    nextToken(rest); // the class
    return nextToken(rest);
}

bool isModifier(std::string_view word)
{
    return word == "Public" || word == "Private" || word == "Friend" || word == "Static" ||
           word == "Global";
}

// The name of a Sub declared on the line ("Private Sub cmdOK_Click(...)"), or nothing for any
// other line, one that only mentions "Sub " ("Exit Sub ' a_b") included.
std::optional<std::string> subName(std::string_view line)
{
    if (line.find("Sub ") == std::string_view::npos || line.find('_') == std::string_view::npos)
        return std::nullopt;
    std::string_view text = platform::trimSpace(line);
    if (text.empty() || text.front() == '\'')
        return std::nullopt;
    for (;;) {
        std::string word = common::NextWord(text);
        if (word == "Sub")
            return common::NextWord(text, "_");
        if (!isModifier(word))
            return std::nullopt;
    }
}

bool isProcedureHeader(std::string_view line)
{
    std::string_view text = platform::trimSpace(line);
    if (text.empty() || text.front() == '\'')
        return false;
    for (;;) {
        std::string word = common::NextWord(text);
        if (word == "Sub" || word == "Function" || word == "Property")
            return true;
        if (!isModifier(word))
            return false;
    }
}

bool isListedEvent(std::string_view event)
{
    std::string_view list = kDeadEventNames;
    while (!list.empty()) {
        size_t end = list.find('_');
        if (list.substr(0, end) == event)
            return true;
        if (end == std::string_view::npos)
            break;
        list.remove_prefix(end + 1);
    }
    return false;
}

// The texts contained in the control-name list, letter case ignored: a suffix automaton of the
// list, built as the "Begin" lines come, answers "is this a part of it" in the length of the
// question, however many controls the form has.
class ContainedTexts
{
public:
    ContainedTexts() { m_states.push_back({}); }

    void append(std::string_view text)
    {
        for (char c : text)
            extend(platform::toLowerAscii(c));
    }

    bool contains(std::string_view text) const
    {
        int state = 0;
        for (char c : text) {
            auto next = m_states[static_cast<size_t>(state)].next.find(platform::toLowerAscii(c));
            if (next == m_states[static_cast<size_t>(state)].next.end())
                return false;
            state = next->second;
        }
        return true;
    }

private:
    struct State
    {
        int length = 0;
        int link = -1;
        std::map<char, int> next;
    };

    void extend(char c)
    {
        const int current = static_cast<int>(m_states.size());
        m_states.push_back({m_states[static_cast<size_t>(m_last)].length + 1, 0, {}});
        int p = m_last;
        while (p != -1 && !at(p).next.count(c)) {
            at(p).next[c] = current;
            p = at(p).link;
        }
        if (p != -1) {
            const int q = at(p).next[c];
            if (at(p).length + 1 == at(q).length) {
                at(current).link = q;
            } else {
                const int clone = static_cast<int>(m_states.size());
                State copy = at(q);
                copy.length = at(p).length + 1;
                m_states.push_back(std::move(copy));
                while (p != -1 && at(p).next[c] == q) {
                    at(p).next[c] = clone;
                    p = at(p).link;
                }
                at(q).link = clone;
                at(current).link = clone;
            }
        }
        m_last = current;
    }
    State &at(int index) { return m_states[static_cast<size_t>(index)]; }

    std::vector<State> m_states;
    int m_last = 0;
};

bool isDeadEvent(std::string_view name, const ContainedTexts &controls)
{
    size_t split = name.rfind('_');
    if (split == std::string_view::npos)
        return false;
    std::string_view control = name.substr(0, split);
    if (control.empty() || !isListedEvent(name.substr(split + 1)))
        return false;
    // A name contained in any control's name counts as present: only sure cases go.
    return !controls.contains(control);
}

} // namespace

DeadEventsResult removeDeadEvents(std::string_view formText)
{
    DeadEventsResult result;
    result.text.reserve(formText.size());
    ContainedTexts controls; // "name|name|..."
    size_t pos = 0;
    // A dead procedure waits here until its "End Sub" shows it whole; without one it stays.
    constexpr size_t kNone = std::string_view::npos;
    size_t deadStart = kNone;
    std::string deadName;
    while (pos < formText.size()) {
        const size_t lineStart = pos;
        const Line line = nextLine(formText, pos);
        if (deadStart != kNone) {
            if (platform::trimSpace(line.text).starts_with("End Sub")) {
                result.removed.push_back(deadName);
                deadStart = kNone;
                continue;
            }
            if (!isProcedureHeader(line.text))
                continue;
            // Another procedure begins before this one ended: keep what was held back.
            result.text.append(formText.substr(deadStart, lineStart - deadStart));
            deadStart = kNone;
        }
        if (std::optional<std::string_view> control = beginLineControl(line.text)) {
            result.hasControlList = true;
            controls.append(*control);
            controls.append("|");
            result.text.append(line.whole);
            continue;
        }
        std::optional<std::string> name = subName(line.text);
        if (name && result.hasControlList && line.text.find("Form_") == std::string_view::npos &&
            isDeadEvent(*name, controls)) {
            deadStart = lineStart;
            deadName = std::move(*name);
            continue;
        }
        result.text.append(line.whole);
    }
    if (deadStart != kNone)
        result.text.append(formText.substr(deadStart));
    return result;
}

} // namespace qm::changes
