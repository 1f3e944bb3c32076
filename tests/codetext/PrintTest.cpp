#include "codetext/Print.h"

#include "platform/Printer.h"
#include "platform/ScriptedUi.h"
#include "platform/VbError.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtUi.h"
#include "tests/support/TempDir.h"

#include <QPrinterInfo>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using namespace qm;
using namespace qm::codetext;
using platform::PrintedLine;

namespace {

std::string numberedLines(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "x" + std::to_string(i) + "\r\n";
    return text;
}

// The lines of one page, as text.
std::vector<std::string> pageText(const platform::RecordingPrinter::Document &doc, int page)
{
    std::vector<std::string> lines;
    for (const auto &line : doc.lines)
        if (line.page == page)
            lines.push_back(line.text);
    return lines;
}

} // namespace

TEST(PrintListing, CommentLinesAreBoldInCourierAfterTwoBlankLines)
{
    platform::RecordingPrinter printer;
    printListing(printer, "Sub A()\r\n   ' note\r\n'top\r\n   x = 1 ' trailing\r\n\r\nEnd Sub",
                 kPageLines);
    ASSERT_EQ(printer.documents().size(), 1u);
    const auto &lines = printer.documents()[0].lines;
    struct Expected
    {
        std::string text;
        bool bold;
    };
    const std::vector<Expected> expected = {
        {" ", false},        {" ", false},       {"Sub A()", false},
        {"   ' note", true}, {"'top", true},     {"   x = 1 ' trailing", false},
        {"", false},         {"End Sub", false},
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, expected[i].text) << i;
        EXPECT_EQ(lines[i].bold, expected[i].bold) << i;
        EXPECT_EQ(lines[i].font, "Courier");
        EXPECT_EQ(lines[i].points, 10);
    }
    EXPECT_EQ(printer.documents()[0].pages, 1);
}

TEST(PrintListing, PagesBreakAfterTheirLineCountStartingFromFive)
{
    // The counter starts at 5, so a page of N lines holds N - 4 lines of code.
    for (int pageLines : {kPageLines, kShortPageLines}) {
        SCOPED_TRACE(pageLines);
        const int perPage = pageLines - 4;
        platform::RecordingPrinter printer;
        printListing(printer, numberedLines(perPage + 3), pageLines);
        const auto &doc = printer.documents().at(0);
        EXPECT_EQ(doc.pages, 2);
        const auto first = pageText(doc, 1);
        ASSERT_EQ(first.size(), static_cast<size_t>(perPage + 2));
        EXPECT_EQ(first.back(), "x" + std::to_string(perPage));
        EXPECT_EQ(pageText(doc, 2),
                  (std::vector<std::string>{" ", " ", "x" + std::to_string(perPage + 1),
                                            "x" + std::to_string(perPage + 2),
                                            "x" + std::to_string(perPage + 3)}));
    }
}

TEST(PrintListing, EveryByteOfALineIsPrintedUnfolded)
{
    platform::RecordingPrinter printer;
    const std::string longLine(500, 'a');
    printListing(printer, longLine + "\n\x80\xff\tz\r", kPageLines);
    const auto &lines = printer.documents().at(0).lines;
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].text, longLine);
    EXPECT_EQ(lines[3].text, "\x80\xff\tz");
}

namespace {

struct FailingPrinter final : platform::Printer
{
    void setFont(std::string_view, int) override {}
    void setBold(bool) override {}
    void printLine(std::string_view) override
    {
        throw platform::VbError(platform::kPrinterError, "Printer error");
    }
    void newPage() override {}
    std::string endDoc() override
    {
        ++ended;
        return {};
    }
    int ended = 0;
};

struct FailingPrinterUi final : platform::ScriptedUi
{
    FailingPrinter failing;
    platform::Printer &printer() override { return failing; }
};

} // namespace

TEST(PrintText, AFailureShowsPrintErrorAndEndsTheDocument)
{
    FailingPrinterUi ui;
    platform::ScopedUi installed(ui);
    EXPECT_FALSE(PrintText("a\r\n"));
    auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Print Error");
    EXPECT_EQ(boxes[0].text, "Printer error");
    EXPECT_EQ(boxes[0].style, 16);
    EXPECT_EQ(ui.failing.ended, 1);
}

TEST(PrintText, TheShortPageSettingChoosesFiftySevenLines)
{
    test::SandboxDirs dirs;
    platform::ScriptedUi ui;
    platform::ScopedUi installed(ui);
    EXPECT_EQ(listingPageLines(), kPageLines); // no settings file
    dirs.windows.write("quillmrk.ini", "[Configuration]\r\nShortPage=1\r\n");
    EXPECT_EQ(listingPageLines(), kShortPageLines);
    EXPECT_TRUE(PrintText(numberedLines(60)));
    EXPECT_EQ(ui.recordingPrinter().documents().at(0).pages, 2);
    EXPECT_TRUE(ui.callsOf("msgbox").empty());
    dirs.windows.write("quillmrk.ini", "[Configuration]\r\nShortPage=0\r\n");
    EXPECT_EQ(listingPageLines(), kPageLines);
}

TEST(PrintText, WithoutAPrinterTheListingIsANewPdfFile)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is set up here";
    test::TempDir dir;
    test::ScopedEnv home("HOME", dir.str());
    test::ScopedEnv temp("TMPDIR", dir.str());
    test::ScopedEnv documents("XDG_DOCUMENTS_DIR", dir.file("Documents"));
    platform::QtUi qt;
    platform::ScopedUi installed(qt);
    platform::QtPrinter printer;
    const std::string path = printListing(printer, "Sub A()\r\n' note\r\nEnd Sub\r\n", kPageLines);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.rfind(dir.str(), 0), 0u) << path;
    std::ifstream in(path, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
    // The next listing never overwrites this one.
    EXPECT_NE(platform::pdfListingPath(), path);
}

namespace {

struct PdfPrinter final : platform::Printer
{
    void setFont(std::string_view, int) override {}
    void setBold(bool) override {}
    void printLine(std::string_view) override {}
    void newPage() override {}
    std::string endDoc() override { return "/home/dev/Documents/Quillmark listing 1.pdf"; }
};

struct PdfUi final : platform::ScriptedUi
{
    PdfPrinter pdf;
    platform::Printer &printer() override { return pdf; }
};

} // namespace

TEST(PrintText, TellsWhereAPdfListingWent)
{
    PdfUi ui;
    platform::ScopedUi installed(ui);
    EXPECT_TRUE(PrintText("a\r\n"));
    const auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "No printer is set up, so the listing was saved as\n"
                             "/home/dev/Documents/Quillmark listing 1.pdf");
}
