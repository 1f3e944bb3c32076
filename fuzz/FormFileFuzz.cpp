// Fuzz target: the form file reader and writer, property access and controls as clipboard text.
// Whatever the reader accepts it must write back byte for byte, and what the model writes after
// changes it must read again.
#include "ide/Clipboard.h"
#include "ide/Form.h"
#include "ide/Module.h"
#include "platform/VbError.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void touch(qm::ide::Control &control)
{
    for (const char *name :
         {"Caption", "Left", "TabIndex", "Font.Bold", "Index", "Text", "Appearance", "Picture"}) {
        try {
            (void)control.property(name);
            (void)control.propertyText(name);
        } catch (const qm::platform::VbError &) {
        }
    }
}

void change(qm::ide::Control &control)
{
    auto attempt = [&](const char *name, const qm::ide::Value &value) {
        try {
            control.setProperty(name, value);
        } catch (const qm::platform::VbError &) {
        }
    };
    attempt("TabIndex", 0);
    attempt("Font.Bold", true);
    attempt("Caption", std::string("x\"y"));
    attempt("Left", 120);
    attempt("Appearance", 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char *>(data), size);

    for (auto kind : {qm::ide::ComponentKind::Module, qm::ide::ComponentKind::Class}) {
        try {
            auto module = qm::ide::ModuleFile::parse(kind, bytes, "fuzz.cls");
            if (module->text() != bytes)
                __builtin_trap();
        } catch (const qm::platform::VbError &) {
        }
    }

    std::unique_ptr<qm::ide::FormFile> form;
    try {
        form = qm::ide::FormFile::parse(bytes, "fuzz.frm");
    } catch (const qm::platform::VbError &) {
        return 0;
    }
    if (form->text() != bytes)
        __builtin_trap();

    std::vector<qm::ide::ControlPtr> controls = form->controls();
    for (const auto &c : controls)
        touch(*c);
    std::string copied = qm::ide::controlsToText(controls);
    for (const auto &c : controls)
        change(*c);
    change(*form->root());
    if (!controls.empty()) {
        try {
            qm::ide::pasteControls(*form, copied);
        } catch (const qm::platform::VbError &) {
        }
    }
    std::string written = form->text();
    try {
        auto again = qm::ide::FormFile::parse(written, "fuzz.frm");
        if (again->text() != written)
            __builtin_trap();
    } catch (const qm::platform::VbError &) {
        __builtin_trap(); // the model wrote something it cannot read
    }
    return 0;
}
