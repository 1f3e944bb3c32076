// The icons of a program, a library or an icon file, read without trusting the file: every size
// and offset is checked against the bytes at hand, and a broken group or image is left out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qm::clipper {

enum class ImageFormat { Dib, Png };

/// One image of an icon: where its bytes lie in the file and what its own header says.
struct IconImage
{
    std::size_t offset = 0;
    std::size_t size = 0;
    int width = 0;
    int height = 0;
    int bitCount = 0;
    ImageFormat format = ImageFormat::Dib;

    std::string_view bytes(std::string_view file) const { return file.substr(offset, size); }
};

/// One icon: the images of one icon group, in the group's order.
struct Icon
{
    std::vector<IconImage> images;
};

/// The icons of FILE: the icon groups of a PE32 or PE32+ file in resource order, or the one icon
/// of an .ico file. Anything else, or a file without readable icons, gives none. Linear in the
/// number of resource entries; never reads outside FILE.
std::vector<Icon> readIcons(std::string_view file);

/// The image the system draws for a SIZE x SIZE icon: the one closest in size, of those the
/// deepest in colour (up to 32 bits); the first of equals. Null for an icon without images.
const IconImage *bestImage(const Icon &icon, int size);

/// What the header of an image says about it, or false when it is neither a device-independent
/// bitmap nor a PNG. Used by the readers; public for the tests.
bool describeImage(std::string_view bytes, IconImage &image);

} // namespace qm::clipper
