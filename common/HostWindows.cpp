// EnumHostWindows, placing windows and the on-top toggles over the window functions.
#include "common/HostWindows.h"

#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <string>

namespace qm::common {
using namespace qm::platform;

namespace {

std::string captionOf(WindowHandle handle)
{
    int length = GetWindowTextLengthA(handle);
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(handle, buffer.data(), length + 1);
    buffer.resize(buffer.find('\0'));
    return buffer;
}

std::string classOf(WindowHandle handle)
{
    std::string buffer(256, '\0');
    int length = GetClassNameA(handle, buffer.data(), 256);
    buffer.resize(static_cast<size_t>(std::max(length, 0)));
    return buffer;
}

void setTopmost(WindowHandle window, WindowHandle insertAfter, const char *operation)
{
    guarded(operation, [&] {
        const WindowInfo *info = windowRegistry().find(window);
        if (!info)
            throw VbError(err::ObjectNotSet);
        if (info->state == WindowState::Minimized)
            return;
        const int left = info->left, top = info->top, width = info->width, height = info->height;
        SetWindowPos(window, insertAfter, 0, 0, 0, 0, swp::ShowNoActivate);
        // The call above also moved and sized the window: put it back where it was.
        SetWindowPos(window, insertafter::Top, left, top, width, height,
                     swpflag::NoZOrder | swpflag::NoActivate);
    });
}

} // namespace

HostWindowList &hostWindowList()
{
    static HostWindowList shared;
    return shared;
}

int EnumHostWindows(std::optional<int> findType)
{
    HostWindowList &list = hostWindowList();
    list.windows.clear();
    const WindowSelection selection =
        findType && *findType == 1 ? WindowSelection::CodeWindows : WindowSelection::HostWindows;
    for (WindowHandle handle = GetWindow(0, gw::First); handle != 0;
         handle = GetWindow(handle, gw::Next)) {
        const std::string caption = captionOf(handle);
        switch (classifyWindow(caption, classOf(handle), selection)) {
        case WindowVerdict::ProjectWindow:
            list.projectWindow = handle;
            break;
        case WindowVerdict::List:
            if (!containsIgnoreCase(captionOf(handle), "QMTimer"))
                list.windows.push_back(handle);
            break;
        case WindowVerdict::Skip:
            break;
        }
    }
    return static_cast<int>(list.windows.size());
}

int screenWidthPixels()
{
    ScreenMetrics screen = ui().screen();
    return screen.widthTwips() / screen.twipsPerPixelX;
}

int screenHeightPixels()
{
    ScreenMetrics screen = ui().screen();
    return screen.heightTwips() / screen.twipsPerPixelY;
}

void applyArrangement(const ArrangementPlan &plan,
                      const std::vector<WindowHandle> &windows,
                      bool focusLast)
{
    if (plan.refusal) {
        showMessage(*plan.refusal);
        return;
    }
    const size_t count = std::min(plan.placements.size(), windows.size());
    for (size_t k = 0; k < count; ++k) {
        const WindowPlacement &p = plan.placements[k];
        SetWindowPos(windows[k], insertafter::Top, p.left, p.top, p.width, p.height, p.flags);
    }
    if (focusLast && count > 0)
        SetFocus(windows[count - 1]);
}

void SetOnTop(WindowHandle window)
{
    setTopmost(window, insertafter::TopMost, "SetOnTop");
}

void SetNotOnTop(WindowHandle window)
{
    setTopmost(window, insertafter::NoTopMost, "SetNotOnTop");
}

} // namespace qm::common

namespace qm::common {

namespace {

void arrange(ArrangementPlan (*plan)(int, int, int), bool focusLast)
{
    recordHostState();
    ignoreErrors([&] {
        int count = EnumHostWindows(1);
        applyArrangement(plan(count, screenWidthPixels(), screenHeightPixels()),
                         hostWindowList().windows, focusLast);
    });
}

} // namespace

void TileHorizontal()
{
    arrange(planTileHorizontal, false);
}

void TileVertical()
{
    arrange(planTileVertical, false);
}

void CascadeWindows()
{
    arrange(planCascade, true);
}

void CloseWindows()
{
    recordHostState();
    ignoreErrors([] {
        const int count = EnumHostWindows();
        const std::string caption = programState().hostCaption;
        const KeystrokeSettings &keys = settings().keys;
        auto send = [&](const std::string &keystroke) {
            ui().activate(caption);
            ui().processEvents();
            ui().sendKeys(keystroke, true);
            ui().processEvents();
        };
        send(keys.ViewProject);
        ui().sendKeys(keys.CloseWindows, true);
        ui().processEvents();
        for (int i = 0; i < count; ++i)
            send(keys.CloseWindows);
    });
}

} // namespace qm::common
