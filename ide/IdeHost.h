// The host interface over the stand-in IDE: what an add-in connected to it sees.
#pragma once

#include "host/Host.h"

namespace qm::ide {

class Ide;

class IdeHost final : public host::Host
{
public:
    explicit IdeHost(Ide &ide)
        : m_ide(ide)
    {}

    host::AddInMenu &addInMenu() override;
    host::ConnectionId connectFileControl(host::FileControlEvents &receiver) override;
    void disconnectFileControl(host::ConnectionId id) override;
    std::string activeProjectFileName() const override;
    void addFileToProject(std::string_view path) override;
    void insertFileIntoActiveForm(std::string_view path) override;
    host::ControlList selectedControls() override;
    void reloadActiveProject() override;
    std::string activeComponentFileName() const override;
    void selectWholeLines() override;
    void caretToLineStart() override;

private:
    Ide &m_ide;
};

} // namespace qm::ide
