// The Find dialog's keys.
#include "ide/FindDialog.h"

#include "platform/Text.h"

namespace qm::ide {

using platform::Key;

void FindDialog::open(std::string_view findWhat)
{
    m_open = true;
    m_findWhat = std::string(findWhat);
    m_allSelected = true;
    m_focus = Field::FindWhat;
}

FindDialog::Action FindDialog::applyKey(const platform::KeyChord &chord)
{
    if (!m_open)
        return Action::None;
    switch (chord.key) {
    case Key::Enter:
        return Action::FindNext;
    case Key::Escape:
        return Action::Cancel;
    case Key::Tab:
        m_focus = (m_focus == Field::FindWhat) ? Field::Scope : Field::FindWhat;
        if (m_focus == Field::FindWhat)
            m_allSelected = true;
        return Action::None;
    case Key::Backspace:
        if (m_focus == Field::FindWhat) {
            if (m_allSelected)
                m_findWhat.clear();
            else if (!m_findWhat.empty())
                m_findWhat.pop_back();
            m_allSelected = false;
        }
        return Action::None;
    case Key::Char:
        break;
    default:
        return Action::None;
    }
    if (chord.modifiers & (platform::keymod::Ctrl | platform::keymod::Alt))
        return Action::None;
    char c = chord.ch;
    if (chord.modifiers & platform::keymod::Shift)
        c = platform::toUpperAscii(c);
    if (m_focus == Field::Scope) {
        switch (platform::toUpperAscii(c)) {
        case 'P':
            m_scope = Scope::CurrentProcedure;
            break;
        case 'M':
            m_scope = Scope::CurrentModule;
            break;
        case 'C':
            m_scope = Scope::CurrentProject;
            break;
        default:
            break;
        }
        return Action::None;
    }
    if (m_allSelected)
        m_findWhat.clear();
    m_allSelected = false;
    m_findWhat += c;
    return Action::None;
}

} // namespace qm::ide
