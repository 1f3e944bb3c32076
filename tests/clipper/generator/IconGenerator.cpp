// Draws the test icons and packs them: .ico files with bitmap images of every depth and PNG
// images, and resource scripts that name them, for the cross tools to link into PE files.
// Usage: clipper_icon_generator OUTDIR
#include <QBuffer>
#include <QImage>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Picture
{
    int size;
    int bits; // 0: PNG
    int seed;
};

void put16(std::string &out, std::uint32_t v)
{
    out.push_back(char(v & 0xff));
    out.push_back(char(v >> 8 & 0xff));
}

void put32(std::string &out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

std::uint32_t colourAt(int x, int y, int seed)
{
    const std::uint32_t r = std::uint32_t(x * 37 + seed * 11) & 0xff;
    const std::uint32_t g = std::uint32_t(y * 29 + seed * 7) & 0xff;
    const std::uint32_t b = std::uint32_t((x ^ y) * 13 + seed * 3) & 0xff;
    return r << 16 | g << 8 | b;
}

bool maskedAt(int x, int y, int seed)
{
    return (x + y + seed) % 7 == 0;
}

std::string dib(const Picture &p)
{
    const int n = p.size;
    std::string out;
    std::vector<std::uint32_t> palette;
    if (p.bits <= 8) {
        for (int i = 0; i < (1 << p.bits); ++i)
            palette.push_back(colourAt(i * 5, i * 3, p.seed));
    }
    put32(out, 40);
    put32(out, std::uint32_t(n));
    put32(out, std::uint32_t(2 * n));
    put16(out, 1);
    put16(out, std::uint32_t(p.bits));
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    for (std::uint32_t c : palette)
        put32(out, c);
    const int rowBytes = (n * p.bits + 31) / 32 * 4;
    for (int y = n - 1; y >= 0; --y) {
        std::string row(std::size_t(rowBytes), '\0');
        for (int x = 0; x < n; ++x) {
            if (p.bits == 32) {
                const std::uint32_t alpha =
                    maskedAt(x, y, p.seed) ? 0 : std::uint32_t(64 + (x * 8 + y * 4) % 192);
                const std::uint32_t v = alpha << 24 | colourAt(x, y, p.seed);
                for (int k = 0; k < 4; ++k)
                    row[std::size_t(4 * x + k)] = char(v >> (8 * k) & 0xff);
            } else if (p.bits == 24) {
                const std::uint32_t v = colourAt(x, y, p.seed);
                for (int k = 0; k < 3; ++k)
                    row[std::size_t(3 * x + k)] = char(v >> (8 * k) & 0xff);
            } else {
                const int index = (x * 3 + y * 5 + p.seed) % (1 << p.bits);
                const int bit = x * p.bits;
                row[std::size_t(bit / 8)] =
                    char(std::uint8_t(row[std::size_t(bit / 8)]) | index << (8 - p.bits - bit % 8));
            }
        }
        out += row;
    }
    const int maskBytes = (n + 31) / 32 * 4;
    for (int y = n - 1; y >= 0; --y) {
        std::string row(std::size_t(maskBytes), '\0');
        for (int x = 0; x < n; ++x)
            if (p.bits != 32 && maskedAt(x, y, p.seed))
                row[std::size_t(x / 8)] =
                    char(std::uint8_t(row[std::size_t(x / 8)]) | 0x80 >> (x % 8));
        out += row;
    }
    return out;
}

std::string png(const Picture &p)
{
    QImage image(p.size, p.size, QImage::Format_ARGB32);
    for (int y = 0; y < p.size; ++y)
        for (int x = 0; x < p.size; ++x) {
            const std::uint32_t alpha = maskedAt(x, y, p.seed) ? 0 : 255u - std::uint32_t(x % 128);
            image.setPixel(x, y, alpha << 24 | colourAt(x, y, p.seed));
        }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::string ico(const std::vector<Picture> &pictures)
{
    std::vector<std::string> images;
    for (const Picture &p : pictures)
        images.push_back(p.bits ? dib(p) : png(p));
    std::string out;
    put16(out, 0);
    put16(out, 1);
    put16(out, std::uint32_t(pictures.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Picture &p = pictures[i];
        out.push_back(char(p.size >= 256 ? 0 : p.size));
        out.push_back(char(p.size >= 256 ? 0 : p.size));
        out.push_back(char(p.bits && p.bits < 8 ? 1 << p.bits : 0));
        out.push_back('\0');
        put16(out, 1);
        put16(out, std::uint32_t(p.bits ? p.bits : 32));
        put32(out, std::uint32_t(images[i].size()));
        put32(out, offset);
        offset += std::uint32_t(images[i].size());
    }
    for (const std::string &image : images)
        out += image;
    return out;
}

void write(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const std::string dir = argv[1];
    write(dir + "/depths.ico", ico({{16, 1, 1},
                                    {16, 4, 2},
                                    {32, 8, 3},
                                    {32, 24, 4},
                                    {32, 32, 5},
                                    {48, 0, 6},
                                    {256, 0, 7}}));
    write(dir + "/single.ico", ico({{32, 8, 9}}));
    write(dir + "/small.ico", ico({{16, 4, 10}, {16, 8, 11}}));
    write(dir + "/large.ico", ico({{48, 24, 12}, {64, 32, 13}}));
    write(dir + "/vista.ico", ico({{32, 0, 14}}));

    std::ofstream two(dir + "/two.rc");
    two << "1 ICON \"depths.ico\"\n2 ICON \"single.ico\"\n";
    // Fifty icons, one of them named: more than the window shows.
    std::ofstream many(dir + "/many.rc");
    many << "APPICON ICON \"vista.ico\"\n";
    const char *const files[] = {"single.ico", "small.ico", "large.ico", "depths.ico"};
    for (int i = 1; i < 50; ++i)
        many << i << " ICON \"" << files[i % 4] << "\"\n";
    return 0;
}
