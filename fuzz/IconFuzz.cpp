// Fuzz target: the icon reader over any bytes, as a PE file and as an icon file, and the bitmap
// decoder over every image it finds. Nothing may read outside the input.
#include "clipper/IconFile.h"
#include "clipper/IconPixels.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(std::string_view file)
{
    for (const qm::clipper::Icon &icon : qm::clipper::readIcons(file)) {
        if (icon.images.empty() || !qm::clipper::bestImage(icon, 32))
            std::abort(); // an icon is only kept with an image
        for (const qm::clipper::IconImage &image : icon.images) {
            if (image.offset > file.size() || image.size > file.size() - image.offset)
                std::abort();
            if (image.format != qm::clipper::ImageFormat::Dib)
                continue;
            if (auto pixels = qm::clipper::decodeDib(image.bytes(file))) {
                if (pixels->argb.size() != std::size_t(pixels->width) * std::size_t(pixels->height))
                    std::abort();
                qm::clipper::encodePng(*pixels);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    check(bytes);
    // The same bytes behind a PE header, so that mutations reach the resource directory.
    if (size >= 2 && bytes.substr(0, 2) != "MZ")
        check("MZ" + std::string(bytes.substr(2)));
    qm::clipper::decodeDib(bytes);
    return 0;
}
