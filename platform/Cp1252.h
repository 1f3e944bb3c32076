// The lossless Windows-1252 codec: every byte maps to one Unicode code point and back.
#pragma once

#include <optional>

namespace qm::platform {

/// The code point of a cp1252 byte. The five bytes cp1252 leaves undefined (0x81, 0x8D, 0x8F,
/// 0x90, 0x9D) map to the C1 control of the same value, so every byte round-trips.
char16_t cp1252ToUnicode(unsigned char byte);

/// The cp1252 byte of a code point, or nothing when cp1252 cannot hold it.
std::optional<unsigned char> unicodeToCp1252(char16_t codePoint);

} // namespace qm::platform
