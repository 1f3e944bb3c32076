// Readers of the icon directories of .ico files and of the resource section of PE files.
#include "clipper/IconFile.h"

#include <cstdlib>
#include <limits>
#include <map>
#include <optional>
#include <set>

namespace qm::clipper {

namespace {

constexpr std::uint32_t kIconType = 3;       // a single image of an icon
constexpr std::uint32_t kGroupIconType = 14; // an icon: the directory of its images
constexpr int kLargestSide = 1024;

// Little-endian reads that give nothing past the end instead of reading it.
std::optional<std::uint32_t> read16(std::string_view bytes, std::size_t at)
{
    if (at > bytes.size() || bytes.size() - at < 2)
        return std::nullopt;
    return std::uint32_t(std::uint8_t(bytes[at])) | std::uint32_t(std::uint8_t(bytes[at + 1])) << 8;
}

std::optional<std::uint32_t> read32(std::string_view bytes, std::size_t at)
{
    if (at > bytes.size() || bytes.size() - at < 4)
        return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[at + std::size_t(i)]);
    return value;
}

std::uint32_t readBigEndian32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

bool fits(std::string_view bytes, std::size_t offset, std::size_t size)
{
    return offset <= bytes.size() && size <= bytes.size() - offset;
}

bool describeDib(std::string_view bytes, IconImage &image)
{
    const auto headerSize = read32(bytes, 0);
    const auto width = read32(bytes, 4);
    const auto height = read32(bytes, 8);
    const auto bitCount = read16(bytes, 14);
    if (!headerSize || !bitCount || *headerSize < 40 || *headerSize > bytes.size())
        return false;
    const auto side = [](std::uint32_t value) {
        return int(std::int32_t(value));
    };
    // The height counts the colour rows and the mask rows.
    if (side(*width) <= 0 || side(*width) > kLargestSide || side(*height) <= 0 ||
        side(*height) > 2 * kLargestSide || side(*height) % 2 != 0)
        return false;
    switch (*bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    image.width = side(*width);
    image.height = side(*height) / 2;
    image.bitCount = int(*bitCount);
    image.format = ImageFormat::Dib;
    return true;
}

bool describePng(std::string_view bytes, IconImage &image)
{
    static constexpr std::string_view signature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.size() < 33 || bytes.substr(0, 8) != signature || bytes.substr(12, 4) != "IHDR")
        return false;
    const std::uint32_t width = readBigEndian32(bytes, 16);
    const std::uint32_t height = readBigEndian32(bytes, 20);
    if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide)
        return false;
    int channels = 0;
    switch (std::uint8_t(bytes[25])) {
    case 0:
        channels = 1;
        break;
    case 2:
        channels = 3;
        break;
    case 3:
        channels = 1;
        break;
    case 4:
        channels = 2;
        break;
    case 6:
        channels = 4;
        break;
    default:
        return false;
    }
    image.width = int(width);
    image.height = int(height);
    image.bitCount = channels * std::uint8_t(bytes[24]);
    image.format = ImageFormat::Png;
    return true;
}

// .ico: a directory of 16-byte entries, each naming its image by size and file offset.
std::vector<Icon> readIcoFile(std::string_view file)
{
    const auto reserved = read16(file, 0);
    const auto type = read16(file, 2);
    const auto count = read16(file, 4);
    if (!reserved || *reserved != 0 || !type || *type != 1 || !count)
        return {};
    Icon icon;
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const auto size = read32(file, entry + 8);
        const auto offset = read32(file, entry + 12);
        if (!size || !offset)
            break; // the directory ends with the file
        if (!fits(file, *offset, *size))
            continue;
        IconImage image;
        image.offset = *offset;
        image.size = *size;
        if (describeImage(image.bytes(file), image))
            icon.images.push_back(image);
    }
    if (icon.images.empty())
        return {};
    return {icon};
}

struct Section
{
    std::uint32_t virtualAddress = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
};

class PeFile
{
public:
    explicit PeFile(std::string_view file)
        : m_file(file)
    {}

    std::vector<Icon> icons();

private:
    bool readHeaders();
    std::optional<std::size_t> fileOffset(std::uint32_t rva, std::uint32_t size) const;
    // The entries of the resource directory at OFFSET: (name or id, target), ids only.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> directory(std::uint32_t offset);
    std::optional<std::pair<std::size_t, std::size_t>> leafData(std::uint32_t target);
    std::optional<std::pair<std::size_t, std::size_t>> firstLeaf(std::uint32_t target, int depth);

    std::string_view m_file;
    std::vector<Section> m_sections;
    std::string_view m_resources;
    std::set<std::uint32_t> m_visited;
};

bool PeFile::readHeaders()
{
    if (m_file.substr(0, 2) != "MZ")
        return false;
    const auto peOffset = read32(m_file, 0x3c);
    if (!peOffset || !fits(m_file, *peOffset, 24) ||
        m_file.substr(*peOffset, 4) != std::string_view("PE\0\0", 4))
        return false;
    const std::size_t coff = *peOffset + 4;
    const std::uint32_t sectionCount = *read16(m_file, coff + 2);
    const std::uint32_t optionalSize = *read16(m_file, coff + 16);
    const std::size_t optional = coff + 20;
    if (!fits(m_file, optional, optionalSize))
        return false;
    const std::string_view header = m_file.substr(optional, optionalSize);
    const auto magic = read16(header, 0);
    if (!magic || (*magic != 0x10b && *magic != 0x20b))
        return false;
    const std::size_t directoryCountAt = *magic == 0x10b ? 92 : 108;
    const auto directoryCount = read32(header, directoryCountAt);
    if (!directoryCount || *directoryCount < 3)
        return false;
    const auto resourceRva = read32(header, directoryCountAt + 4 + 2 * 8);
    const auto resourceSize = read32(header, directoryCountAt + 4 + 2 * 8 + 4);
    if (!resourceRva || !resourceSize || *resourceRva == 0)
        return false;

    const std::size_t table = optional + optionalSize;
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::size_t at = table + 40 * i;
        if (!fits(m_file, at, 40))
            break;
        Section section;
        section.virtualAddress = *read32(m_file, at + 12);
        section.rawSize = *read32(m_file, at + 16);
        section.rawOffset = *read32(m_file, at + 20);
        m_sections.push_back(section);
    }
    // The resource directory reaches to the end of its section's bytes: the size in the header
    // is often that of the directory alone, and the data may lie after it.
    for (const Section &section : m_sections) {
        if (*resourceRva < section.virtualAddress ||
            *resourceRva - section.virtualAddress >= section.rawSize)
            continue;
        const std::size_t start =
            std::size_t(section.rawOffset) + (*resourceRva - section.virtualAddress);
        const std::size_t end = std::size_t(section.rawOffset) + section.rawSize;
        if (start >= m_file.size())
            return false;
        m_resources = m_file.substr(start, std::min(end, m_file.size()) - start);
        return true;
    }
    return false;
}

std::optional<std::size_t> PeFile::fileOffset(std::uint32_t rva, std::uint32_t size) const
{
    for (const Section &section : m_sections) {
        if (rva < section.virtualAddress)
            continue;
        const std::uint64_t into = rva - section.virtualAddress;
        if (into + size > section.rawSize)
            continue;
        const std::uint64_t offset = section.rawOffset + into;
        if (!fits(m_file, std::size_t(offset), size))
            return std::nullopt;
        return std::size_t(offset);
    }
    return std::nullopt;
}

std::vector<std::pair<std::uint32_t, std::uint32_t>> PeFile::directory(std::uint32_t offset)
{
    // Each directory is read once: one that points back at itself or at another one already
    // read adds nothing, so the work stays linear in the entries.
    if (!m_visited.insert(offset).second)
        return {};
    const auto named = read16(m_resources, offset + std::size_t(12));
    const auto ids = read16(m_resources, offset + std::size_t(14));
    if (!named || !ids)
        return {};
    std::vector<std::pair<std::uint32_t, std::uint32_t>> entries;
    const std::size_t total = std::size_t(*named) + *ids;
    for (std::size_t i = 0; i < total; ++i) {
        const std::size_t at = offset + std::size_t(16) + 8 * i;
        const auto name = read32(m_resources, at);
        const auto target = read32(m_resources, at + 4);
        if (!name || !target)
            break;
        entries.emplace_back(*name, *target);
    }
    return entries;
}

std::optional<std::pair<std::size_t, std::size_t>> PeFile::leafData(std::uint32_t target)
{
    const auto rva = read32(m_resources, target);
    const auto size = read32(m_resources, std::size_t(target) + 4);
    if (!rva || !size)
        return std::nullopt;
    const auto offset = fileOffset(*rva, *size);
    if (!offset)
        return std::nullopt;
    return std::make_pair(*offset, std::size_t(*size));
}

// The data of a resource: its first language's, below the name's entry.
std::optional<std::pair<std::size_t, std::size_t>> PeFile::firstLeaf(std::uint32_t target,
                                                                     int depth)
{
    constexpr std::uint32_t subdirectory = 0x80000000u;
    if (!(target & subdirectory))
        return leafData(target);
    if (depth == 0)
        return std::nullopt;
    for (const auto &[name, child] : directory(target & ~subdirectory)) {
        (void)name;
        if (auto data = firstLeaf(child, depth - 1))
            return data;
    }
    return std::nullopt;
}

std::vector<Icon> PeFile::icons()
{
    if (!readHeaders())
        return {};
    constexpr std::uint32_t subdirectory = 0x80000000u;
    std::vector<std::uint32_t> groupTargets;
    std::optional<std::uint32_t> imagesTarget;
    for (const auto &[type, target] : directory(0)) {
        if (!(target & subdirectory))
            continue;
        if (type == kGroupIconType && groupTargets.empty()) {
            for (const auto &[name, child] : directory(target & ~subdirectory)) {
                (void)name;
                groupTargets.push_back(child);
            }
        } else if (type == kIconType && !imagesTarget) {
            imagesTarget = target;
        }
    }
    // The images by their number; a name that is a string cannot be referred to by a group.
    std::map<std::uint32_t, std::pair<std::size_t, std::size_t>> images;
    if (imagesTarget) {
        for (const auto &[name, child] : directory(*imagesTarget & ~subdirectory)) {
            if (name & subdirectory || images.count(name))
                continue;
            if (auto data = firstLeaf(child, 1))
                images.emplace(name, *data);
        }
    }

    std::vector<Icon> icons;
    for (std::uint32_t target : groupTargets) {
        const auto data = firstLeaf(target, 1);
        if (!data)
            continue;
        const std::string_view group = m_file.substr(data->first, data->second);
        const auto type = read16(group, 2);
        const auto count = read16(group, 4);
        if (!type || *type != 1 || !count)
            continue;
        Icon icon;
        for (std::size_t i = 0; i < *count; ++i) {
            const auto id = read16(group, 6 + 14 * i + 12);
            if (!id)
                break;
            const auto found = images.find(*id);
            if (found == images.end())
                continue;
            IconImage image;
            image.offset = found->second.first;
            image.size = found->second.second;
            if (describeImage(image.bytes(m_file), image))
                icon.images.push_back(image);
        }
        if (!icon.images.empty())
            icons.push_back(std::move(icon));
    }
    return icons;
}

} // namespace

bool describeImage(std::string_view bytes, IconImage &image)
{
    return describePng(bytes, image) || describeDib(bytes, image);
}

std::vector<Icon> readIcons(std::string_view file)
{
    if (file.substr(0, 2) == "MZ")
        return PeFile(file).icons();
    return readIcoFile(file);
}

const IconImage *bestImage(const Icon &icon, int size)
{
    const IconImage *best = nullptr;
    long bestDistance = std::numeric_limits<long>::max();
    int bestDepth = -1;
    for (const IconImage &image : icon.images) {
        const long distance =
            std::labs(long(image.width) - size) + std::labs(long(image.height) - size);
        const int depth = std::min(image.bitCount, 32);
        if (distance < bestDistance || (distance == bestDistance && depth > bestDepth)) {
            best = &image;
            bestDistance = distance;
            bestDepth = depth;
        }
    }
    return best;
}

} // namespace qm::clipper
