// The layout window's operations on the host's active form: the Tab Order tab's marked
// controls and orders, and the Appear tab's alignment, size, spacing, undo, font, look and text.
// Property reads and writes go through the host; one that the host refuses is skipped.
#pragma once

#include "host/Host.h"
#include "layout/Arrange.h"
#include "layout/TabOrder.h"

#include <optional>
#include <string_view>
#include <vector>

namespace qm::layout {

/// The Tab Order tab. The marked-controls collection lives as long as the object.
class TabOrderTool
{
public:
    /// Appends the host's selection, in the host's order, to the marked controls.
    void Mark();
    /// Gives each marked control TabIndex 0, the last marked first, so the first marked ends
    /// first; the collection is emptied.
    void SetMarkedOrder();
    void ClearMarkedControlsCollection();
    /// Orders the selection by position (busy pointer meanwhile); the marks are cleared first.
    void AutoOrder(TabOrderBy by);
    /// TabStop of every selected control.
    void SetTabStops(bool on);

    std::size_t markedCount() const { return m_marked.size(); }

private:
    host::ControlList m_marked;
};

/// A control's geometry before the last geometric operation, and the control it belongs to. A
/// value the control did not give is not put back.
struct UndoObj
{
    host::ControlPtr control;
    std::optional<std::int32_t> OrigLeft;
    std::optional<std::int32_t> OrigTop;
    std::optional<std::int32_t> OrigHeight;
    std::optional<std::int32_t> OrigWidth;
};

/// The Appear tab. The reference control and the undo list live as long as the object.
class AppearTool
{
public:
    /// Copies the first selected control's geometry; the reference counts as set even when
    /// nothing is selected (the values then stay as they were).
    void SetReference();
    void ClearReference() { m_referenceSet = false; }
    std::optional<Geometry> reference() const;

    /// Aligns on `MainProp` ("Left", "Top"); with `ShiftProp` ("Width", "Height") the far
    /// edges. Without an active form shows the system error report for "DoAlignment".
    void DoAlignment(std::string_view MainProp, std::string_view ShiftProp);
    /// Same width (flag 1) and/or height (flag 2).
    void DoSize(int SizeFlags);
    /// Space, Distribute or Fill along an axis (busy pointer meanwhile).
    void DoSpacing(Spacing spacing, Axis axis);
    /// Puts every control the last geometric operation touched back where it was, whatever is
    /// selected now. The list is kept, so Undo can be repeated.
    void UndoProc();
    void ClearUndoCollection() { m_undo.clear(); }
    /// Records the control's geometry as it is now.
    void BuildUndoObject(const host::ControlPtr &control);
    const std::vector<UndoObj> &undoList() const { return m_undo; }

    void SetBold(bool bold);
    /// Appearance 1 (3D) or 0 (flat), and BackStyle 0.
    void SetAppearance(bool threeD);
    /// Empties Text and Caption.
    void ClearText();

private:
    // Each control's geometry, its undo record built first.
    std::vector<Geometry> readAndRecord(const host::ControlList &controls);
    void apply(const host::ControlList &controls, const Writes &writes);

    Geometry m_reference;
    bool m_referenceSet = false;
    std::vector<UndoObj> m_undo;
};

/// A control's Left, Top, Width and Height; one the control does not give reads as 0.
Geometry readGeometry(const host::Control &control);

} // namespace qm::layout
