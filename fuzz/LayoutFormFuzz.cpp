// Fuzz target: the layout tools' form-file line editor. What it reads it writes back byte for
// byte; after every kind of change it makes, its output reads again, and a form the stand-in
// IDE could read before is one it can read after.
#include "common/ErrorReports.h"
#include "ide/Form.h"
#include "layout/Arrange.h"
#include "layout/FormText.h"
#include "layout/TabOrder.h"
#include "platform/VbError.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool ideReads(std::string_view bytes)
{
    try {
        qm::ide::FormFile::parse(bytes, "fuzz.frm");
        return true;
    } catch (const qm::platform::VbError &) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace qm::layout;
    std::string_view bytes(reinterpret_cast<const char *>(data), size);
    std::optional<FormText> form;
    try {
        form.emplace(bytes);
    } catch (const qm::common::UserMessageError &) {
        return 0;
    }
    if (form->text() != bytes)
        std::abort();

    std::vector<Geometry> selection;
    std::vector<std::size_t> controls;
    for (std::size_t c = 0; c < form->controlCount() && c < 64; ++c) {
        controls.push_back(c);
        selection.push_back({form->number(c, "Left").value_or(0), form->number(c, "Top").value_or(0),
                             form->number(c, "Width").value_or(0),
                             form->number(c, "Height").value_or(0)});
    }
    for (const Write &w : spaceControls(selection, Spacing::Fill, Axis::Vertical))
        form->setNumber(controls[w.control], propertyName(w.property), w.value);
    for (const Write &w : alignControls(selection, Coordinate::Left, Coordinate::Width, {}))
        form->setNumber(controls[w.control], propertyName(w.property), w.value);
    std::vector<std::size_t> order = form->tabOrder();
    std::vector<TabSlot> slots(form->controlCount());
    for (std::size_t c = 0; c < slots.size(); ++c)
        slots[c] = {form->number(c, "TabIndex").value_or(-1), form->isWritten(c, "TabIndex")};
    for (std::size_t c : sortForTabOrder(selection, TabOrderBy::Rows))
        if (form->hasProperty(controls[c], "TabIndex"))
            giveTabIndex(order, slots, controls[c], 0);
    for (std::size_t c = 0; c < slots.size(); ++c)
        if (slots[c].written)
            form->writeNumberLine(c, "TabIndex", slots[c].value);
    for (std::size_t c : controls) {
        form->setBold(c, c % 2 == 0);
        form->setEnum(c, "Appearance", 0);
        form->setEnum(c, "BackStyle", 0);
        form->setText(c, "Caption", "");
        form->setText(c, "Text", "\"x\"");
    }

    const std::string after = form->text();
    try {
        if (FormText(after).text() != after)
            std::abort();
    } catch (const qm::common::UserMessageError &) {
        std::abort();
    }
    if (ideReads(bytes) && !ideReads(after))
        std::abort();
    return 0;
}
