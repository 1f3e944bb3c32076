// The icon calls over the icon reader: the images decoded with Qt (PNG) or the bitmap decoder.
#include "clipper/ui/IconApi.h"

#include "clipper/IconFile.h"
#include "clipper/IconPixels.h"
#include "platform/FileSystem.h"

#include <QImage>
#include <QPainter>

#include <map>
#include <string>

namespace qm::clipper {

namespace {

constexpr int kLargeIcon = 32;

// The last file read: the window asks for the count (which reads the file afresh) and then for
// each icon in turn, which must not read a large program once per icon.
struct ReadFile
{
    std::string name;
    std::string bytes;
    std::vector<Icon> icons;
};

const ReadFile &readIconFile(std::string_view fileName, bool fresh)
{
    static ReadFile last;
    if (!fresh && last.name == fileName && !last.name.empty())
        return last;
    last = ReadFile{std::string(fileName), {}, {}};
    try {
        last.bytes = platform::readFile(fileName);
    } catch (...) {
        return last;
    }
    last.icons = readIcons(last.bytes);
    return last;
}

QImage imageOf(std::string_view bytes, const IconImage &image)
{
    const std::string_view data = image.bytes(bytes);
    if (image.format == ImageFormat::Png)
        return QImage::fromData(reinterpret_cast<const uchar *>(data.data()),
                                qsizetype(data.size()));
    const auto pixels = decodeDib(data);
    if (!pixels)
        return {};
    QImage result(pixels->width, pixels->height, QImage::Format_ARGB32);
    for (int y = 0; y < pixels->height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < pixels->width; ++x)
            line[x] = pixels->argb[std::size_t(y) * std::size_t(pixels->width) + std::size_t(x)];
    }
    return result;
}

std::map<HICON, QImage> &handles()
{
    static std::map<HICON, QImage> icons;
    return icons;
}

} // namespace

HICON ExtractIconA(std::intptr_t, std::string_view fileName, int index)
{
    const ReadFile &file = readIconFile(fileName, index == -1);
    if (index == -1)
        return HICON(file.icons.size());
    if (index < 0 || std::size_t(index) >= file.icons.size())
        return 0;
    const IconImage *best = bestImage(file.icons[std::size_t(index)], kLargeIcon);
    QImage image = best ? imageOf(file.bytes, *best) : QImage();
    if (image.isNull())
        return 0;
    if (image.size() != QSize(kLargeIcon, kLargeIcon))
        image =
            image.scaled(kLargeIcon, kLargeIcon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    static HICON next = 0x1000;
    const HICON handle = ++next;
    handles().emplace(handle, image.convertToFormat(QImage::Format_ARGB32));
    return handle;
}

bool DrawIcon(QPaintDevice *hdc, int x, int y, HICON icon)
{
    const auto found = handles().find(icon);
    if (!hdc || found == handles().end())
        return false;
    QPainter painter(hdc);
    painter.drawImage(x, y, found->second);
    return true;
}

bool DestroyIcon(HICON icon)
{
    return handles().erase(icon) != 0;
}

} // namespace qm::clipper

namespace qm::clipper {

QImage LoadPicture(std::string_view fileName)
{
    const std::string path = platform::resolvePath(fileName).string();
    if (QString::fromStdString(path).endsWith(QLatin1String(".ico"), Qt::CaseInsensitive)) {
        const HICON icon = ExtractIconA(0, fileName, ExtractIconA(0, fileName, -1) > 0 ? 0 : -2);
        const QImage image = icon ? handles().at(icon) : QImage();
        DestroyIcon(icon);
        return image;
    }
    return QImage(QString::fromStdString(path));
}

} // namespace qm::clipper
