// The common dialog generator.
#include "generators/CommonDialog.h"

#include "common/TextHelpers.h"
#include "generators/MsgBox.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <array>
#include <limits>

namespace qm::generators {
namespace {

constexpr std::array<std::string_view, 13> kOpenSaveFlags = {
    "OFN_READONLY = &H1&",
    "OFN_OVERWRITEPROMPT = &H2&",
    "OFN_HIDEREADONLY = &H4&",
    "OFN_NOCHANGEDIR = &H8&",
    "OFN_SHOWHELP = &H10&",
    "OFN_NOVALIDATE = &H100&",
    "OFN_ALLOWMULTISELECT = &H200&",
    "OFN_EXTENSIONDIFFERENT = &H400&",
    "OFN_PATHMUSTEXIST = &H800&",
    "OFN_FILEMUSTEXIST = &H1000&",
    "OFN_CREATEPROMPT = &H2000&",
    "OFN_SHAREAWARE = &H4000&",
    "OFN_NOREADONLYRETURN = &H8000&",
};

constexpr std::array<std::string_view, 4> kColorFlags = {
    "CC_RGBINIT = &H1&",
    "CC_FULLOPEN = &H2&",
    "CC_PREVENTFULLOPEN = &H4&",
    "CC_SHOWHELP = &H8&",
};

constexpr std::array<std::string_view, 20> kFontFlags = {
    "CF_SCREENFONTS = &H1&",
    "CF_PRINTERFONTS = &H2&",
    "CF_BOTH = &H3&",
    "CF_SHOWHELP = &H4&",
    "CF_INITTOLOGFONTSTRUCT = &H40&",
    "CF_USESTYLE = &H80&",
    "CF_EFFECTS = &H100&",
    "CF_APPLY = &H200&",
    "CF_ANSIONLY = &H400&",
    "CF_NOVECTORFONTS = &H800&",
    "CF_NOSIMULATIONS = &H1000&",
    "CF_LIMITSIZE = &H2000&",
    "CF_FIXEDPITCHONLY = &H4000&",
    "CF_WYSIWYG = &H8000& Or &H1& Or &H1&",
    "CF_FORCEFONTEXIST = &H10000",
    "CF_SCALABLEONLY = &H20000",
    "CF_TTONLY = &H40000",
    "CF_NOFACESEL = &H80000",
    "CF_NOSTYLESEL = &H100000",
    "CF_NOSIZESEL = &H200000",
};

constexpr std::array<std::string_view, 16> kPrinterFlags = {
    "PD_ALLPAGES = &H0&",
    "PD_SELECTION = &H1&",
    "PD_PAGENUMS = &H2&",
    "PD_NOSELECTION = &H4&",
    "PD_NOPAGENUMS = &H8&",
    "PD_COLLATE = &H10&",
    "PD_PRINTTOFILE = &H20&",
    "PD_PRINTSETUP = &H40&",
    "PD_NOWARNING = &H80&",
    "PD_RETURNDC = &H100&",
    "PD_RETURNIC = &H200&",
    "PD_RETURNDEFAULT = &H400&",
    "PD_SHOWHELP = &H800&",
    "PD_USEDEVMODECOPIES = &H40000",
    "PD_DISABLEPRINTTOFILE = &H80000",
    "PD_HIDEPRINTTOFILE = &H100000",
};

constexpr std::array<std::string_view, 12> kHelpFlags = {
    "HELP_CONTEXT = &H1",     "HELP_QUIT = &H2",         "HELP_INDEX = &H3",
    "HELP_CONTENTS = &H3",    "HELP_HELPONHELP = &H4",   "HELP_SETINDEX = &H5",
    "HELP_SETCONTENTS = &H5", "HELP_CONTEXTPOPUP = &H8", "HELP_FORCEFILE = &H9",
    "HELP_KEY = &H101",       "HELP_COMMAND = &H102",    "HELP_PARTIALKEY = &H105",
};

constexpr std::array<std::string_view, 10> kFilters = {
    "All Files (*.*)|*.*",       "Form files (*.FRM)|*.frm",
    "BAS Files (*.BAS)|*.bas",   "Project Files (*.MAK;*.VBP)|*.mak;*.vbp",
    "Icon Files (*.ICO)|*.ico",  "BitMap files (*.BMP)|*.bmp",
    "Sound Files (*.WAV)|*.wav", "PRG Files (*.PRG)|*.prg",
    "EXE Files (*.EXE)|*.exe",   "Combo Files (*.EXE)|*.exe;(*.ico)|*.ico",
};

int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < base ? value : -1;
}

} // namespace

std::span<const std::string_view> dialogFlagLines(int kind)
{
    switch (kind) {
    case dialog::OpenFile:
    case dialog::SaveAs:
        return kOpenSaveFlags;
    case dialog::Color:
        return kColorFlags;
    case dialog::Font:
        return kFontFlags;
    case dialog::Printer:
        return kPrinterFlags;
    case dialog::Help:
        return kHelpFlags;
    default:
        return {};
    }
}

std::string_view dialogInitialTitle(int kind)
{
    switch (kind) {
    case dialog::OpenFile:
        return "Open File";
    case dialog::SaveAs:
        return "Save As";
    case dialog::Color:
        return "Color";
    case dialog::Font:
        return "Font";
    case dialog::Printer:
        return "Print Setup";
    case dialog::Help:
        return "c:\\MyAppDir\\MyApp.hlp";
    default:
        return "Open";
    }
}

std::string_view dialogCaptionLabel(int kind)
{
    return kind == dialog::Help ? "Help File Path && FileName" : "Dialog Caption";
}

std::span<const std::string_view> dialogFilters()
{
    return kFilters;
}

std::string_view flagValueText(std::string_view line)
{
    const size_t amp = line.find('&');
    return amp == std::string_view::npos ? std::string_view{} : line.substr(amp);
}

std::string_view flagName(std::string_view line)
{
    return line.substr(0, line.find(" = "));
}

std::int64_t numericPrefixValue(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    text.remove_prefix(i);
    if (text.size() >= 2 && text[0] == '&') {
        const char radix = platform::toUpperAscii(text[1]);
        const int base = radix == 'H' ? 16 : radix == 'O' ? 8 : 0;
        if (base == 0)
            return 0;
        std::uint64_t value = 0;
        size_t pos = 2;
        for (; pos < text.size(); ++pos) {
            const int digit = digitValue(text[pos], base);
            if (digit < 0)
                break;
            value = (value * base + digit) & 0xFFFFFFFFu;
        }
        const bool longSuffix = pos < text.size() && text[pos] == '&';
        if (!longSuffix && value <= 0xFFFF)
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    bool negative = false;
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    std::int64_t value = 0;
    for (; pos < text.size() && platform::isAsciiDigit(text[pos]); ++pos) {
        if (value < std::numeric_limits<std::int64_t>::max() / 10 - 10)
            value = value * 10 + (text[pos] - '0');
    }
    return negative ? -value : value;
}

std::int32_t dialogFlagsValue(const std::vector<std::string> &selectedLines)
{
    std::int64_t sum = 0;
    for (const std::string &line : selectedLines) {
        sum += numericPrefixValue(flagValueText(line));
        if (sum > std::numeric_limits<std::int32_t>::max() ||
            sum < std::numeric_limits<std::int32_t>::min())
            throw platform::VbError(6);
    }
    return static_cast<std::int32_t>(sum);
}

std::string dialogFlagsText(const std::vector<std::string> &selectedLines)
{
    std::string text;
    for (const std::string &line : selectedLines) {
        if (!text.empty())
            text += " Or ";
        text += flagValueText(line);
    }
    return text;
}

std::string commonDialogCode(const CommonDialogDesign &design)
{
    const std::string flags = dialogFlagsText(design.selectedLines);
    const std::string flagsLine =
        common::isBlank(flags) ? std::string() : "Me.CommonDialog1.Flags = " + flags + "\r\n";
    const std::string titleLine =
        "Me.CommonDialog1.DialogTitle = " + basicLiteral(design.caption) + "\r\n";
    const std::string fileLines = titleLine + "Me.CommonDialog1.Filename = \"\"\r\n" +
                                  "Me.CommonDialog1.Filter = " + basicLiteral(design.filter) +
                                  "\r\n" + flagsLine;

    switch (design.kind) {
    case dialog::OpenFile:
        return "Dim strFileName As String\r\n" + fileLines +
               "Me.CommonDialog1.Action = 1\r\n"
               "' If the user Canceled, Filename = \"\"\r\n"
               "strFileName = Me.CommonDialog1.Filename\r\n";
    case dialog::SaveAs:
        return fileLines + "Me.CommonDialog1.Action = 2\r\n";
    case dialog::Color:
        return titleLine + flagsLine + "Me.CommonDialog1.Action = 3\r\n";
    case dialog::Font:
        return titleLine +
               (flagsLine.empty() ? "Me.CommonDialog1.Flags = &H1& Or &H2&\r\n" : flagsLine) +
               "Me.CommonDialog1.Action = 4\r\n";
    case dialog::Printer:
        return "Dim intCancelPrnt As Integer\r\n"
               "intCancelPrnt = False\r\n" +
               titleLine +
               "Me.CommonDialog1.Max = 32767\r\n"
               "Me.CommonDialog1.Min = 1\r\n"
               "Me.CommonDialog1.CancelError = True\r\n"
               "On Error Resume Next\r\n" +
               flagsLine +
               "Me.CommonDialog1.Action = 5\r\n"
               "intCancelPrnt = IIf(Err = 32755, True, False)\r\n"
               "On Error GoTo 0\r\n";
    case dialog::Help:
        return "App.HelpFile = " + basicLiteral(design.caption) + "\r\n" + flagsLine +
               "Me.CommonDialog1.Action = 6\r\n";
    default:
        return {};
    }
}

} // namespace qm::generators
