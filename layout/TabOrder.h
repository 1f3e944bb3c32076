// Keyboard tab order: the automatic order of selected controls by their position, and the
// host's renumbering when a control is given a TabIndex. No host and no Qt.
#pragma once

#include "layout/Arrange.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qm::layout {

enum class TabOrderBy {
    Columns, ///< left to right, then top to bottom within a column
    Rows,    ///< top to bottom, then left to right within a row
};

/// The ten-digit text a control sorts by: its Left then its Top (columns) or its Top then its
/// Left (rows), each as formatCoordinate. Keys compare as text.
std::string tabOrderKey(const Geometry &geometry, TabOrderBy by);

/// The selection's places in tab order: ascending by key as text, equal keys in selection order.
std::vector<std::size_t> sortForTabOrder(const std::vector<Geometry> &selection, TabOrderBy by);

/// The host's renumbering when a control is given TabIndex `position`: `order` lists a form's
/// controls by TabIndex; the control is taken out and put back at `position` (or at the end
/// when the form has fewer controls); every other control keeps its relative place. A control
/// not in the order joins it.
void moveInTabOrder(std::vector<std::size_t> &order, std::size_t control, std::size_t position);

/// A control's TabIndex as its form file holds it.
struct TabSlot
{
    std::int32_t value = 0; ///< -1 for one that cannot be read
    bool written = false;   ///< the file has a TabIndex line (else the value is the default 0)
};

/// Gives a control TabIndex `position` as the host does (moveInTabOrder), and renumbers the
/// slots (indexed by control) of every control whose number changed. A control left at 0
/// without a line keeps none; any other new number is written.
void giveTabIndex(std::vector<std::size_t> &order,
                  std::vector<TabSlot> &slots,
                  std::size_t control,
                  std::size_t position);

} // namespace qm::layout
