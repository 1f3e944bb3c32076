// The runtime failure the product reports: the classic runtime's error number and its text.
#pragma once

#include <stdexcept>
#include <string>

namespace qm::platform {

/// Classic runtime error numbers used by the platform layer and the tools.
namespace err {
inline constexpr int InvalidProcedureCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int InternalError = 51;
inline constexpr int BadFileNameOrNumber = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int DeviceIoError = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEndOfFile = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int PropertyNotSupported = 438;
inline constexpr int CancelSelected = 32755;
} // namespace err

/// The runtime's own text for an error number ("Application-defined or object-defined error"
/// for numbers it does not know).
std::string errorDescription(int number);

struct VbError : std::runtime_error
{
    /// An error with the runtime's own description for its number.
    explicit VbError(int errorNumber);
    VbError(int errorNumber, std::string text);

    int number;
    std::string description;
};

} // namespace qm::platform
