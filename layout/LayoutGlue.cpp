// The layout window's operations over the host's selected controls.
#include "layout/LayoutGlue.h"

#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

namespace qm::layout {
namespace {

using common::ignoreErrors;

constexpr int BusyPointer = 11;
constexpr int DefaultPointer = 0;

// The active form's selected controls; empty when there is no host or no active form.
host::ControlList selectedControls()
{
    host::ControlList controls;
    if (host::Host *host = common::programState().host)
        ignoreErrors([&] { controls = host->selectedControls(); });
    return controls;
}

// Shows the busy pointer while it lives.
class BusyPointerScope
{
public:
    BusyPointerScope()
    {
        ignoreErrors([] { platform::ui().setMousePointer(BusyPointer); });
    }
    ~BusyPointerScope()
    {
        ignoreErrors([] { platform::ui().setMousePointer(DefaultPointer); });
    }
    BusyPointerScope(const BusyPointerScope &) = delete;
    BusyPointerScope &operator=(const BusyPointerScope &) = delete;
};

// Coordinates are read whole: one past 16 bits (where an alignment on a far edge may have put
// it) must not read as 0 and pull the other controls along.
void readInto(const host::Control &control, const char *name, std::int32_t &value)
{
    ignoreErrors([&] { value = control.property(name).toLong(); });
}

} // namespace

Geometry readGeometry(const host::Control &control)
{
    Geometry g;
    readInto(control, "Left", g.left);
    readInto(control, "Top", g.top);
    readInto(control, "Width", g.width);
    readInto(control, "Height", g.height);
    return g;
}

void TabOrderTool::Mark()
{
    for (const host::ControlPtr &control : selectedControls())
        m_marked.push_back(control);
}

void TabOrderTool::SetMarkedOrder()
{
    while (!m_marked.empty()) {
        const host::ControlPtr control = m_marked.back();
        ignoreErrors([&] { control->setProperty("TabIndex", 0); });
        m_marked.pop_back();
    }
}

void TabOrderTool::ClearMarkedControlsCollection()
{
    m_marked.clear();
}

void TabOrderTool::AutoOrder(TabOrderBy by)
{
    BusyPointerScope busy;
    ClearMarkedControlsCollection();
    const host::ControlList controls = selectedControls();
    std::vector<Geometry> geometry;
    geometry.reserve(controls.size());
    for (const host::ControlPtr &control : controls)
        geometry.push_back(readGeometry(*control));
    for (std::size_t place : sortForTabOrder(geometry, by))
        m_marked.push_back(controls[place]);
    SetMarkedOrder();
}

void TabOrderTool::SetTabStops(bool on)
{
    for (const host::ControlPtr &control : selectedControls())
        ignoreErrors([&] { control->setProperty("TabStop", on); });
}

void AppearTool::SetReference()
{
    const host::ControlList controls = selectedControls();
    if (!controls.empty()) {
        const host::Control &first = *controls.front();
        readInto(first, "Left", m_reference.left);
        readInto(first, "Top", m_reference.top);
        readInto(first, "Height", m_reference.height);
        readInto(first, "Width", m_reference.width);
    }
    m_referenceSet = true;
}

std::optional<Geometry> AppearTool::reference() const
{
    if (!m_referenceSet)
        return std::nullopt;
    return m_reference;
}

void AppearTool::BuildUndoObject(const host::ControlPtr &control)
{
    UndoObj record{control, {}, {}, {}, {}};
    auto read = [&control](const char *name, std::optional<std::int32_t> &value) {
        ignoreErrors([&] { value = control->property(name).toLong(); });
    };
    read("Left", record.OrigLeft);
    read("Top", record.OrigTop);
    read("Height", record.OrigHeight);
    read("Width", record.OrigWidth);
    m_undo.push_back(std::move(record));
}

std::vector<Geometry> AppearTool::readAndRecord(const host::ControlList &controls)
{
    std::vector<Geometry> geometry;
    geometry.reserve(controls.size());
    for (const host::ControlPtr &control : controls) {
        BuildUndoObject(control);
        geometry.push_back(readGeometry(*control));
    }
    return geometry;
}

void AppearTool::apply(const host::ControlList &controls, const Writes &writes)
{
    for (const Write &w : writes)
        ignoreErrors(
            [&] { controls.at(w.control)->setProperty(propertyName(w.property), w.value); });
}

void AppearTool::DoAlignment(std::string_view MainProp, std::string_view ShiftProp)
{
    ClearUndoCollection();
    const std::optional<Coordinate> main = coordinateNamed(MainProp);
    std::optional<Coordinate> shift;
    if (!ShiftProp.empty())
        shift = coordinateNamed(ShiftProp);
    if (!main || (!ShiftProp.empty() && !shift))
        return;
    host::ControlList controls;
    try {
        host::Host *host = common::programState().host;
        if (!host)
            throw platform::VbError(platform::err::ObjectNotSet);
        controls = host->selectedControls();
    } catch (const platform::VbError &e) {
        common::ShowSystemError(e.number, "Select ActiveForm To Align", "DoAlignment");
        return;
    }
    if (controls.size() < 2)
        return;
    const std::vector<Geometry> geometry = readAndRecord(controls);
    apply(controls, alignControls(geometry, *main, shift, reference()));
}

void AppearTool::DoSize(int SizeFlags)
{
    ClearUndoCollection();
    const host::ControlList controls = selectedControls();
    const std::vector<Geometry> geometry = readAndRecord(controls);
    apply(controls, sizeControls(geometry, SizeFlags, reference()));
}

void AppearTool::DoSpacing(Spacing spacing, Axis axis)
{
    BusyPointerScope busy;
    ClearUndoCollection();
    const host::ControlList controls = selectedControls();
    const std::vector<Geometry> geometry = readAndRecord(controls);
    apply(controls, spaceControls(geometry, spacing, axis));
}

void AppearTool::UndoProc()
{
    for (const UndoObj &record : m_undo) {
        host::Control &control = *record.control;
        auto put = [&control](const char *name, const std::optional<std::int32_t> &value) {
            if (value)
                ignoreErrors([&] { control.setProperty(name, *value); });
        };
        put("Left", record.OrigLeft);
        put("Top", record.OrigTop);
        put("Height", record.OrigHeight);
        put("Width", record.OrigWidth);
    }
}

void AppearTool::SetBold(bool bold)
{
    for (const host::ControlPtr &control : selectedControls())
        ignoreErrors([&] { control->setProperty("Font.Bold", bold); });
}

void AppearTool::SetAppearance(bool threeD)
{
    for (const host::ControlPtr &control : selectedControls()) {
        ignoreErrors([&] { control->setProperty("Appearance", threeD ? 1 : 0); });
        ignoreErrors([&] { control->setProperty("BackStyle", 0); });
    }
}

void AppearTool::ClearText()
{
    for (const host::ControlPtr &control : selectedControls()) {
        ignoreErrors([&] { control->setProperty("Text", ""); });
        ignoreErrors([&] { control->setProperty("Caption", ""); });
    }
}

} // namespace qm::layout
