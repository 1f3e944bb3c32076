// A host for the add-in's tests: an add-in menu whose lines can be clicked, file notification
// connections, a project that can be reloaded or not, the selection operations, and an active
// form whose selected controls are given. Menu and connection calls are logged; the files added
// to the project and inserted into the active form are kept.
#pragma once

#include "host/Host.h"
#include "platform/FileSystem.h"
#include "platform/VbError.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace qm::test {

struct Log
{
    std::vector<std::string> entries;
    void add(std::string entry) { entries.push_back(std::move(entry)); }
};

class FakeMenuLine : public host::MenuLine
{
public:
    FakeMenuLine(std::string caption, Log &log)
        : m_caption(std::move(caption))
        , m_log(log)
    {}
    std::string caption() const override { return m_caption; }
    host::ConnectionId connectEvents(host::MenuCommand &command) override
    {
        m_log.add("connect " + m_caption);
        m_commands[++m_nextId] = &command;
        return m_nextId;
    }
    void disconnectEvents(host::ConnectionId id) override
    {
        m_log.add("disconnect " + m_caption);
        if (!m_commands.erase(id))
            throw platform::VbError(5);
    }
    void click()
    {
        for (auto &[id, command] : m_commands)
            command->AfterClick();
    }
    bool isConnected() const { return !m_commands.empty(); }

private:
    std::string m_caption;
    Log &m_log;
    std::map<host::ConnectionId, host::MenuCommand *> m_commands;
    host::ConnectionId m_nextId = 100;
};

class FakeSubMenu : public host::SubMenu
{
public:
    FakeSubMenu(std::string caption, Log &log)
        : m_caption(std::move(caption))
        , m_log(log)
    {}
    std::string caption() const override { return m_caption; }
    std::shared_ptr<host::MenuLine> addMenuItem(std::string_view caption) override
    {
        lines.push_back(std::make_shared<FakeMenuLine>(std::string(caption), m_log));
        return lines.back();
    }
    int count() const override { return static_cast<int>(lines.size()); }
    std::shared_ptr<host::MenuLine> item(int index) const override
    {
        if (index < 0 || index >= count())
            throw platform::VbError(9);
        return lines[static_cast<size_t>(index)];
    }
    std::vector<std::string> captions() const
    {
        std::vector<std::string> all;
        for (const auto &line : lines)
            all.push_back(line->caption());
        return all;
    }
    FakeMenuLine &line(std::string_view caption)
    {
        for (auto &l : lines)
            if (l->caption() == caption)
                return *l;
        throw platform::VbError(9);
    }
    std::vector<std::shared_ptr<FakeMenuLine>> lines;

private:
    std::string m_caption;
    Log &m_log;
};

/// A selected control with the properties it has: reading one it lacks, or one not yet set,
/// fails as the host does (438), and so does setting one it lacks.
class PropertyControl : public host::Control
{
public:
    PropertyControl(std::string name, std::set<std::string> properties)
        : m_name(std::move(name))
        , m_properties(std::move(properties))
    {}
    std::string name() const override { return m_name; }
    std::string className() const override { return "CommandButton"; }
    host::PropertyValue property(std::string_view name) const override
    {
        auto it = values.find(std::string(name));
        if (it == values.end())
            throw platform::VbError(platform::err::PropertyNotSupported);
        return it->second;
    }
    void setProperty(std::string_view name, const host::PropertyValue &value) override
    {
        if (!m_properties.count(std::string(name)))
            throw platform::VbError(platform::err::PropertyNotSupported);
        values[std::string(name)] = value;
    }
    std::map<std::string, host::PropertyValue> values;

private:
    std::string m_name;
    std::set<std::string> m_properties;
};

class FakeHost : public host::Host, public host::AddInMenu
{
public:
    Log log;
    std::vector<std::shared_ptr<FakeSubMenu>> subMenus;
    std::map<host::ConnectionId, host::FileControlEvents *> receivers;
    std::string projectFileName = "C:\\VB\\Sample.vbp";
    bool canReload = true;
    int reloads = 0;

    host::AddInMenu &addInMenu() override { return *this; }
    std::shared_ptr<host::SubMenu> addSubMenu(std::string_view caption) override
    {
        log.add("add submenu " + std::string(caption));
        subMenus.push_back(std::make_shared<FakeSubMenu>(std::string(caption), log));
        return subMenus.back();
    }
    void removeSubMenu(const host::SubMenu &subMenu) override
    {
        log.add("remove submenu " + subMenu.caption());
        for (auto it = subMenus.begin(); it != subMenus.end(); ++it) {
            if (it->get() == &subMenu) {
                subMenus.erase(it);
                return;
            }
        }
        throw platform::VbError(5);
    }
    host::ConnectionId connectFileControl(host::FileControlEvents &receiver) override
    {
        log.add("connect file control");
        receivers[++m_nextId] = &receiver;
        return m_nextId;
    }
    void disconnectFileControl(host::ConnectionId id) override
    {
        log.add("disconnect file control");
        if (!receivers.erase(id))
            throw platform::VbError(5);
    }
    /// The selected controls of the active form; without an active form, asking fails (91).
    host::ControlList selection;
    bool hasActiveForm = true;
    /// The files added to the project, in order; with `refuseAdd` adding fails (53).
    std::vector<std::string> addedFiles;
    bool refuseAdd = false;
    /// The text of every file inserted into the active form, in order.
    std::string inserted;

    std::string activeProjectFileName() const override { return projectFileName; }
    void addFileToProject(std::string_view path) override
    {
        if (refuseAdd)
            throw platform::VbError(platform::err::FileNotFound);
        addedFiles.emplace_back(path);
    }
    void insertFileIntoActiveForm(std::string_view path) override
    {
        if (!hasActiveForm)
            throw platform::VbError(platform::err::ObjectNotSet);
        inserted += platform::readFile(path);
    }
    host::ControlList selectedControls() override
    {
        if (!hasActiveForm)
            throw platform::VbError(platform::err::ObjectNotSet);
        return selection;
    }
    void reloadActiveProject() override
    {
        if (!canReload)
            throw platform::VbError(75);
        ++reloads;
    }
    void selectWholeLines() override { log.add("select whole lines"); }
    void caretToLineStart() override { log.add("caret to line start"); }

    FakeSubMenu *quillmarkMenu()
    {
        for (auto &menu : subMenus)
            if (menu->caption() == "Quillmark")
                return menu.get();
        return nullptr;
    }

private:
    host::ConnectionId m_nextId = 0;
};

} // namespace qm::test
