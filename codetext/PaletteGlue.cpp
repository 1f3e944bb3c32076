// The palette's text commands over the host round trip: every failing step is skipped, and the
// paste does not wait. They work on whole lines.
#include "codetext/PaletteGlue.h"

#include "codetext/Comment.h"
#include "codetext/Indent.h"
#include "common/HostRoundTrip.h"
#include "common/Settings.h"
#include "platform/Dates.h"

#include <string>

namespace qm::codetext {
using common::settings;

namespace {

common::HostRoundTrip paletteRoundTrip(const char *operation)
{
    common::HostRoundTrip trip(operation);
    trip.wholeLines().skipFailingSteps().pasteWithoutWaiting();
    return trip;
}

} // namespace

void StartComment()
{
    paletteRoundTrip("StartComment").run([](const std::string &selection) {
        const std::string date = commentDate(platform::today(), platform::dateSeparator());
        return CommentBlock(selection, date, settings().programmer());
    });
}

void StartUncomment()
{
    paletteRoundTrip("StartUncomment").copyAgainWhenEmpty().run([](const std::string &selection) {
        return UncommentBlock(selection);
    });
}

void StartIndent()
{
    paletteRoundTrip("StartIndent").run([](const std::string &selection) {
        return IndentBlock(selection, settings().tabSize);
    });
}

} // namespace qm::codetext
