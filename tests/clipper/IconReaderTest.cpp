// The icon reader against the reference tools (wrestool, icotool) on the test files made in the
// build, and against broken files made from them.
#include "clipper/IconFile.h"
#include "clipper/IconPixels.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace qm::clipper {
namespace {

const std::string kData = QM_CLIPPER_DATA;

std::string readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool exists(const std::string &path)
{
    return std::ifstream(path).good();
}

std::string run(const std::string &command)
{
    return test::runCommand(command).out;
}

bool haveIcoutils()
{
    return test::runCommand("wrestool --version >/dev/null 2>&1 && "
                            "icotool --version >/dev/null 2>&1")
               .status == 0;
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            result.push_back(line);
    return result;
}

// The icons as the reference tools see them: one .ico file per icon.
std::vector<std::string> referenceIconFiles(const std::string &path, const test::TempDir &dir)
{
    if (readBytes(path).substr(0, 2) != "MZ")
        return {path};
    std::vector<std::string> files;
    for (const std::string &line : lines(run("wrestool -l --type=14 '" + path + "'"))) {
        const auto start = line.find("--name=") + 7;
        std::string name = line.substr(start, line.find(' ', start) - start);
        const std::string out = dir.file("group" + std::to_string(files.size()) + ".ico");
        run("wrestool -x --type=14 --name=" + name + " -o " + out + " '" + path + "'");
        files.push_back(out);
    }
    return files;
}

// The images of an icon file as icotool extracts them, in its order. (Extracting one image to a
// named file can give another PNG image of the file; a folder of them cannot.)
std::vector<QImage> referenceImages(const std::string &ico, const test::TempDir &dir)
{
    const std::filesystem::path out = dir.path() / ("x" + std::to_string(std::rand()));
    std::filesystem::create_directories(out);
    run("icotool -x -o '" + out.string() + "' '" + ico + "' 2>/dev/null");
    std::vector<std::pair<int, QImage>> found;
    for (const auto &entry : std::filesystem::directory_iterator(out)) {
        const std::string name = entry.path().filename().string();
        const auto underscore = name.rfind('_');
        const auto before = name.rfind('_', underscore - 1);
        const int index = std::stoi(name.substr(before + 1, underscore - before - 1));
        found.emplace_back(index, QImage(QString::fromStdString(entry.path().string()))
                                      .convertToFormat(QImage::Format_ARGB32));
    }
    std::sort(found.begin(), found.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QImage> images;
    for (auto &[index, image] : found)
        images.push_back(std::move(image));
    return images;
}

QImage ourImage(const std::string &file, const IconImage &image)
{
    const std::string_view bytes = image.bytes(file);
    if (image.format == ImageFormat::Png)
        return QImage::fromData(reinterpret_cast<const uchar *>(bytes.data()), int(bytes.size()))
            .convertToFormat(QImage::Format_ARGB32);
    const auto pixels = decodeDib(bytes);
    if (!pixels)
        return {};
    QImage result(pixels->width, pixels->height, QImage::Format_ARGB32);
    for (int y = 0; y < pixels->height; ++y)
        for (int x = 0; x < pixels->width; ++x)
            result.setPixel(x, y, pixels->argb[std::size_t(y * pixels->width + x)]);
    return result;
}

// Fully transparent pixels match whatever colour they keep.
int differentPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (p != q && (qAlpha(p) != 0 || qAlpha(q) != 0))
                ++count;
        }
    return count;
}

std::vector<std::string> testFiles()
{
    std::vector<std::string> files;
    for (const char *name : {"depths.ico", "single.ico", "small.ico", "large.ico", "vista.ico",
                             "two_i686.dll", "two_x86_64.dll", "many_i686.dll", "many_x86_64.dll"})
        if (exists(kData + "/" + name))
            files.push_back(kData + "/" + name);
    // Real installer stubs, dialogs and icons, where the package that ships them is installed.
    for (const char *folder : {"/usr/share/nsis/Stubs", "/usr/share/nsis/Contrib/UIs",
                               "/usr/share/nsis/Contrib/Graphics/Icons"}) {
        std::error_code error;
        for (const auto &entry : std::filesystem::directory_iterator(folder, error))
            if (entry.is_regular_file())
                files.push_back(entry.path().string());
    }
    return files;
}

TEST(IconReader, MatchesTheReferenceToolsInCountAndPixels)
{
    if (!haveIcoutils())
        GTEST_SKIP() << "icoutils is not installed";
    ASSERT_TRUE(exists(kData + "/depths.ico"));
    const test::TempDir dir;
    for (const std::string &path : testFiles()) {
        SCOPED_TRACE(path);
        const std::string file = readBytes(path);
        const std::vector<Icon> icons = readIcons(file);
        const std::vector<std::string> reference = referenceIconFiles(path, dir);
        ASSERT_EQ(icons.size(), reference.size());
        for (std::size_t i = 0; i < icons.size(); ++i) {
            SCOPED_TRACE("icon " + std::to_string(i));
            const std::vector<QImage> expectedImages = referenceImages(reference[i], dir);
            ASSERT_EQ(icons[i].images.size(), expectedImages.size());
            for (std::size_t k = 0; k < icons[i].images.size(); ++k) {
                SCOPED_TRACE("image " + std::to_string(k));
                const QImage &expected = expectedImages[k];
                const QImage actual = ourImage(file, icons[i].images[k]);
                ASSERT_FALSE(expected.isNull());
                ASSERT_EQ(actual.size(), expected.size());
                EXPECT_EQ(differentPixels(actual, expected), 0);
            }
        }
    }
}

TEST(IconReader, DescribesEveryDepthAndFormat)
{
    const std::string file = readBytes(kData + "/depths.ico");
    const std::vector<Icon> icons = readIcons(file);
    ASSERT_EQ(icons.size(), 1u);
    std::string described;
    for (const IconImage &image : icons[0].images)
        described += std::to_string(image.width) + "x" + std::to_string(image.height) + "x" +
                     std::to_string(image.bitCount) +
                     (image.format == ImageFormat::Png ? "p " : " ");
    EXPECT_EQ(described, "16x16x1 16x16x4 32x32x8 32x32x24 32x32x32 48x48x32p 256x256x32p ");
}

TEST(IconReader, PicksTheClosestSizeAtTheDeepestColour)
{
    const std::string file = readBytes(kData + "/depths.ico");
    const Icon icon = readIcons(file).at(0);
    const struct
    {
        int size;
        int width;
        int bits;
    } cases[] = {{32, 32, 32}, {16, 16, 4},    {20, 16, 4},     {40, 32, 32},
                 {41, 48, 32}, {256, 256, 32}, {1000, 256, 32}, {1, 16, 4}};
    for (const auto &c : cases) {
        const IconImage *best = bestImage(icon, c.size);
        ASSERT_NE(best, nullptr);
        EXPECT_EQ(best->width, c.width) << c.size;
        EXPECT_EQ(best->bitCount, c.bits) << c.size;
    }
    EXPECT_EQ(bestImage(Icon{}, 32), nullptr);
}

TEST(IconReader, ReadsGroupsInResourceOrderInBothWidths)
{
    for (const char *name : {"many_i686.dll", "many_x86_64.dll"}) {
        const std::string path = kData + "/" + name;
        if (!exists(path))
            GTEST_SKIP() << "no cross binutils";
        const std::vector<Icon> icons = readIcons(readBytes(path));
        ASSERT_EQ(icons.size(), 50u) << name;
        // The named icon comes first, then the numbered ones: 1 is small.ico, 2 large.ico.
        EXPECT_EQ(icons[0].images.at(0).format, ImageFormat::Png);
        EXPECT_EQ(icons[1].images.size(), 2u);
        EXPECT_EQ(icons[1].images[0].width, 16);
        EXPECT_EQ(icons[2].images[1].width, 64);
    }
}

// Broken files: whatever can be read is read, nothing else; no crash, no hang.

void put32(std::string &bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i) & 0xff);
}

std::size_t resourceSectionOffset(const std::string &pe)
{
    const std::size_t header = pe.find(std::string(".rsrc\0\0\0", 8));
    EXPECT_NE(header, std::string::npos);
    std::uint32_t offset = 0;
    for (std::size_t i = 4; i-- > 0;)
        offset = offset << 8 | std::uint8_t(pe[header + 20 + i]);
    return offset;
}

TEST(IconReader, SurvivesBrokenProgramFiles)
{
    const std::string path = kData + "/two_i686.dll";
    if (!exists(path))
        GTEST_SKIP() << "no cross binutils";
    const std::string pe = readBytes(path);
    ASSERT_EQ(readIcons(pe).size(), 2u);

    // Cut anywhere, it gives at most what the whole file gives.
    for (std::size_t length = 0; length < pe.size(); length += 61)
        EXPECT_LE(readIcons(pe.substr(0, length)).size(), 2u) << length;

    const std::size_t resources = resourceSectionOffset(pe);
    {
        // The first type's entry leads back to the root directory.
        std::string looping = pe;
        put32(looping, resources + 16 + 4, 0x80000000u);
        EXPECT_LE(readIcons(looping).size(), 2u);
        // Every entry of the root leads back to it.
        std::string allLoop = pe;
        for (std::size_t i = 0; i < 2; ++i)
            put32(allLoop, resources + 16 + 8 * i + 4, 0x80000000u);
        EXPECT_TRUE(readIcons(allLoop).empty());
    }
    {
        // The root claims 65535 + 65535 entries.
        std::string many = pe;
        many[resources + 12] = many[resources + 13] = many[resources + 14] = many[resources + 15] =
            '\xff';
        EXPECT_LE(readIcons(many).size(), 2u);
    }
    {
        // The group of single.ico names an image that is not there: that group is left out.
        std::string missing = pe;
        const std::size_t group = missing.find(std::string("\0\0\1\0\1\0\x20\x20", 8));
        ASSERT_NE(group, std::string::npos);
        missing[group + 6 + 12] = '\x63';
        missing[group + 6 + 13] = '\x00';
        const std::vector<Icon> icons = readIcons(missing);
        ASSERT_EQ(icons.size(), 1u);
        EXPECT_EQ(icons[0].images.size(), 7u);
    }
}

TEST(IconReader, SurvivesBrokenIconFiles)
{
    const std::string ico = readBytes(kData + "/depths.ico");
    {
        // The first image claims 4 GB: it is left out, the others stay.
        std::string huge = ico;
        put32(huge, 6 + 8, 0xffffffffu);
        ASSERT_EQ(readIcons(huge).size(), 1u);
        EXPECT_EQ(readIcons(huge)[0].images.size(), 6u);
        // An offset past the end likewise.
        std::string far = ico;
        put32(far, 6 + 16 + 12, 0xfffffff0u);
        EXPECT_EQ(readIcons(far)[0].images.size(), 6u);
    }
    {
        // A PNG image whose header is broken is not an image.
        std::string vista = readBytes(kData + "/vista.ico");
        vista[22 + 12] = 'X';
        EXPECT_TRUE(readIcons(vista).empty());
    }
    const std::string notIcons[] = {"", "MZ", std::string(6, '\0'), "Private Sub Form_Load()\r\n",
                                    std::string("\0\0\1\0\xff\xff", 6)};
    for (const std::string &bytes : notIcons)
        EXPECT_TRUE(readIcons(bytes).empty());
    for (std::size_t length = 0; length < ico.size(); length += 37)
        EXPECT_LE(readIcons(ico.substr(0, length)).size(), 1u);
}

TEST(IconPixels, RejectsBitmapsShorterThanTheirHeader)
{
    const std::string ico = readBytes(kData + "/single.ico");
    const IconImage image = readIcons(ico).at(0).images.at(0);
    const std::string_view dib = image.bytes(ico);
    ASSERT_TRUE(decodeDib(dib));
    // Rows missing: nothing; mask missing: opaque.
    EXPECT_FALSE(decodeDib(dib.substr(0, 40 + 1024 + 32 * 32 - 1)));
    const auto unmasked = decodeDib(dib.substr(0, 40 + 1024 + 32 * 32));
    ASSERT_TRUE(unmasked);
    for (std::uint32_t pixel : unmasked->argb)
        ASSERT_EQ(pixel >> 24, 0xffu);
    // A header claiming a 1024 x 1024 image with a few bytes behind it.
    std::string big(dib.substr(0, 40));
    put32(big, 4, 1024);
    put32(big, 8, 2048);
    EXPECT_FALSE(decodeDib(big));
}

TEST(IconPixels, PngOfPixelsReadsBackTheSame)
{
    Pixels pixels{300, 250, {}};
    for (int i = 0; i < 300 * 250; ++i)
        pixels.argb.push_back(std::uint32_t(i * 2654435761u));
    const std::string png = encodePng(pixels);
    const QImage image =
        QImage::fromData(reinterpret_cast<const uchar *>(png.data()), int(png.size()))
            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.width(), 300);
    ASSERT_EQ(image.height(), 250);
    int wrong = 0;
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 300; ++x)
            wrong += image.pixel(x, y) != pixels.argb[std::size_t(y * 300 + x)];
    EXPECT_EQ(wrong, 0);
}

} // namespace
} // namespace qm::clipper
