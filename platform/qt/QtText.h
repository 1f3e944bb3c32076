// The Qt boundary of the 8-bit text: cp1252 bytes to QString and back, losslessly.
#pragma once

#include <string>
#include <string_view>

class QString; // the functions below take and give QString by value; callers include it

namespace qm::platform {

/// Every byte becomes one character (cp1252, with the five undefined bytes kept as C1 controls).
QString toQString(std::string_view cp1252);
/// Every character cp1252 holds becomes its byte; any other character becomes '?'.
std::string fromQString(const QString &text);

} // namespace qm::platform
