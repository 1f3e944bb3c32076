// Fuzz target: the send-keys parser, escaping (which must always give text that types itself),
// and the parsed keys typed into a code pane, which must keep its caret and sections in range.
#include "ide/CodePane.h"
#include "platform/SendKeys.h"
#include "platform/VbError.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

const char kModule[] = "Attribute VB_Name = \"Module1\"\r\n"
                       "Option Explicit\r\n"
                       "' the counter\r\n"
                       "Sub AddOne()\r\n"
                       "    x = x + 1\r\n"
                       "End Sub\r\n"
                       "\r\n"
                       "Function Twice(n)\n"
                       "    Twice = n * 2\n"
                       "End Function";

void typeIntoPane(const std::vector<qm::platform::KeyChord> &chords, bool procedureView)
{
    std::string code = kModule;
    qm::ide::CodePane pane(code);
    pane.setProcedureView(procedureView);
    pane.showProcedure("AddOne");
    for (const auto &chord : chords) {
        pane.applyKey(chord);
        auto [lo, hi] = pane.shownRange();
        if (pane.caret() > code.size() || pane.anchor() > code.size() || lo > code.size() ||
            hi > code.size())
            __builtin_trap();
        (void)pane.selectedText();
        (void)pane.caretLine();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char *>(data), size);
    try {
        auto chords = qm::platform::parseSendKeys(text);
        // What parses writes back to text that parses to the same chords.
        if (qm::platform::parseSendKeys(qm::platform::describeChords(chords)) != chords)
            __builtin_trap();
        if (chords.size() <= 2000) {
            typeIntoPane(chords, true);
            typeIntoPane(chords, false);
        }
    } catch (const qm::platform::VbError &e) {
        if (e.number != 5)
            __builtin_trap();
    }
    std::string plain(text.substr(0, 512));
    auto typed = qm::platform::parseSendKeys(qm::platform::escapeSendKeys(plain));
    // One key per byte: a line-break byte presses Enter, every other byte types itself.
    if (typed.size() != plain.size())
        __builtin_trap();
    return 0;
}
