// Stand-ins for the system's icon calls the clipper makes: ExtractIconA, DrawIcon, DestroyIcon.
#pragma once

#include <cstdint>
#include <string_view>

class QPaintDevice;

namespace qm::clipper {

using HICON = std::intptr_t;

/// Index -1: the number of icons in FILENAME. Otherwise icon INDEX at the large system icon size
/// (32 x 32), or 0 when there is none or its image cannot be read. hInst is not used.
HICON ExtractIconA(std::intptr_t hInst, std::string_view fileName, int index);
/// Draws ICON with its top-left corner at (x, y) of HDC; false for an unknown handle.
bool DrawIcon(QPaintDevice *hdc, int x, int y, HICON icon);
/// Frees ICON; false for an unknown handle.
bool DestroyIcon(HICON icon);

} // namespace qm::clipper

class QImage;

namespace qm::clipper {

/// LoadPicture: the picture of a bitmap (or other image) file, or the first icon of an .ico file
/// at 32 x 32; a null image when it cannot be read.
QImage LoadPicture(std::string_view fileName);

} // namespace qm::clipper
