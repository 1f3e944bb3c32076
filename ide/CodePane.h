// A code window's pane over a component's code: procedure view (one procedure, or the
// declarations, at a time), caret and selection, and the editing keys the host understands.
#pragma once

#include "platform/SendKeys.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm::ide {

/// A part of the code the pane can show on its own.
struct ProcedureSection
{
    std::string name;           ///< the procedure's name; empty for the declarations
    std::size_t begin = 0;      ///< first byte of its first line
    std::size_t end = 0;        ///< the end of its last line's text (before the line break)
    std::size_t headerLine = 0; ///< byte where the procedure's header line starts
};

/// The procedure a line declares ("Private Sub Form_Load()" gives "Form_Load"; property
/// procedures are named "Name [Get]"...), or nothing.
bool isProcedureHeader(std::string_view line, std::string *name = nullptr);
/// Whether a line ends a procedure ("End Sub", "End Function", "End Property").
bool isProcedureEnd(std::string_view line);
/// Divides code into the declarations and its procedures. Leading "Attribute" lines belong to
/// no section; comment lines right above the first procedure belong to it, and everything
/// after one procedure's end belongs to the next.
std::vector<ProcedureSection> divideCode(std::string_view code);

class CodePane
{
public:
    /// Works on `code` in place; the string must outlive the pane.
    explicit CodePane(std::string &code);

    const std::string &text() const { return *m_code; }
    /// Replaces the whole code (the component was reloaded or rewritten): caret to the start.
    void resetText(std::string code);
    /// Called after each change the pane makes to the text.
    void setOnChanged(std::function<void()> onChanged) { m_onChanged = std::move(onChanged); }

    bool procedureView() const { return m_procedureView; }
    /// Procedure view shows one section; full-module view the whole code.
    void setProcedureView(bool on);
    /// "(declarations)" followed by the procedure names, in code order.
    std::vector<std::string> procedureNames() const;
    /// Shows a procedure (letter case ignored), caret at its header; false when there is none.
    bool showProcedure(std::string_view name);
    void showDeclarations();
    /// The shown procedure's name, empty for the declarations (or the full-module view).
    std::string shownProcedure() const;
    /// The text the pane shows, and where it lies in the code: [first, second).
    std::string shownText() const;
    std::pair<std::size_t, std::size_t> shownRange() const { return {lowerBound(), upperBound()}; }

    std::size_t caret() const { return m_caret; }
    std::size_t anchor() const { return m_anchor; }
    /// Moves the caret (clamped to what is shown; procedure view follows it to its section);
    /// with `extend` the selection's anchor stays.
    void setCaret(std::size_t position, bool extend = false);
    void select(std::size_t from, std::size_t to);
    bool hasSelection() const { return m_caret != m_anchor; }
    std::string selectedText() const;
    /// The caret's line in the whole code and its column, both from 1.
    int caretLine() const;
    int caretColumn() const;

    /// Replaces the selection with text (line breaks become CR LF).
    void insertText(std::string_view text);
    /// Appends text at the end of the code, on lines of its own.
    void appendText(std::string_view text);
    /// Delete: the selection, else the character (or line break) after the caret.
    void deleteForward();
    void deleteBackward();
    void copy() const;
    void cut();
    void paste();

    /// One key: editing keys, caret keys with Shift extending the selection, Ctrl+C/X/V.
    /// Returns false for a key the pane has no use for.
    bool applyKey(const platform::KeyChord &chord);

    /// Spaces a Tab inserts up to the next stop.
    void setTabWidth(int width) { m_tabWidth = width > 0 ? width : 1; }

private:
    void refreshSections();
    void changed(std::size_t caret);
    void replaceRange(std::size_t from, std::size_t to, std::string_view text);
    std::size_t lowerBound() const;
    std::size_t upperBound() const;
    std::size_t clamp(std::size_t position) const;
    std::size_t lineStart(std::size_t position) const;
    std::size_t lineEnd(std::size_t position) const;
    std::size_t nextLineStart(std::size_t position) const;
    std::size_t previousLineStart(std::size_t position) const;
    std::size_t moveVertically(std::size_t position, bool down) const;
    const ProcedureSection *sectionAt(std::size_t position) const;
    void followCaret();

    std::string *m_code;
    std::vector<ProcedureSection> m_sections;
    bool m_procedureView = true;
    std::size_t m_shown = 0; ///< index into m_sections
    std::size_t m_caret = 0;
    std::size_t m_anchor = 0;
    int m_tabWidth = 4;
    std::function<void()> m_onChanged;
};

} // namespace qm::ide
