// Keyboard tab order of a form's controls.
#include "layout/TabOrder.h"

#include <algorithm>
#include <numeric>

namespace qm::layout {

std::string tabOrderKey(const Geometry &geometry, TabOrderBy by)
{
    if (by == TabOrderBy::Columns)
        return formatCoordinate(geometry.left) + formatCoordinate(geometry.top);
    return formatCoordinate(geometry.top) + formatCoordinate(geometry.left);
}

std::vector<std::size_t> sortForTabOrder(const std::vector<Geometry> &selection, TabOrderBy by)
{
    // Inserting each control before the first stored one with a greater key is a stable sort.
    std::vector<std::string> keys;
    keys.reserve(selection.size());
    for (const Geometry &g : selection)
        keys.push_back(tabOrderKey(g, by));
    std::vector<std::size_t> order(selection.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
}

void moveInTabOrder(std::vector<std::size_t> &order, std::size_t control, std::size_t position)
{
    auto self = std::find(order.begin(), order.end(), control);
    if (self != order.end())
        order.erase(self);
    const std::size_t at = std::min(position, order.size());
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), control);
}

void giveTabIndex(std::vector<std::size_t> &order,
                  std::vector<TabSlot> &slots,
                  std::size_t control,
                  std::size_t position)
{
    moveInTabOrder(order, control, position);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] >= slots.size())
            continue;
        TabSlot &slot = slots[order[i]];
        const auto wanted = static_cast<std::int32_t>(i);
        if (slot.value == wanted && (slot.written || i == 0))
            continue;
        slot.value = wanted;
        if (i != 0)
            slot.written = true; // the file leaves a default 0 out
    }
}

} // namespace qm::layout
