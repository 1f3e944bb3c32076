// The settings file quillmrk.ini in the Windows directory, its template in the program
// directory, and the program-wide settings read from it at connection.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm::common {

/// The fifteen host keystrokes, each in send-keys notation, and the two caption texts.
struct KeystrokeSettings
{
    std::string VBDesignName;
    std::string VBBreakName;
    std::string FileSave;
    std::string FileRemove;
    std::string FilePrint;
    std::string ViewProject;
    std::string ViewToolbox;
    std::string CopyToClipboard;
    std::string CutToClipboard;
    std::string PasteFromClipboard;
    std::string EditFind;
    std::string ViewCode;
    std::string ViewForm;
    std::string LastProcedure;
    std::string CloseWindows;
};

/// The keyword texts of the documentation templates.
struct DocumentationKeywords
{
    std::string Copyright;
    std::string Parameters;
    std::string Returns;
    std::string Name;
    std::string Purpose;
    std::string Author;
    std::string DateCreated;
};

/// Where the programmer and company names live in the settings file.
inline constexpr std::string_view kNamesSection = "Programmer";
inline constexpr std::string_view kProgrammerNameKey = "ProgrammerName";
inline constexpr std::string_view kCompanyNameKey = "CompanyName";
inline constexpr std::string_view kDefaultProgrammerName = "Your Name";
inline constexpr std::string_view kDefaultCompanyName = "Your Company";
inline constexpr size_t kNameWidth = 30;

/// A name held as exactly 30 characters: longer values cut, shorter ones padded with blanks.
std::string fixedWidthName(std::string_view text);

/// The program-wide settings, read at connection.
struct ProgramSettings
{
    std::int16_t left = 2000; ///< palette position, twips
    std::int16_t top = 0;
    std::int16_t tabSize = 3;                                            ///< indent width in spaces
    std::string programmerName = fixedWidthName(kDefaultProgrammerName); ///< 30 characters
    std::string companyName = fixedWidthName(kDefaultCompanyName);       ///< 30 characters
    KeystrokeSettings keys;
    DocumentationKeywords keywords;

    /// The names as the tools use them: blanks removed.
    std::string programmer() const;
    std::string company() const;
};

/// The settings the whole program shares.
ProgramSettings &settings();

/// The Windows directory + "\quillmrk.ini".
std::string settingsFilePath();
/// The program directory + "\quillmrk.ini": the template.
std::string settingsTemplatePath();

/// A setting's text: read with the default "" through a 255-character buffer, so at most 254
/// characters, up to the first NUL.
std::string GetIniSetting(std::string_view section, std::string_view key);

/// Rewrites the palette position: every line containing "Left=" (letter case ignored) becomes
/// "Left=" + leftText, every other line containing "Top=" becomes "Top=" + topText. The new
/// file is written as "quillmrk.inb" and renamed over the settings file. Shows "cant open
/// quillmrk.ini" or "cant open quillmrk.inb" when a file cannot be opened.
void UpdateIniFile(std::string_view section,
                   std::string_view selector,
                   std::string_view leftText,
                   std::string_view topText);

/// Creates the settings file from the template and tells the programmer how it went; false when
/// the file could not be written. `note` (when given) is added to the message as a last line.
bool InitializeIniFile(std::string_view note = {});

/// Copies the settings file to "quillmrk.in~" beside it, before a recovery replaces it; returns
/// the backup's name, or nothing when there was no file or it could not be copied.
std::optional<std::string> backUpSettingsFile();

/// A palette coordinate as the settings file stores it: five digits, a negative value "00000".
std::string positionText(int value);

/// The programmer and company names from the settings file, defaults where it has none.
void readNames(ProgramSettings &into);
/// Left, Top and TabSize of section Configuration, each the numeric value of its text (0 for an
/// empty or non-numeric one). Throws VbError 6 for a value outside 16 bits.
void readConfiguration(ProgramSettings &into);
/// Left 2000, Top 0, TabSize 3: the settings of a file just created or one that failed to read.
void applyDefaultConfiguration(ProgramSettings &into);
/// The fifteen keystrokes and the seven documentation keywords, each "" where missing.
void readKeystrokesAndKeywords(ProgramSettings &into);

/// Stores the programmer and company names in the settings file and in the program-wide
/// settings. Throws VbError when the file cannot be written.
void storeNames(std::string_view programmer, std::string_view company);

} // namespace qm::common
