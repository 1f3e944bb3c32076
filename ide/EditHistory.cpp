// Undo and redo steps of texts and form states.
#include "ide/EditHistory.h"

#include <algorithm>

namespace qm::ide {
namespace {

bool isLineBreak(std::string_view text)
{
    return text == "\r\n" || text == "\n" || text == "\r";
}

template<typename Steps> void keepDepth(Steps &steps, std::size_t depth)
{
    if (steps.size() > depth)
        steps.erase(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(steps.size() - depth));
}

} // namespace

TextChange diffTexts(std::string_view before, std::string_view after)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    TextChange change;
    change.at = head;
    change.removed = std::string(before.substr(head, before.size() - head - tail));
    change.inserted = std::string(after.substr(head, after.size() - head - tail));
    return change;
}

// --- TextHistory ---

void TextHistory::reset(std::string text, std::size_t caret)
{
    m_text = std::move(text);
    m_caret = caret;
    m_undo.clear();
    m_redo.clear();
    m_typing = false;
}

bool TextHistory::joinsLastStep(const TextChange &change) const
{
    if (!m_typing || m_undo.empty() || !change.removed.empty())
        return false;
    const TextChange &last = m_undo.back();
    if (!last.removed.empty() || change.at != last.at + last.inserted.size())
        return false;
    return change.inserted.size() == 1 || isLineBreak(change.inserted);
}

void TextHistory::observe(const std::string &now, std::size_t caret)
{
    if (now == m_text) {
        m_caret = caret;
        return;
    }
    TextChange change = diffTexts(m_text, now);
    change.caretBefore = m_caret;
    m_redo.clear();
    // A key typed: one character, or the line break that ends the line.
    const bool key = change.removed.empty() &&
                     (change.inserted.size() == 1 || isLineBreak(change.inserted));
    const bool endsLine = isLineBreak(change.inserted);
    if (joinsLastStep(change)) {
        m_undo.back().inserted += change.inserted;
    } else {
        m_undo.push_back(std::move(change));
        keepDepth(m_undo, kDepth);
    }
    m_typing = key && !endsLine;
    m_text = now;
    m_caret = caret;
}

std::optional<std::pair<std::string, std::size_t>> TextHistory::undo()
{
    if (m_undo.empty())
        return std::nullopt;
    TextChange step = std::move(m_undo.back());
    m_undo.pop_back();
    m_text.replace(step.at, step.inserted.size(), step.removed);
    // The caret goes back where it was when the step began, or to the end of what returned.
    const std::size_t caret =
        step.removed.empty() ? std::min(step.caretBefore, m_text.size()) : step.at + step.removed.size();
    m_caret = caret;
    m_redo.push_back(std::move(step));
    m_typing = false;
    return std::make_pair(m_text, caret);
}

std::optional<std::pair<std::string, std::size_t>> TextHistory::redo()
{
    if (m_redo.empty())
        return std::nullopt;
    TextChange step = std::move(m_redo.back());
    m_redo.pop_back();
    m_text.replace(step.at, step.removed.size(), step.inserted);
    m_caret = step.at + step.inserted.size();
    m_undo.push_back(std::move(step));
    m_typing = false;
    return std::make_pair(m_text, m_caret);
}

// --- FormHistory ---

bool FormState::operator==(const FormState &other) const
{
    if (design != other.design)
        return false;
    if (frx == other.frx)
        return true;
    return frx && other.frx && *frx == *other.frx;
}

FormState FormHistory::capture(std::string design, const std::optional<std::string> &frx) const
{
    FormState state;
    state.design = std::move(design);
    if (!frx)
        return state;
    if (m_state.frx && *m_state.frx == *frx)
        state.frx = m_state.frx;
    else
        state.frx = std::make_shared<const std::string>(*frx);
    return state;
}

void FormHistory::reset(FormState state)
{
    m_state = std::move(state);
    m_undo.clear();
    m_redo.clear();
}

void FormHistory::observe(const FormState &now)
{
    if (now == m_state)
        return;
    m_undo.push_back(std::move(m_state));
    keepDepth(m_undo, kDepth);
    m_redo.clear();
    m_state = now;
}

std::optional<FormState> FormHistory::undo(const FormState &current)
{
    observe(current);
    if (m_undo.empty())
        return std::nullopt;
    m_redo.push_back(m_state);
    m_state = std::move(m_undo.back());
    m_undo.pop_back();
    return m_state;
}

std::optional<FormState> FormHistory::redo(const FormState &current)
{
    if (m_redo.empty())
        return std::nullopt;
    if (current != m_state) {
        // Something changed since the undo: that change is the newest step, and the steps
        // taken back are gone.
        observe(current);
        return std::nullopt;
    }
    m_undo.push_back(m_state);
    m_state = std::move(m_redo.back());
    m_redo.pop_back();
    return m_state;
}

std::size_t FormHistory::frxCopies() const
{
    std::vector<const std::string *> seen;
    auto count = [&seen](const FormState &state) {
        if (state.frx && std::find(seen.begin(), seen.end(), state.frx.get()) == seen.end())
            seen.push_back(state.frx.get());
    };
    count(m_state);
    for (const FormState &state : m_undo)
        count(state);
    for (const FormState &state : m_redo)
        count(state);
    return seen.size();
}

} // namespace qm::ide
