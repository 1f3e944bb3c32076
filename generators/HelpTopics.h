// The help topic reader: the topics and context numbers of a help project's file (a C-style
// header, a Basic module of constants or the help text in RTF) as the help context window lists
// them, and the context number of a chosen item.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm::generators {

/// 'C' for a path containing ".hh", 'B' for ".bas", 'R' for ".rtf" (letter case ignored, tested
/// in that order over the whole path); 0 for none of them.
char contextFileKind(std::string_view path);

/// The items of the topic list, in file order, each "topic, number". Lines end with CR LF, LF
/// or CR. For 'C' and 'B' every line gives an item (a blank one gives ", "); for 'R' a title
/// footnote directly followed by an index footnote gives one. No items for another kind.
std::vector<std::string> contextTopics(std::string_view text, char kind);

/// The context number of an item: the five characters two after its first comma.
struct ContextNumber
{
    enum Status { Ok, NoComma, NotANumber };
    Status status = NoComma;
    std::int16_t value = 0;
    std::string text; ///< the five (or fewer) characters read
};
/// Reads it as a 16-bit integer: blanks around it allowed, an optional sign, digits only; a text
/// that is no such number, or one outside -32768..32767, is NotANumber.
ContextNumber contextNumberOf(std::string_view item);

} // namespace qm::generators
