// The designers' Show Code and Paint It.
#include "generators/ui/PaintCode.h"

#include "common/HostRoundTrip.h"
#include "generators/ui/frmShowCode.h"

#include <QWidget>

namespace qm::generators {

void showCodePreview(QWidget &designer, const std::string &code)
{
    previewText() = code;
    frmShowCode::showModal(&designer);
}

bool paintCode(QWidget &designer, const std::string &code, std::string_view operation)
{
    common::HostRoundTrip trip(operation);
    trip.sayCodeIsOnClipboard();
    // Nothing is lost when the clipboard refuses the code: the designer stays open as it was.
    if (!trip.putOnClipboard(code))
        return false;
    designer.close();
    // The paste goes to the host window recorded when the designer was opened.
    return trip.paste();
}

} // namespace qm::generators
