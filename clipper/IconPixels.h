// The pixels of an icon image stored as a device-independent bitmap, and a plain PNG writer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::clipper {

/// Straight (not premultiplied) 0xAARRGGBB pixels, rows top to bottom.
struct Pixels
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

/// The pixels of a bitmap icon image (1, 4, 8, 24 or 32 bits with its AND mask), or nothing when
/// the bytes do not hold all the rows their header claims. Allocates no more than the bytes
/// justify.
std::optional<Pixels> decodeDib(std::string_view bytes);

/// PIXELS as a PNG file (8-bit RGBA, stored without compression).
std::string encodePng(const Pixels &pixels);

} // namespace qm::clipper
