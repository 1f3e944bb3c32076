// The Document Block and Track Changes buttons over the host round trip: they work on whole
// lines, paste with waiting, and report a failure under the button's handler name.
#include "changes/TrackChangesGlue.h"

#include "changes/ChangeBlock.h"
#include "common/HostRoundTrip.h"
#include "common/Settings.h"
#include "platform/Dates.h"

#include <string>

namespace qm::changes {
using common::settings;

namespace {

std::string today()
{
    return markerDate(platform::today(), platform::dateSeparator());
}

} // namespace

void pbBlockanAdd_Click()
{
    // The block goes in before the caret's line, never into the middle of it.
    common::HostRoundTrip("pbBlockanAdd_Click").wholeLines().insert([] {
        return AddBlock(settings().programmer(), today());
    });
}

void pbChangeBlock_Click()
{
    common::HostRoundTrip("pbChangeBlock_Click").wholeLines().run([](const std::string &code) {
        return ChangeBlock(code, settings().programmer(), today());
    });
}

void pbCommentDeletion_Click()
{
    common::HostRoundTrip("pbCommentDeletion_Click").wholeLines().run([](const std::string &code) {
        return DeletionBlock(code, settings().programmer(), today());
    });
}

void SSCommand3_Click()
{
    common::HostRoundTrip("SSCommand3_Click").wholeLines().run([](const std::string &code) {
        return RemoveBlocking(code);
    });
}

} // namespace qm::changes
