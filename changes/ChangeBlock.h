// The change-block markers: added, changed and deleted code between marker lines that name the
// programmer and the date, and the resolution of such blocks ("Delete Blocking").
#pragma once

#include "common/TextSink.h"
#include "platform/Dates.h"

#include <string>
#include <string_view>

namespace qm::platform {
class LineReader;
}

namespace qm::changes {

enum class BlockKind { Addition, Change, Deletion };

/// "Added", "Changed" or "Deleted": the word a marker line and the change report use for a kind.
std::string_view kindWord(BlockKind kind);

/// The date of a marker line: "mm/dd/yyyy" with the system's date separator, always ten
/// characters, which is how the change report finds it.
std::string markerDate(const platform::Date &date, char separator);

/// "'* Block Added by NAME on DATE" and its kin, with CR LF; the name is trimmed.
std::string beginMarker(BlockKind kind, std::string_view programmer, std::string_view date);
/// "'* End of Block Added by NAME on DATE" and its kin, with CR LF.
std::string endMarker(BlockKind kind, std::string_view programmer, std::string_view date);

/// Addition: an empty addition block (begin line, two empty lines, end line) to type into.
std::string AddBlock(std::string_view programmer, std::string_view date);

/// Change: an empty line, the change begin line, the selection as it is, the end line on a line
/// of its own, an empty line. Throws UserMessageError ("No Action") for a blank selection.
std::string
ChangeBlock(std::string_view selection, std::string_view programmer, std::string_view date);

/// Deletion: each line of the selection behind "'* " between deletion markers. Throws
/// UserMessageError ("No Action") for a blank selection.
std::string
DeletionBlock(std::string_view selection, std::string_view programmer, std::string_view date);

/// Delete Blocking: the marker lines of addition and change blocks go, their code stays;
/// deletion blocks go whole. A deletion begin line without its end line in the selection goes
/// alone, and so does a stray end line: code that no pair of markers encloses is never dropped.
/// Throws UserMessageError ("No Action") for a blank selection.
std::string RemoveBlocking(std::string_view selection);

/// The same engines reading the selection's lines as they come and writing into `out` as they
/// go; they throw before writing anything.
void ChangeBlock(platform::LineReader &lines,
                 std::string_view programmer,
                 std::string_view date,
                 common::TextSink &out);
void DeletionBlock(platform::LineReader &lines,
                   std::string_view programmer,
                   std::string_view date,
                   common::TextSink &out);
void RemoveBlocking(platform::LineReader &lines, common::TextSink &out);

} // namespace qm::changes
