// The xBase to Basic conversion: ConvertXBaseBlock's ordered rewrite rules over a whole text,
// the engine side of the editor's ConvertXBaseProc, and the word helpers the rules use.
#pragma once

#include "common/ErrorReports.h" // UserMessage, the report a failed conversion carries

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qm::codetext {

/// Takes the next identifier (letters, digits and "_") off the front of `text`, as NextWord
/// does with "_" as the extra word character.
std::string GetNextVBWord(std::string_view &text);

/// Takes the next operand off the front of `text`, after any blanks: a run of letters, digits
/// and the characters _ ! ' " . ( ) [ ]. Parentheses are kept balanced: inside them everything
/// belongs to the operand, and a ")" that closes nothing ends it. A double-quoted string is
/// taken whole, blanks included. An operand whose parentheses never close runs to the end.
std::string GetNextPSOWord(std::string_view &text);

/// What a conversion gives back: the converted text (CR LF after every line) and, when the
/// conversion failed part-way, the system error report "ConvertXBaseBlock", with `text` holding
/// the output produced up to the failure.
struct XBaseConversion
{
    std::string text;
    std::optional<common::UserMessage> failure;
};

/// Called before each input line with its number (from 1): for a busy indicator on long input.
/// Whatever it throws ends the conversion as a failure.
using XBaseProgress = std::function<void(std::size_t lineNumber)>;

/// Converts xBase source to the host's Basic line by line. The conversion state (continuation,
/// block comment, depth, procedure, alias, loop exit) starts afresh on every call. Never throws.
XBaseConversion ConvertXBaseBlock(std::string_view input, const XBaseProgress &progress = {});

/// The editor command's engine: the selected text converted, or nothing for an empty selection
/// (which converts nothing). The glue puts `text` on the clipboard and pastes it over the
/// selection, and shows `failure` first when there is one.
std::optional<XBaseConversion> ConvertXBaseProc(std::string_view selection,
                                                const XBaseProgress &progress = {});

} // namespace qm::codetext
