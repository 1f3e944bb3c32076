// The command objects behind the "Quillmark" submenu: each records what it needs of the host
// and opens its tool window.
#pragma once

#include "host/Host.h"

namespace qm::shell {

class MsgBoxObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

class InputBoxObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

class CommonDialogObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

class CodeFinderObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

class EditorObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

class IconClipperObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

class SelectHelpTopicObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

class DisplayToolbarObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

class RefreshProjectObj final : public host::MenuCommand
{
public:
    void AfterClick() override;
};

/// Toggles the palette as "Hot &Buttons" does: closes it when it is loaded, shows it otherwise.
void togglePalette();

} // namespace qm::shell
