// The palette's comment, uncomment and indent commands: copy the host's selection, run the
// engine, paste the result back in its place.
#pragma once

namespace qm::codetext {

void StartComment();
void StartUncomment();
void StartIndent();

} // namespace qm::codetext
