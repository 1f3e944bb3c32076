// qm icons: the icons of a program, library or icon file, their count, and one of them as PNG.
#include "clipper/ClipperCli.h"

#include "clipper/IconFile.h"
#include "clipper/IconPixels.h"
#include "common/Cli.h"
#include "common/ErrorReports.h"
#include "platform/FileSystem.h"

#include <string>

namespace qm::clipper {

namespace {

std::string describe(const IconImage &image)
{
    std::string text = std::to_string(image.width) + 'x' + std::to_string(image.height) + 'x' +
                       std::to_string(image.bitCount);
    if (image.format == ImageFormat::Png)
        text += " png";
    return text;
}

std::string listIcons(const std::vector<Icon> &icons)
{
    std::string out;
    for (std::size_t i = 0; i < icons.size(); ++i) {
        out += std::to_string(i);
        out += '\t';
        for (std::size_t k = 0; k < icons[i].images.size(); ++k) {
            if (k)
                out += ' ';
            out += describe(icons[i].images[k]);
        }
        out += '\n';
    }
    return out;
}

[[noreturn]] void fail(std::string text)
{
    throw common::UserMessageError(common::UserMessage{"Icon Error", std::move(text), 0});
}

std::string extractIcon(const common::cli::Invocation &invocation, const std::vector<Icon> &icons)
{
    const int index = invocation.intOption("--extract", 0, 0, 1 << 20);
    const int size = invocation.intOption("--size", 32, 1, 1024);
    if (!invocation.hasOption("--out") || invocation.option("--out").empty())
        throw common::cli::UsageError{"--extract needs --out PNGFILE"};
    if (std::size_t(index) >= icons.size())
        fail("No icon " + std::to_string(index) + " in the file");
    const IconImage *image = bestImage(icons[std::size_t(index)], size);
    const std::string_view bytes = image->bytes(invocation.input);
    std::string png;
    if (image->format == ImageFormat::Png) {
        png = std::string(bytes);
    } else {
        const auto pixels = decodeDib(bytes);
        if (!pixels)
            fail("The image of icon " + std::to_string(index) + " cannot be read");
        png = encodePng(*pixels);
    }
    platform::writeFile(invocation.option("--out"), png);
    return {};
}

std::string runIcons(const common::cli::Invocation &invocation)
{
    const std::vector<Icon> icons = readIcons(invocation.input);
    if (invocation.hasOption("--count"))
        return std::to_string(icons.size()) + '\n';
    if (invocation.hasOption("--extract"))
        return extractIcon(invocation, icons);
    return listIcons(icons);
}

} // namespace

void addIconCommands(common::cli::CommandTable &table)
{
    common::cli::Command icons;
    icons.name = "icons";
    icons.summary = "FILE: the icons of a program, library (.exe, .dll) or icon file (.ico), one "
                    "line each: INDEX TAB WxHxBITS... (\"png\" after a PNG image)";
    icons.options = {
        {"--count", false, "only the number of icons"},
        {"--extract", true, "N  write icon N (from 0) as a PNG file"},
        {"--size", true, "PIXELS  with --extract: the image closest to this size (32)"},
        {"--out", true, "PNGFILE  with --extract: the file to write"}};
    icons.run = runIcons;
    table.add(std::move(icons));
}

} // namespace qm::clipper
