// Alignment, sizing and spacing of selected controls.
#include "layout/Arrange.h"

#include "platform/Text.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace qm::layout {
namespace {

// Coordinates are kept in 16-bit fields; a value that does not fit overflows, and the statement
// that stored it is skipped, so the field keeps what it held.
void store16(std::int16_t &field, std::int64_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return;
    field = static_cast<std::int16_t>(value);
}

// num / den rounded to the nearest whole number, a half to the even neighbour as the runtime's
// integer conversion does. den > 0.
std::int64_t roundedQuotient(std::int64_t num, std::int64_t den)
{
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {
        q -= 1;
        r += den;
    }
    if (2 * r > den || (2 * r == den && (q & 1) != 0))
        q += 1;
    return q;
}

// A control's working geometry along the spacing axis.
struct SpacerData
{
    std::int16_t position = 0;
    std::int16_t extent = 0;
    std::int16_t origTop = 0; ///< where the control started, to find it again
};

} // namespace

const char *propertyName(Coordinate coordinate)
{
    switch (coordinate) {
    case Coordinate::Left:
        return "Left";
    case Coordinate::Top:
        return "Top";
    case Coordinate::Width:
        return "Width";
    case Coordinate::Height:
        return "Height";
    }
    return "";
}

std::optional<Coordinate> coordinateNamed(std::string_view name)
{
    for (Coordinate c : {Coordinate::Left, Coordinate::Top, Coordinate::Width, Coordinate::Height})
        if (platform::equalsIgnoreCase(name, propertyName(c)))
            return c;
    return std::nullopt;
}

std::int32_t valueOf(const Geometry &geometry, Coordinate coordinate)
{
    switch (coordinate) {
    case Coordinate::Left:
        return geometry.left;
    case Coordinate::Top:
        return geometry.top;
    case Coordinate::Width:
        return geometry.width;
    case Coordinate::Height:
        return geometry.height;
    }
    return 0;
}

void setValue(Geometry &geometry, Coordinate coordinate, std::int32_t value)
{
    switch (coordinate) {
    case Coordinate::Left:
        geometry.left = value;
        break;
    case Coordinate::Top:
        geometry.top = value;
        break;
    case Coordinate::Width:
        geometry.width = value;
        break;
    case Coordinate::Height:
        geometry.height = value;
        break;
    }
}

std::string formatCoordinate(std::int32_t value)
{
    const std::int64_t wide = value;
    std::string digits = std::to_string(wide < 0 ? -wide : wide);
    if (digits.size() < 5)
        digits.insert(0, 5 - digits.size(), '0');
    return wide < 0 ? "-" + digits : digits;
}

Writes alignControls(const std::vector<Geometry> &selection,
                     Coordinate main,
                     std::optional<Coordinate> shift,
                     const std::optional<Geometry> &reference)
{
    Writes writes;
    if (selection.size() < 2)
        return writes;
    // Sums of two coordinates are taken in 32 bits; the starting values lie outside 16 bits.
    std::int64_t target = shift ? 0 : 99999;
    if (reference) {
        target = valueOf(*reference, main);
        if (shift)
            target += valueOf(*reference, *shift);
    } else {
        for (const Geometry &g : selection) {
            if (!shift) {
                target = std::min<std::int64_t>(target, valueOf(g, main));
                continue;
            }
            std::int64_t far = std::int64_t(valueOf(g, main)) + valueOf(g, *shift);
            target = std::max(target, far);
        }
    }
    for (std::size_t i = 0; i < selection.size(); ++i) {
        std::int64_t value = shift ? target - valueOf(selection[i], *shift) : target;
        if (value < std::numeric_limits<std::int32_t>::min() ||
            value > std::numeric_limits<std::int32_t>::max())
            continue;
        writes.push_back({i, main, static_cast<std::int32_t>(value)});
    }
    return writes;
}

Writes sizeControls(const std::vector<Geometry> &selection,
                    int sizeFlags,
                    const std::optional<Geometry> &reference)
{
    Writes writes;
    if (selection.empty())
        return writes;
    const Geometry source = reference ? *reference : selection.front();
    for (std::size_t i = reference ? 0 : 1; i < selection.size(); ++i) {
        if (sizeFlags & SizeWidth)
            writes.push_back({i, Coordinate::Width, source.width});
        if (sizeFlags & SizeHeight)
            writes.push_back({i, Coordinate::Height, source.height});
    }
    return writes;
}

Writes spaceControls(const std::vector<Geometry> &selection, Spacing spacing, Axis axis)
{
    const Coordinate P = axis == Axis::Horizontal ? Coordinate::Left : Coordinate::Top;
    const Coordinate S = axis == Axis::Horizontal ? Coordinate::Width : Coordinate::Height;

    std::vector<SpacerData> records(selection.size());
    std::int64_t total = 0;
    for (std::size_t i = 0; i < selection.size(); ++i) {
        store16(records[i].position, valueOf(selection[i], P));
        store16(records[i].extent, valueOf(selection[i], S));
        store16(records[i].origTop, valueOf(selection[i], P));
        total += records[i].extent;
    }
    // Ordered by the text of the coordinate; equal texts keep selection order.
    std::vector<std::string> keys(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        keys[i] = formatCoordinate(records[i].position);
    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<SpacerData> r;
    r.reserve(order.size());
    for (std::size_t i : order)
        r.push_back(records[i]);

    const std::size_t n = r.size();
    auto end = [&r](std::size_t k) {
        return std::int64_t(r[k].position) + r[k].extent;
    };
    switch (spacing) {
    case Spacing::Space:
        if (n >= 2) {
            const std::int64_t gap = r[1].position - end(0);
            for (std::size_t k = 2; k < n; ++k)
                store16(r[k].position, end(k - 1) + gap);
        }
        break;
    case Spacing::Distribute:
        if (n >= 2) {
            const std::int64_t span = end(n - 1) - r[0].position;
            std::int16_t gap = 0;
            store16(gap, roundedQuotient(span - total, std::int64_t(n) - 1));
            for (std::size_t k = 1; k < n; ++k)
                store16(r[k].position, end(k - 1) + gap);
        }
        break;
    case Spacing::Fill:
        if (n >= 1) {
            const std::int64_t span = end(n - 1) - r[0].position;
            const std::int64_t size = roundedQuotient(span, std::int64_t(n));
            store16(r[0].extent, size);
            for (std::size_t k = 1; k < n; ++k) {
                store16(r[k].position, end(k - 1));
                store16(r[k].extent, size);
            }
        }
        break;
    }

    // Each control takes the result of the first record that started where it starts.
    std::unordered_map<std::int32_t, std::size_t> firstAt;
    for (std::size_t k = 0; k < n; ++k)
        firstAt.emplace(r[k].origTop, k);
    Writes writes;
    for (std::size_t i = 0; i < selection.size(); ++i) {
        auto found = firstAt.find(valueOf(selection[i], P));
        if (found == firstAt.end())
            continue;
        const SpacerData &record = r[found->second];
        writes.push_back({i, P, record.position});
        if (spacing == Spacing::Fill)
            writes.push_back({i, S, record.extent});
    }
    return writes;
}

std::vector<Geometry> applyWrites(std::vector<Geometry> selection, const Writes &writes)
{
    for (const Write &w : writes)
        if (w.control < selection.size())
            setValue(selection[w.control], w.property, w.value);
    return selection;
}

} // namespace qm::layout
