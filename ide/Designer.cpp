// The designer's selection and clipboard.
#include "ide/Designer.h"

#include "ide/Form.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

namespace qm::ide {

using platform::Key;
namespace keymod = platform::keymod;

Designer::Designer(ComponentPtr form)
    : m_component(std::move(form))
{
    if (!m_component || !m_component->form())
        throw platform::VbError(platform::err::InvalidProcedureCall);
}

std::vector<ControlPtr> Designer::selection() const
{
    std::vector<ControlPtr> out;
    FormFile *form = m_component->form();
    for (const auto &weak : m_selection) {
        ControlPtr control = weak.lock();
        if (control && control->form() == form)
            out.push_back(std::move(control));
    }
    return out;
}

void Designer::select(std::vector<ControlPtr> controls)
{
    m_selection.clear();
    for (ControlPtr &control : controls) {
        if (control && control->form() == m_component->form())
            m_selection.push_back(control);
    }
}

bool Designer::selectByName(std::string_view name, std::optional<int> index, bool add)
{
    ControlPtr control = form().findControl(name, index);
    if (!control)
        return false;
    if (!add)
        m_selection.clear();
    m_selection.push_back(control);
    return true;
}

void Designer::copySelection() const
{
    std::vector<ControlPtr> controls = selection();
    if (controls.empty())
        return;
    platform::ui().clipboardSetText(controlsToText(controls));
}

void Designer::cutSelection()
{
    if (selection().empty())
        return;
    copySelection();
    deleteSelection();
}

PasteResult Designer::paste()
{
    std::string text = platform::ui().clipboardText();
    if (!isControlsText(text))
        return {};
    PasteResult result = pasteControls(form(), text);
    select(result.pasted);
    return result;
}

void Designer::deleteSelection()
{
    for (const ControlPtr &control : selection()) {
        // A control inside another selected one went with its container.
        if (control->form() == m_component->form())
            form().removeControl(*control);
    }
    m_selection.clear();
}

bool Designer::applyKey(const platform::KeyChord &chord)
{
    const bool shift = chord.modifiers & keymod::Shift;
    const bool ctrl = chord.modifiers & keymod::Ctrl;
    if (chord.key == Key::Char && ctrl) {
        switch (platform::toLowerAscii(chord.ch)) {
        case 'c':
            copySelection();
            return true;
        case 'x':
            cutSelection();
            return true;
        case 'v':
            paste();
            return true;
        default:
            return false;
        }
    }
    if (chord.key == Key::Delete) {
        if (shift)
            cutSelection();
        else
            deleteSelection();
        return true;
    }
    if (chord.key == Key::Insert) {
        if (shift)
            paste();
        else if (ctrl)
            copySelection();
        return true;
    }
    return false;
}

} // namespace qm::ide
