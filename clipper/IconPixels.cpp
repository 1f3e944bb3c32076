// Bitmap icon images to pixels, and pixels to PNG files.
#include "clipper/IconPixels.h"

#include <array>

namespace qm::clipper {

namespace {

std::uint32_t little(std::string_view bytes, std::size_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

std::size_t rowBytes(std::size_t width, std::size_t bits)
{
    return (width * bits + 31) / 32 * 4;
}

const std::array<std::uint32_t, 256> &crcTable()
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

std::uint32_t crc32(std::string_view bytes)
{
    std::uint32_t c = 0xffffffffu;
    for (char byte : bytes)
        c = crcTable()[(c ^ std::uint8_t(byte)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void appendBigEndian(std::string &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(char(value >> shift & 0xff));
}

void appendChunk(std::string &out, std::string_view type, std::string_view data)
{
    appendBigEndian(out, std::uint32_t(data.size()));
    std::string body(type);
    body.append(data);
    out.append(body);
    appendBigEndian(out, crc32(body));
}

} // namespace

std::optional<Pixels> decodeDib(std::string_view bytes)
{
    if (bytes.size() < 40)
        return std::nullopt;
    const std::uint32_t headerSize = little(bytes, 0, 4);
    const auto width = std::int32_t(little(bytes, 4, 4));
    const auto doubleHeight = std::int32_t(little(bytes, 8, 4));
    const std::uint32_t bits = little(bytes, 14, 2);
    const std::uint32_t compression = little(bytes, 16, 4);
    const std::uint32_t colorsUsed = little(bytes, 32, 4);
    if (headerSize < 40 || headerSize > bytes.size() || width <= 0 || width > 1024 ||
        doubleHeight <= 0 || doubleHeight > 2048 || compression != 0)
        return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;
    const std::size_t w = std::size_t(width);
    const std::size_t h = std::size_t(doubleHeight) / 2;
    std::size_t paletteSize = 0;
    if (bits <= 8) {
        paletteSize = std::size_t(1) << bits;
        if (colorsUsed != 0 && colorsUsed < paletteSize)
            paletteSize = colorsUsed;
    }
    const std::size_t palette = headerSize;
    const std::size_t colours = palette + 4 * paletteSize;
    const std::size_t colourRow = rowBytes(w, bits);
    const std::size_t mask = colours + colourRow * h;
    const std::size_t maskRow = rowBytes(w, 1);
    // The colour rows must all be there; a missing mask counts as opaque.
    if (mask > bytes.size())
        return std::nullopt;
    const bool hasMask = bytes.size() - mask >= maskRow * h;

    Pixels pixels;
    pixels.width = width;
    pixels.height = int(h);
    pixels.argb.resize(w * h);
    bool anyAlpha = false;
    for (std::size_t y = 0; y < h; ++y) {
        // Rows are stored bottom to top.
        const std::size_t row = colours + (h - 1 - y) * colourRow;
        for (std::size_t x = 0; x < w; ++x) {
            std::uint32_t argb = 0;
            if (bits == 32) {
                argb = little(bytes, row + 4 * x, 4);
                anyAlpha = anyAlpha || (argb >> 24) != 0;
            } else if (bits == 24) {
                argb = 0xff000000u | little(bytes, row + 3 * x, 3);
            } else {
                const std::size_t bit = x * bits;
                const std::uint32_t byte = std::uint8_t(bytes[row + bit / 8]);
                const std::uint32_t index = byte >> (8 - bits - bit % 8) & ((1u << bits) - 1);
                if (index < paletteSize)
                    argb = 0xff000000u | (little(bytes, palette + 4 * index, 4) & 0xffffff);
                else
                    argb = 0xff000000u;
            }
            pixels.argb[y * w + x] = argb;
        }
    }
    // A 32-bit image carries its own transparency; the mask serves the others, and 32-bit images
    // whose alpha is all zero.
    const bool useMask = hasMask && (bits != 32 || !anyAlpha);
    for (std::size_t y = 0; y < h; ++y) {
        const std::size_t row = mask + (h - 1 - y) * maskRow;
        for (std::size_t x = 0; x < w; ++x) {
            std::uint32_t &argb = pixels.argb[y * w + x];
            if (bits == 32 && !useMask && anyAlpha)
                continue;
            const bool transparent =
                useMask && (std::uint8_t(bytes[row + x / 8]) >> (7 - x % 8) & 1) != 0;
            argb = transparent ? argb & 0xffffff : argb | 0xff000000u;
        }
    }
    return pixels;
}

std::string encodePng(const Pixels &pixels)
{
    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    appendBigEndian(header, std::uint32_t(pixels.width));
    appendBigEndian(header, std::uint32_t(pixels.height));
    header.append("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, adaptive, no interlace
    appendChunk(png, "IHDR", header);

    std::string raw;
    const std::size_t w = std::size_t(pixels.width);
    raw.reserve((4 * w + 1) * std::size_t(pixels.height));
    for (std::size_t y = 0; y < std::size_t(pixels.height); ++y) {
        raw.push_back('\0'); // no filter
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint32_t argb = pixels.argb[y * w + x];
            raw.push_back(char(argb >> 16 & 0xff));
            raw.push_back(char(argb >> 8 & 0xff));
            raw.push_back(char(argb & 0xff));
            raw.push_back(char(argb >> 24 & 0xff));
        }
    }
    // A zlib stream of stored blocks of at most 65535 bytes each.
    std::string zlib("\x78\x01", 2);
    std::size_t at = 0;
    do {
        const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
        const bool last = at + length == raw.size();
        zlib.push_back(last ? '\x01' : '\x00');
        zlib.push_back(char(length & 0xff));
        zlib.push_back(char(length >> 8));
        zlib.push_back(char(~length & 0xff));
        zlib.push_back(char(~length >> 8 & 0xff));
        zlib.append(raw, at, length);
        at += length;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (char byte : raw) {
        a = (a + std::uint8_t(byte)) % 65521;
        b = (b + a) % 65521;
    }
    appendBigEndian(zlib, b << 16 | a);
    appendChunk(png, "IDAT", zlib);
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace qm::clipper
