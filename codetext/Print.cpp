// The listing: fonts, bold comment lines, page breaks; and its command around the runtime's
// printer.
#include "codetext/Print.h"

#include "common/ErrorReports.h"
#include "common/Settings.h"
#include "platform/LineReader.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"

#include <string>

namespace qm::codetext {
namespace {

constexpr int kFirstLineOfPage = 5;

void printPageTop(platform::Printer &printer)
{
    printer.printLine(" ");
    printer.printLine(" ");
}

bool isCommentLine(std::string_view line)
{
    const std::string_view code = platform::trimLeadingBlanks(line);
    return !code.empty() && code.front() == '\'';
}

} // namespace

std::string printListing(platform::Printer &printer, std::string_view text, int pageLines)
{
    printer.setFont("Courier", 10);
    printer.setBold(false);
    printPageTop(printer);
    int counter = kFirstLineOfPage;
    platform::LineReader lines(text);
    bool bold = false;
    while (auto line = lines.next()) {
        const bool comment = isCommentLine(*line);
        if (comment != bold) {
            printer.setBold(comment);
            bold = comment;
        }
        printer.printLine(*line);
        if (++counter > pageLines) {
            printer.newPage();
            printPageTop(printer);
            counter = kFirstLineOfPage;
        }
    }
    if (bold)
        printer.setBold(false);
    return printer.endDoc();
}

int listingPageLines()
{
    try {
        const std::string value = common::GetIniSetting("Configuration", kShortPageKey);
        if (!value.empty() && platform::val(value) != 0)
            return kShortPageLines;
    } catch (const platform::VbError &) {
        // An unreadable settings file leaves the long page.
    }
    return kPageLines;
}

bool PrintText(std::string_view text)
{
    auto &ui = platform::ui();
    platform::Printer &printer = ui.printer();
    std::string pdfPath;
    try {
        pdfPath = printListing(printer, text, listingPageLines());
    } catch (...) {
        const platform::VbError failure = common::describeFailure(std::current_exception());
        // Close whatever was started, so the next listing begins on a fresh document.
        common::ignoreErrors([&] { printer.endDoc(); });
        common::ignoreErrors(
            [&] { ui.msgBox(failure.description, platform::mb::Critical, "Print Error"); });
        return false;
    }
    if (!pdfPath.empty()) {
        common::ignoreErrors([&] {
            ui.msgBox("No printer is set up, so the listing was saved as\n" + pdfPath,
                      platform::mb::Information, "Print");
        });
    }
    return true;
}

} // namespace qm::codetext
