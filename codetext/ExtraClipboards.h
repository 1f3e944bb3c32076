// The three extra clipboards of the MultiClip page, and concatenation of the host's selection
// to the system clipboard.
#pragma once

#include <array>
#include <string>

namespace qm::codetext {

/// The three extra clipboards (index 0 to 2 for clipboards 1 to 3), held in memory only.
std::array<std::string, 3> &extraClipboards();

/// Cut and Copy: the host's selection, cut or copied, becomes the extra clipboard's content.
/// Paste: the extra clipboard's content replaces the host's selection. An index outside 0 to 2
/// does nothing. Failures are reported as the system error report.
void CutToExtraClipboard(int index);
void CopyToExtraClipboard(int index);
void PasteExtraClipboard(int index);

/// The palette's Concatenate: the host's selection appended to the clipboard text. With nothing
/// selected the clipboard keeps what it held.
void ConcatenateToClipboard();

} // namespace qm::codetext
