// Alignment, sizing and spacing of selected controls: what each operation writes to which
// control, computed from the controls' geometry in selection order. No host and no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qm::layout {

/// A control's position and size in twips, as the host reports them.
struct Geometry
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const Geometry &, const Geometry &) = default;
};

/// The geometry properties by name.
enum class Coordinate { Left, Top, Width, Height };

/// "Left", "Top", "Width", "Height".
const char *propertyName(Coordinate coordinate);
/// The coordinate of a property name (letter case ignored); nothing for another name.
std::optional<Coordinate> coordinateNamed(std::string_view name);
std::int32_t valueOf(const Geometry &geometry, Coordinate coordinate);
void setValue(Geometry &geometry, Coordinate coordinate, std::int32_t value);

/// One property write: the control's place in the selection, the property and its new value.
struct Write
{
    std::size_t control = 0;
    Coordinate property = Coordinate::Left;
    std::int32_t value = 0;

    friend bool operator==(const Write &, const Write &) = default;
};
using Writes = std::vector<Write>;

/// The text a coordinate sorts by: Format(value, "00000"), five digits at least, a minus sign
/// before a negative value.
std::string formatCoordinate(std::int32_t value);

/// Aligns the selection on the coordinate `main`. Without `shift` the near edges: every control
/// gets the smallest `main` of the selection (or the reference's). With `shift` (Width or Height)
/// the far edges: every control is placed so that main + shift is the largest of the selection
/// (or the reference's). Fewer than two controls: nothing.
Writes alignControls(const std::vector<Geometry> &selection,
                     Coordinate main,
                     std::optional<Coordinate> shift,
                     const std::optional<Geometry> &reference);

enum SizeFlags : int { SizeWidth = 1, SizeHeight = 2 };

/// Gives the selection one width (flag 1) and/or height (flag 2): the reference's, else the
/// first control's (which is then left alone).
Writes sizeControls(const std::vector<Geometry> &selection,
                    int sizeFlags,
                    const std::optional<Geometry> &reference);

enum class Axis { Horizontal, Vertical };
enum class Spacing {
    Space,      ///< every gap as the first one
    Distribute, ///< equal gaps over the extent the selection covers
    Fill,       ///< equal sizes edge to edge over that extent
};

/// Spaces the selection along an axis. The controls are ordered by the text of their coordinate
/// (formatCoordinate; equal texts keep selection order) and each control receives the position
/// computed for the first record that started where it starts. Positions are kept in 16 bits: a
/// result that does not fit leaves the control where it was.
Writes spaceControls(const std::vector<Geometry> &selection, Spacing spacing, Axis axis);

/// The geometry after the writes.
std::vector<Geometry> applyWrites(std::vector<Geometry> selection, const Writes &writes);

} // namespace qm::layout
