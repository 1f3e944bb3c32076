// A host whose active form is a list of controls with properties by name: TabIndex renumbers
// the form's other controls as the host does, and a property a control lacks is refused.
#pragma once

#include "host/Host.h"
#include "platform/VbError.h"

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qm::test {

struct FakeForm;

class FakeControl : public host::Control
{
public:
    FakeControl(FakeForm &form, std::string name, std::map<std::string, host::PropertyValue> values)
        : m_form(form)
        , m_name(std::move(name))
        , props(std::move(values))
    {}
    std::string name() const override { return m_name; }
    std::string className() const override { return "Fake"; }
    host::PropertyValue property(std::string_view name) const override
    {
        auto it = props.find(std::string(name));
        if (it == props.end())
            throw platform::VbError(platform::err::PropertyNotSupported);
        return it->second;
    }
    void setProperty(std::string_view name, const host::PropertyValue &value) override;

    std::int32_t number(const std::string &name) const { return props.at(name).toLong(); }

    FakeForm &m_form;
    std::string m_name;
    std::map<std::string, host::PropertyValue> props;
    std::vector<std::string> writes; ///< "Left=120", in order
};

using FakeControlPtr = std::shared_ptr<FakeControl>;

struct FakeForm
{
    std::vector<FakeControlPtr> controls;
    std::vector<FakeControlPtr> selection;
    int pointerDuringWrites = -1;
    std::function<int()> pointer;

    FakeControlPtr add(std::string name, std::map<std::string, host::PropertyValue> props)
    {
        controls.push_back(std::make_shared<FakeControl>(*this, std::move(name), std::move(props)));
        return controls.back();
    }
    FakeControlPtr operator[](const std::string &name) const
    {
        for (const FakeControlPtr &c : controls)
            if (c->name() == name)
                return c;
        return nullptr;
    }
    void select(const std::vector<std::string> &names)
    {
        selection.clear();
        for (const std::string &name : names)
            selection.push_back((*this)[name]);
    }
    /// Names by TabIndex.
    std::vector<std::string> tabOrder() const
    {
        std::vector<FakeControlPtr> order;
        for (const FakeControlPtr &c : controls)
            if (c->props.count("TabIndex"))
                order.push_back(c);
        std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) {
            return a->number("TabIndex") < b->number("TabIndex");
        });
        std::vector<std::string> names;
        for (const FakeControlPtr &c : order)
            names.push_back(c->name());
        return names;
    }
};

inline void FakeControl::setProperty(std::string_view name, const host::PropertyValue &value)
{
    auto it = props.find(std::string(name));
    if (it == props.end())
        throw platform::VbError(platform::err::PropertyNotSupported);
    writes.push_back(std::string(name) + "=" + value.toText());
    if (m_form.pointer)
        m_form.pointerDuringWrites = m_form.pointer();
    if (name != "TabIndex") {
        it->second = value;
        return;
    }
    std::vector<std::string> order = m_form.tabOrder();
    order.erase(std::find(order.begin(), order.end(), m_name));
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(value.toLong()), order.size());
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), m_name);
    for (std::size_t i = 0; i < order.size(); ++i)
        m_form[order[i]]->props["TabIndex"] = static_cast<int>(i);
}

class FakeFormHost : public host::Host
{
public:
    FakeForm form;
    bool hasActiveForm = true;

    host::AddInMenu &addInMenu() override { throw platform::VbError(platform::err::ObjectNotSet); }
    host::ConnectionId connectFileControl(host::FileControlEvents &) override { return 1; }
    void disconnectFileControl(host::ConnectionId) override {}
    std::string activeProjectFileName() const override { return {}; }
    void addFileToProject(std::string_view) override {}
    void insertFileIntoActiveForm(std::string_view) override {}
    host::ControlList selectedControls() override
    {
        if (!hasActiveForm)
            throw platform::VbError(platform::err::ObjectNotSet);
        return {form.selection.begin(), form.selection.end()};
    }
    void reloadActiveProject() override {}
};

} // namespace qm::test
