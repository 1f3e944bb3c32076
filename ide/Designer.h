// A form designer: the form shown for design, the controls selected on it, and the designer's
// clipboard keys (copy, cut, paste and delete of the selected controls).
#pragma once

#include "ide/Clipboard.h"
#include "ide/Component.h"
#include "ide/Control.h"
#include "platform/SendKeys.h"

#include <string_view>
#include <vector>

namespace qm::ide {

class Designer
{
public:
    /// Throws VbError 5 for a component that is not a form.
    explicit Designer(ComponentPtr form);

    const ComponentPtr &component() const { return m_component; }
    FormFile &form() const { return *m_component->form(); }

    /// The selected controls in the order they were selected; controls taken off the form
    /// since drop out.
    std::vector<ControlPtr> selection() const;
    void select(std::vector<ControlPtr> controls);
    /// Selects the control of a name and index (letter case ignored); false when there is none.
    bool
    selectByName(std::string_view name, std::optional<int> index = std::nullopt, bool add = false);
    void clearSelection() { m_selection.clear(); }

    /// Puts the selected controls on the clipboard as controls text; nothing when none is
    /// selected.
    void copySelection() const;
    void cutSelection();
    /// Pastes controls text from the clipboard onto the form and selects what was pasted.
    /// Clipboard text that is not controls text pastes nothing.
    PasteResult paste();
    void deleteSelection();

    /// Ctrl+C/X/V, Shift+Del, Ctrl+Ins, Shift+Ins and Del. False for keys a designer ignores.
    bool applyKey(const platform::KeyChord &chord);

private:
    ComponentPtr m_component;
    std::vector<std::weak_ptr<Control>> m_selection;
};

} // namespace qm::ide
