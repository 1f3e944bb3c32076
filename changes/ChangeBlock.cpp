// The change-block marker engines.
#include "changes/ChangeBlock.h"

#include "changes/MarkerLines.h"
#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <array>

namespace qm::changes {
namespace {

constexpr int kExclamationIcon = 48;

std::string markerLine(std::string_view lead,
                       BlockKind kind,
                       std::string_view programmer,
                       std::string_view date)
{
    std::string line(lead);
    line.append(kindWord(kind)).append(" by ").append(platform::trimBlanks(programmer));
    line.append(" on ").append(date).append("\r\n");
    return line;
}

// A blank selection (nothing, or spaces only) is refused before anything is written.
void requireSelection(std::optional<std::string_view> first,
                      const platform::LineReader &lines,
                      const char *text)
{
    if (platform::isBlankText(first, lines))
        throw common::UserMessageError({"No Action", text, kExclamationIcon});
}

// Lines that Delete Blocking drops on their own, leaving the code they mark.
constexpr std::array<std::string_view, 4> kPairMarkers = {
    "Block Changed by", "End of Block Changed", "End of Block Added", "Block Added by"};

// Marker lines are comment lines: one test of the line's first character skips the code.
bool mayBeMarker(std::string_view line)
{
    size_t at = line.find_first_not_of(" \t");
    return at != std::string_view::npos && line[at] == '\'';
}

bool isPairMarker(std::string_view line)
{
    for (std::string_view marker : kPairMarkers) {
        if (isMarkerLine(line, marker))
            return true;
    }
    return false;
}

bool isDeletionEnd(std::string_view line)
{
    return isMarkerLine(line, "End of Block Deleted");
}

} // namespace

std::string_view kindWord(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Addition:
        return "Added";
    case BlockKind::Change:
        return "Changed";
    case BlockKind::Deletion:
        return "Deleted";
    }
    return {};
}

std::string markerDate(const platform::Date &date, char separator)
{
    return platform::formatDate(date, "mm/dd/yyyy", separator);
}

std::string beginMarker(BlockKind kind, std::string_view programmer, std::string_view date)
{
    return markerLine("'* Block ", kind, programmer, date);
}

std::string endMarker(BlockKind kind, std::string_view programmer, std::string_view date)
{
    return markerLine("'* End of Block ", kind, programmer, date);
}

std::string AddBlock(std::string_view programmer, std::string_view date)
{
    return beginMarker(BlockKind::Addition, programmer, date) + "\r\n\r\n" +
           endMarker(BlockKind::Addition, programmer, date);
}

void ChangeBlock(platform::LineReader &lines,
                 std::string_view programmer,
                 std::string_view date,
                 common::TextSink &out)
{
    std::optional<std::string_view> line = lines.next();
    requireSelection(line, lines, "No change text selected!");
    out.append("\r\n").append(beginMarker(BlockKind::Change, programmer, date));
    // The selection goes through as it is, each line with its own line end. One that stops
    // inside a line still gets its end marker on a line of its own: glued to the code, the
    // marker would take that code with it when the block is removed.
    bool ended = true;
    for (; line; line = lines.next()) {
        const std::string_view end = lines.lineEnd();
        out.writeAsIs(std::string_view(line->data(), line->size() + end.size()));
        ended = !end.empty();
    }
    if (!ended)
        out.endLine();
    out.append(endMarker(BlockKind::Change, programmer, date)).endLine();
}

void DeletionBlock(platform::LineReader &lines,
                   std::string_view programmer,
                   std::string_view date,
                   common::TextSink &out)
{
    std::optional<std::string_view> line = lines.next();
    requireSelection(line, lines, "No deletion text selected!");
    out.append(beginMarker(BlockKind::Deletion, programmer, date));
    for (; line; line = lines.next())
        out.writeLine(0, "'* ", *line);
    out.append(endMarker(BlockKind::Deletion, programmer, date));
}

void RemoveBlocking(platform::LineReader &lines, common::TextSink &out)
{
    std::optional<std::string_view> line = lines.next();
    requireSelection(line, lines, "No text selected to unblock!");

    // Once a look for a deletion end line has run to the end of the text, none lies ahead of
    // any later line either: each line is looked at at most twice.
    bool endAhead = true;
    for (; line; line = lines.next()) {
        if (mayBeMarker(*line)) {
            // An end line met here has no begin line before it in the selection.
            if (isDeletionEnd(*line) || isPairMarker(*line))
                continue;
            if (isMarkerLine(*line, "Block Deleted by")) {
                if (endAhead) {
                    // The deleted code goes with its markers when its end line follows; else
                    // the reader goes back to the line after the begin line.
                    lines.mark();
                    bool found = false;
                    while (auto next = lines.next()) {
                        if (mayBeMarker(*next) && isDeletionEnd(*next)) {
                            found = true;
                            break;
                        }
                    }
                    if (found) {
                        lines.dropMark();
                    } else {
                        lines.rewind();
                        endAhead = false;
                    }
                }
                continue;
            }
        }
        out.writeLine(0, {}, *line);
    }
}

std::string
ChangeBlock(std::string_view selection, std::string_view programmer, std::string_view date)
{
    common::TextSink out;
    out.reserve(selection.size() + 256 + 4 * programmer.size());
    platform::LineReader lines(selection);
    ChangeBlock(lines, programmer, date, out);
    return out.take();
}

std::string
DeletionBlock(std::string_view selection, std::string_view programmer, std::string_view date)
{
    common::TextSink out;
    out.reserve(selection.size() + selection.size() / 8 + 256 + 4 * programmer.size());
    platform::LineReader lines(selection);
    DeletionBlock(lines, programmer, date, out);
    return out.take();
}

std::string RemoveBlocking(std::string_view selection)
{
    common::TextSink out;
    out.reserve(selection.size() + 2);
    platform::LineReader lines(selection);
    RemoveBlocking(lines, out);
    return out.take();
}

} // namespace qm::changes
