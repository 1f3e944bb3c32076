// The "Document Block" and "Track Changes" buttons: the change-block engines between reading the
// host's selection and pasting the result back.
#pragma once

namespace qm::changes {

/// pbBlockanAdd: pastes an empty addition block at the caret.
void pbBlockanAdd_Click();
/// pbChangeBlock: the selection between change markers.
void pbChangeBlock_Click();
/// pbCommentDeletion: the selection commented out between deletion markers.
void pbCommentDeletion_Click();
/// SSCommand3 ("Delete Blocking"): the selection with its blocks resolved.
void SSCommand3_Click();

} // namespace qm::changes
