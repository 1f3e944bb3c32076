// Deleting comment lines from a selection, line by line, byte for byte.
#include "changes/CommentCleanup.h"

#include "changes/MarkerLines.h"
#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "platform/LineReader.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"

namespace qm::changes {
namespace {

// The line's text after its leading blanks.
std::string_view lineText(std::string_view line)
{
    size_t at = 0;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
        ++at;
    return line.substr(at);
}

bool isDropped(std::string_view line, CommentKind kind)
{
    std::string_view text = lineText(line);
    if (kind == CommentKind::All && !text.empty() && text.front() == '\'')
        return true;
    if (kind == CommentKind::Product && text.size() >= 2 && text[0] == '\'' && text[1] == '*')
        return true;
    // The header of a palette comment block, however it was typed; never a line with code
    // before its comment.
    return isMarkerLine(line, "* Commented on");
}

} // namespace

void DeleteCommentedCode(platform::LineReader &lines, CommentKind kind, common::TextSink &kept)
{
    std::optional<std::string_view> line = lines.next();
    if (platform::isBlankText(line, lines))
        throw common::UserMessageError({"No Selected Text", "No text selected to delete comments!",
                                        platform::mb::Information});
    // The kept lines go on as they were, their own line ends included.
    for (; line; line = lines.next()) {
        if (line->empty() || !isDropped(*line, kind))
            kept.writeAsIs(std::string_view(line->data(), line->size() + lines.lineEnd().size()));
    }
}

std::string DeleteCommentedCode(std::string_view selection, CommentKind kind)
{
    common::TextSink kept;
    kept.reserve(selection.size());
    platform::LineReader lines(selection);
    DeleteCommentedCode(lines, kind, kept);
    return kept.take();
}

} // namespace qm::changes
