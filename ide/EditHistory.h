// Undo and redo for the host's editors, without windows: the changes a code window's text went
// through, kept as the difference of each step, and the states a form's design went through.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

/// One change of a text: at `at`, `removed` gave way to `inserted`.
struct TextChange
{
    std::size_t at = 0;
    std::string removed;
    std::string inserted;
    std::size_t caretBefore = 0; ///< where the caret was before the change
};

/// The change that turns before into after, as one replaced range: their common start and end
/// are left out. Linear in the texts' length; empty when they are equal.
TextChange diffTexts(std::string_view before, std::string_view after);

/// The undo and redo steps of a text that others change: it is shown each new state and
/// records what changed since the last. Keys typed one after another (a character, or a line
/// break, inserted right after the one before) make one step until a line is ended.
class TextHistory
{
public:
    /// Starts over from a text: no steps.
    void reset(std::string text, std::size_t caret = 0);
    /// Records the change from the last text seen to now (nothing when they are equal).
    void observe(const std::string &now, std::size_t caret);
    /// The text seen last.
    const std::string &text() const { return m_text; }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    /// Takes back the last step: the text before it and where the caret goes. The history now
    /// sees that text. Nothing when there is no step.
    std::optional<std::pair<std::string, std::size_t>> undo();
    /// Makes the last step taken back again.
    std::optional<std::pair<std::string, std::size_t>> redo();

    /// The most steps kept; older ones are forgotten.
    static constexpr std::size_t kDepth = 200;

private:
    bool joinsLastStep(const TextChange &change) const;

    std::string m_text;
    std::size_t m_caret = 0;
    std::vector<TextChange> m_undo;
    std::vector<TextChange> m_redo;
    bool m_typing = false; ///< the last step is keys being typed and may take another
};

/// A form's design at one moment: its Begin ... End block as the file writes it, and its .frx
/// bytes (null when the form has none). States share the bytes of an .frx that did not change.
struct FormState
{
    std::string design;
    std::shared_ptr<const std::string> frx;

    bool operator==(const FormState &other) const;
    bool operator!=(const FormState &other) const { return !(*this == other); }
};

/// Undo and redo over whole states of a form's design (the design block is small): each state
/// differing from the last one seen is a step. An .frx is copied only when it changed.
class FormHistory
{
public:
    /// A state of the design and .frx as they are now; its .frx is the one of the state seen
    /// last when the bytes are the same, so unchanged .frx files are held once.
    FormState capture(std::string design, const std::optional<std::string> &frx) const;

    void reset(FormState state);
    void observe(const FormState &now);
    const FormState &state() const { return m_state; }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    /// The state before the last step; current is what there is now (it goes onto the redo
    /// list). The history then sees the state returned, until told otherwise with settle().
    std::optional<FormState> undo(const FormState &current);
    std::optional<FormState> redo(const FormState &current);
    /// What there is after a state was brought back, when it could not be brought back byte
    /// for byte: seen without being a step.
    void settle(FormState state) { m_state = std::move(state); }

    /// How many distinct .frx copies the steps hold.
    std::size_t frxCopies() const;

    static constexpr std::size_t kDepth = 100;

private:
    FormState m_state;
    std::vector<FormState> m_undo;
    std::vector<FormState> m_redo;
};

} // namespace qm::ide
