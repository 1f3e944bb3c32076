// The code listing every tool prints: a fixed-pitch font, comment lines in bold, and pages of a
// fixed number of lines with two blank lines at the top of each.
#pragma once

#include <string_view>

namespace qm::platform {
class Printer;
}

namespace qm::codetext {

inline constexpr int kPageLines = 73;
inline constexpr int kShortPageLines = 57;
/// The setting (section Configuration) that asks for the short page: any number but 0.
inline constexpr std::string_view kShortPageKey = "ShortPage";

/// Prints `text` (lines ended by CR LF, LF or CR) on `printer` as a listing of pages of
/// `pageLines` lines, and ends the document. Returns what endDoc returns: the path of the PDF
/// file written when there is no printer. Throws the printer's VbError.
std::string printListing(platform::Printer &printer, std::string_view text, int pageLines);

/// The page length the settings ask for: 57 when ShortPage is set, else 73.
int listingPageLines();

/// The print command of the tools: prints `text` on the runtime's printer. A failure shows its
/// text with the title "Print Error"; a listing written to a PDF file tells where it is.
/// Returns false when nothing was printed.
bool PrintText(std::string_view text);

} // namespace qm::codetext
