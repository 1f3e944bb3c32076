// The host interface over the IDE model; controls are handed out as handles that outlive them.
#include "ide/IdeHost.h"

#include "host/HostHelpers.h"
#include "ide/Form.h"
#include "ide/Ide.h"
#include "platform/VbError.h"

#include <algorithm>

namespace qm::ide {
namespace {

using platform::VbError;

class HostControl final : public host::Control
{
public:
    explicit HostControl(const ControlPtr &control)
        : m_control(control)
        , m_form(control->form())
    {}

    std::string name() const override { return live().name(); }
    std::string className() const override { return live().className(); }
    host::PropertyValue property(std::string_view name) const override
    {
        return host::PropertyValue(live().property(name));
    }
    void setProperty(std::string_view name, const host::PropertyValue &value) override
    {
        live().setProperty(name, value.variant());
    }

private:
    // The control, while it is still on its form.
    ide::Control &live() const
    {
        ControlPtr control = m_control.lock();
        if (!control || control->form() != m_form || !m_form)
            throw VbError(platform::err::ObjectNotSet);
        return *control;
    }

    std::weak_ptr<ide::Control> m_control;
    FormFile *m_form;
};

} // namespace

host::AddInMenu &IdeHost::addInMenu()
{
    return m_ide.addInMenu();
}

host::ConnectionId IdeHost::connectFileControl(host::FileControlEvents &receiver)
{
    return m_ide.connectFileControl(receiver);
}

void IdeHost::disconnectFileControl(host::ConnectionId id)
{
    m_ide.disconnectFileControl(id);
}

std::string IdeHost::activeProjectFileName() const
{
    return m_ide.project() ? m_ide.project()->fileName() : std::string();
}

void IdeHost::addFileToProject(std::string_view path)
{
    m_ide.addFile(path);
}

void IdeHost::insertFileIntoActiveForm(std::string_view path)
{
    m_ide.insertFileIntoActiveForm(path);
}

host::ControlList IdeHost::selectedControls()
{
    ComponentPtr form = m_ide.activeFormComponent();
    if (!form)
        throw VbError(platform::err::ObjectNotSet);
    host::ControlList list;
    if (DesignerWindow *designer = m_ide.designerOf(*form)) {
        for (const ControlPtr &control : designer->designer->selection())
            list.push_back(std::make_shared<HostControl>(control));
    }
    return list;
}

std::string IdeHost::activeComponentFileName() const
{
    ComponentPtr component = m_ide.activeComponent();
    if (!component)
        throw VbError(platform::err::ObjectNotSet);
    return component->path();
}

void IdeHost::reloadActiveProject()
{
    m_ide.reloadProject();
}

void IdeHost::selectWholeLines()
{
    CodeWindow *window = m_ide.activeCodeWindow();
    if (!window)
        return;
    CodePane &pane = *window->pane;
    const auto [from, to] = host::wholeLinesOf(pane.text(), pane.anchor(), pane.caret());
    if (from != to)
        pane.select(from, to);
}

void IdeHost::caretToLineStart()
{
    CodeWindow *window = m_ide.activeCodeWindow();
    if (!window)
        return;
    CodePane &pane = *window->pane;
    pane.setCaret(host::lineStartOf(pane.text(), std::min(pane.anchor(), pane.caret())));
}

} // namespace qm::ide
