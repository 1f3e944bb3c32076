// The host's Find dialog as a model: the text to find, the search scope, and the keys typed
// into it. The IDE runs the search when the dialog says so.
#pragma once

#include "platform/SendKeys.h"

#include <string>
#include <string_view>

namespace qm::ide {

class FindDialog
{
public:
    enum class Scope { CurrentProcedure, CurrentModule, CurrentProject };
    enum class Field { FindWhat, Scope };
    /// What a key asks of the IDE.
    enum class Action { None, FindNext, Cancel };

    /// Opens the dialog with a text to find (the selection or the last search), all selected
    /// so that typing replaces it. The scope stays as it was last time.
    void open(std::string_view findWhat);
    bool isOpen() const { return m_open; }
    void close() { m_open = false; }

    /// Typing goes to the field with the focus; Tab moves between the text and the scope
    /// options, where "P", "M" and "C" pick the current procedure, module or project; Enter
    /// asks for the next match; Escape cancels.
    Action applyKey(const platform::KeyChord &chord);

    const std::string &findWhat() const { return m_findWhat; }
    Scope scope() const { return m_scope; }
    void setScope(Scope scope) { m_scope = scope; }
    Field focus() const { return m_focus; }

private:
    bool m_open = false;
    std::string m_findWhat;
    bool m_allSelected = false;
    Scope m_scope = Scope::CurrentModule;
    Field m_focus = Field::FindWhat;
};

} // namespace qm::ide
