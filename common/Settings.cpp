// Reading and rewriting quillmrk.ini.
#include "common/Settings.h"

#include "platform/FileSystem.h"
#include "platform/LineReader.h"
#include "platform/Profile.h"
#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

namespace qm::common {
using namespace qm::platform;

namespace {

constexpr std::string_view kFileName = "quillmrk.ini";
constexpr std::string_view kTempFileName = "quillmrk.inb";
constexpr std::string_view kBackupFileName = "quillmrk.in~";

std::int16_t numericSetting(std::string_view section, std::string_view key)
{
    return toInt16(val(GetIniSetting(section, key)));
}

} // namespace

std::string fixedWidthName(std::string_view text)
{
    std::string name(text.substr(0, std::min(text.size(), kNameWidth)));
    name.resize(kNameWidth, ' ');
    return name;
}

std::string ProgramSettings::programmer() const
{
    return std::string(trimBlanks(programmerName));
}

std::string ProgramSettings::company() const
{
    return std::string(trimBlanks(companyName));
}

ProgramSettings &settings()
{
    static ProgramSettings shared;
    return shared;
}

std::string settingsFilePath()
{
    return joinPath(windowsDirectory(), kFileName);
}

std::string settingsTemplatePath()
{
    return joinPath(programDirectory(), kFileName);
}

std::string GetIniSetting(std::string_view section, std::string_view key)
{
    std::string value = getPrivateProfileString(section, key, "", 255, settingsFilePath());
    size_t nul = value.find('\0');
    if (nul != std::string::npos)
        value.resize(nul);
    return value;
}

void UpdateIniFile(std::string_view /*section*/,
                   std::string_view /*selector*/,
                   std::string_view leftText,
                   std::string_view topText)
{
    ui().processEvents();
    const std::string iniPath = settingsFilePath();
    const std::string tempPath = joinPath(windowsDirectory(), kTempFileName);

    std::string content;
    try {
        content = readFile(iniPath);
    } catch (const VbError &) {
        ui().msgBox("cant open quillmrk.ini");
        return;
    }

    std::string rewritten;
    rewritten.reserve(content.size() + 32);
    for (LineReader lines(content); auto line = lines.next();) {
        if (containsIgnoreCase(*line, "Left="))
            rewritten.append("Left=").append(leftText);
        else if (containsIgnoreCase(*line, "Top="))
            rewritten.append("Top=").append(topText);
        else
            rewritten.append(*line);
        rewritten.append("\r\n");
    }

    // The new file is complete on disk before it replaces the old one in a single rename, so
    // the settings file is always either the old or the new one.
    try {
        if (fileExists(tempPath))
            deleteFile(tempPath);
    } catch (const VbError &) {
    }
    try {
        writeFile(tempPath, rewritten);
    } catch (const VbError &) {
        ui().msgBox("cant open quillmrk.inb");
        return;
    }
    try {
        replaceFile(tempPath, iniPath);
    } catch (const VbError &) {
        // The old file stays; quillmrk.inb is left beside it without a message.
    }
}

std::optional<std::string> backUpSettingsFile()
{
    const std::string iniPath = settingsFilePath();
    if (!fileExists(iniPath))
        return std::nullopt;
    try {
        copyFile(iniPath, joinPath(windowsDirectory(), kBackupFileName));
        return std::string(kBackupFileName);
    } catch (const VbError &) {
        return std::nullopt;
    }
}

bool InitializeIniFile(std::string_view note)
{
    const std::string extra = note.empty() ? std::string() : "\n" + std::string(note);
    const std::string iniPath = settingsFilePath();
    bool copied = true;
    try {
        // Read the template first: a missing template must not cost the file in place.
        std::string content = readFile(settingsTemplatePath());
        writeFile(iniPath, content);
    } catch (const VbError &) {
        copied = false;
    }
    if (!copied) {
        ui().msgBox("Quillmark can't write it's INI file to your\n"
                    "Windows Directory.  Please clear up the \n"
                    "problem and reexecute Quillmark." +
                        extra,
                    mb::Critical, "Quillmark Initialization Error");
        return false;
    }
    ui().msgBox("Quillmark has successfully written it's INI\n"
                "file and registered itself with Visual Basic.  \n"
                "Quillmark will now load automatically when\n"
                "you execute Visual Basic." +
                    extra,
                mb::Information, "Quillmark Initialized");
    return true;
}

std::string positionText(int value)
{
    if (value < 0)
        return "00000";
    return formatNumber(value, "00000");
}

void readNames(ProgramSettings &into)
{
    std::string programmer = GetIniSetting(kNamesSection, kProgrammerNameKey);
    std::string company = GetIniSetting(kNamesSection, kCompanyNameKey);
    into.programmerName = fixedWidthName(programmer.empty() ? kDefaultProgrammerName : programmer);
    into.companyName = fixedWidthName(company.empty() ? kDefaultCompanyName : company);
}

void readConfiguration(ProgramSettings &into)
{
    into.left = numericSetting("Configuration", "Left");
    into.top = numericSetting("Configuration", "Top");
    into.tabSize = numericSetting("Configuration", "TabSize");
}

void applyDefaultConfiguration(ProgramSettings &into)
{
    into.left = 2000;
    into.top = 0;
    into.tabSize = 3;
}

namespace {

// The keys in the order the connection reads them.
struct Field
{
    const char *key;
    std::string KeystrokeSettings::*keystroke;
};
constexpr Field kKeystrokes[] = {
    {"VBDesignName", &KeystrokeSettings::VBDesignName},
    {"VBBreakName", &KeystrokeSettings::VBBreakName},
    {"FileSave", &KeystrokeSettings::FileSave},
    {"FileRemove", &KeystrokeSettings::FileRemove},
    {"FilePrint", &KeystrokeSettings::FilePrint},
    {"ViewProject", &KeystrokeSettings::ViewProject},
    {"ViewToolbox", &KeystrokeSettings::ViewToolbox},
    {"CopyToClipboard", &KeystrokeSettings::CopyToClipboard},
    {"CutToClipboard", &KeystrokeSettings::CutToClipboard},
    {"PasteFromClipboard", &KeystrokeSettings::PasteFromClipboard},
    {"EditFind", &KeystrokeSettings::EditFind},
    {"ViewCode", &KeystrokeSettings::ViewCode},
    {"ViewForm", &KeystrokeSettings::ViewForm},
    {"LastProcedure", &KeystrokeSettings::LastProcedure},
    {"CloseWindows", &KeystrokeSettings::CloseWindows},
};

struct KeywordField
{
    const char *key;
    std::string DocumentationKeywords::*keyword;
};
constexpr KeywordField kKeywords[] = {
    {"Copyright", &DocumentationKeywords::Copyright},
    {"Parameters", &DocumentationKeywords::Parameters},
    {"Returns", &DocumentationKeywords::Returns},
    {"Name", &DocumentationKeywords::Name},
    {"Purpose", &DocumentationKeywords::Purpose},
    {"Author", &DocumentationKeywords::Author},
    {"DateCreated", &DocumentationKeywords::DateCreated},
};

} // namespace

void readKeystrokesAndKeywords(ProgramSettings &into)
{
    for (const Field &field : kKeystrokes)
        into.keys.*field.keystroke = GetIniSetting("LanguageSendkeys", field.key);
    for (const KeywordField &field : kKeywords)
        into.keywords.*field.keyword = GetIniSetting("DocumentationKeyWords", field.key);
}

void storeNames(std::string_view programmer, std::string_view company)
{
    std::string name = std::string(trimBlanks(fixedWidthName(programmer)));
    std::string firm = std::string(trimBlanks(fixedWidthName(company)));
    writePrivateProfileString(kNamesSection, kProgrammerNameKey, name, settingsFilePath());
    writePrivateProfileString(kNamesSection, kCompanyNameKey, firm, settingsFilePath());
    settings().programmerName = fixedWidthName(name);
    settings().companyName = fixedWidthName(firm);
}

} // namespace qm::common
