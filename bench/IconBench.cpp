// Listing the icons of a program: the time follows the number of resources, not the file's size.
// A PE32 file is built in memory: a data section of the given size, then a resource section of N
// icon groups, each naming one 16 x 16 image.
#include "clipper/IconFile.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

void put16(std::string &bytes, std::size_t at, std::uint32_t value)
{
    bytes[at] = char(value & 0xff);
    bytes[at + 1] = char(value >> 8 & 0xff);
}

void put32(std::string &bytes, std::size_t at, std::uint32_t value)
{
    put16(bytes, at, value & 0xffff);
    put16(bytes, at + 2, value >> 16);
}

std::string iconImage()
{
    std::string dib(40 + 16 * 4 + 16 * 8 + 16 * 4, '\0');
    put32(dib, 0, 40);
    put32(dib, 4, 16);
    put32(dib, 8, 32);
    put16(dib, 12, 1);
    put16(dib, 14, 4);
    return dib;
}

std::string buildProgram(std::size_t groups, std::size_t fillerBytes)
{
    constexpr std::uint32_t headerBytes = 0x400;
    constexpr std::uint32_t fillerRva = 0x1000;
    const auto align = [](std::size_t n) {
        return std::uint32_t((n + 0xfff) & ~std::size_t(0xfff));
    };
    const std::uint32_t resourceRva = fillerRva + align(fillerBytes);

    // The resource section: root, two type directories, a language directory and a data entry
    // per resource, then the group data and one shared image.
    std::string rsrc;
    const auto directory = [&rsrc](std::size_t entries) {
        const std::size_t at = rsrc.size();
        rsrc.append(16 + 8 * entries, '\0');
        put16(rsrc, at + 14, std::uint32_t(entries));
        return at;
    };
    const std::size_t root = directory(2);
    const std::size_t images = directory(groups);
    const std::size_t icons = directory(groups);
    put32(rsrc, root + 16, 3);
    put32(rsrc, root + 20, 0x80000000u | std::uint32_t(images));
    put32(rsrc, root + 24, 14);
    put32(rsrc, root + 28, 0x80000000u | std::uint32_t(icons));
    std::vector<std::size_t> imageData, groupData;
    for (std::size_t type = 0; type < 2; ++type) {
        const std::size_t parent = type == 0 ? images : icons;
        for (std::size_t i = 0; i < groups; ++i) {
            const std::size_t language = directory(1);
            put32(rsrc, parent + 16 + 8 * i, std::uint32_t(i + 1));
            put32(rsrc, parent + 20 + 8 * i, 0x80000000u | std::uint32_t(language));
            put32(rsrc, language + 16, 1033);
            put32(rsrc, language + 20, std::uint32_t(rsrc.size()));
            (type == 0 ? imageData : groupData).push_back(rsrc.size());
            rsrc.append(16, '\0');
        }
    }
    const std::string image = iconImage();
    const std::size_t imageAt = rsrc.size();
    rsrc += image;
    for (std::size_t i = 0; i < groups; ++i) {
        put32(rsrc, imageData[i], resourceRva + std::uint32_t(imageAt));
        put32(rsrc, imageData[i] + 4, std::uint32_t(image.size()));
        const std::size_t group = rsrc.size();
        rsrc.append(20, '\0');
        put16(rsrc, group + 2, 1);
        put16(rsrc, group + 4, 1);
        rsrc[group + 6] = rsrc[group + 7] = 16;
        put16(rsrc, group + 10, 1);
        put16(rsrc, group + 12, 4);
        put32(rsrc, group + 14, std::uint32_t(image.size()));
        put16(rsrc, group + 18, std::uint32_t(i + 1));
        put32(rsrc, groupData[i], resourceRva + std::uint32_t(group));
        put32(rsrc, groupData[i] + 4, 20);
    }

    std::string pe(headerBytes, '\0');
    pe[0] = 'M';
    pe[1] = 'Z';
    put32(pe, 0x3c, 0x40);
    pe.replace(0x40, 4, std::string("PE\0\0", 4));
    put16(pe, 0x44, 0x14c);
    put16(pe, 0x46, 2);
    put16(pe, 0x54, 224);
    const std::size_t optional = 0x58;
    put16(pe, optional, 0x10b);
    put32(pe, optional + 92, 16);
    put32(pe, optional + 96 + 16, resourceRva);
    put32(pe, optional + 96 + 20, std::uint32_t(rsrc.size()));
    const std::size_t sections = optional + 224;
    pe.replace(sections, 5, ".data");
    put32(pe, sections + 8, std::uint32_t(fillerBytes));
    put32(pe, sections + 12, fillerRva);
    put32(pe, sections + 16, std::uint32_t(fillerBytes));
    put32(pe, sections + 20, headerBytes);
    pe.replace(sections + 40, 5, ".rsrc");
    put32(pe, sections + 48, std::uint32_t(rsrc.size()));
    put32(pe, sections + 52, resourceRva);
    put32(pe, sections + 56, std::uint32_t(rsrc.size()));
    put32(pe, sections + 60, headerBytes + std::uint32_t(fillerBytes));
    pe.append(fillerBytes, '\x5a');
    pe += rsrc;
    return pe;
}

// Arguments: icon groups, megabytes of other data.
void ListIcons(benchmark::State &state)
{
    const std::string pe =
        buildProgram(std::size_t(state.range(0)), std::size_t(state.range(1)) << 20);
    std::size_t found = 0;
    for (auto _ : state)
        found = qm::clipper::readIcons(pe).size();
    if (found != std::size_t(state.range(0)))
        state.SkipWithError("wrong icon count");
    state.SetComplexityN(state.range(0));
    state.counters["MB"] = double(pe.size()) / (1 << 20);
}
BENCHMARK(ListIcons)->ArgsProduct({{100, 1000, 10000}, {1, 50}})->Unit(benchmark::kMicrosecond);

} // namespace
