// The object library's list files and object files.
#include "library/ObjectStore.h"

#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "platform/AppFiles.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <array>
#include <cctype>

namespace qm::library {
namespace {

constexpr std::array<KindInfo, 5> Kinds = {{
    {"qm_procs.txt", "PROC0001.txt", "Procedures", "Procedure List", "procs"},
    {"qm_ctrls.txt", "CTRL0001.frm", "Controls", "Control Set List", "controls"},
    {"qm_forms.txt", "FORM0001.frm", "Forms", "Forms List", "forms"},
    {"qm_modls.txt", "MODL0001.bas", "Modules", "Modules List", "modules"},
    {"qm_class.txt", "CLAS0001.cls", "Classes", "Classes List", "classes"},
}};

// The description as a list line keeps it: without its trailing CR LF pairs.
std::string_view withoutTrailingLineEnds(std::string_view text)
{
    while (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n")
        text.remove_suffix(2);
    return text;
}

bool isBlankLine(std::string_view line)
{
    return line.find_first_not_of(' ') == std::string_view::npos;
}

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return platform::equalsIgnoreCase(a, b);
}

bool isWordChar(char c, std::string_view extra)
{
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x80 && std::isalnum(u)) || extra.find(c) != std::string_view::npos;
}

std::string fourDigits(unsigned long long number)
{
    std::string digits = std::to_string(number);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return digits;
}

// The alias after `last`: its first four characters, its number plus one, what follows the
// number (the extension with its dot).
std::string aliasAfter(const std::string &last)
{
    const std::string prefix = last.substr(0, 4);
    std::size_t end = prefix.size();
    while (end < last.size() && std::isdigit(static_cast<unsigned char>(last[end])))
        ++end;
    unsigned long long number = 0;
    for (std::size_t i = prefix.size(); i < end && i < prefix.size() + 18; ++i)
        number = number * 10 + static_cast<unsigned>(last[i] - '0');
    return prefix + fourDigits(number + 1) + last.substr(end);
}

[[noreturn]] void refuseAlias(const std::string &alias)
{
    throw common::UserMessageError(
        {"Object Frameworks",
         "The library record names \"" + alias + "\", which is not a file of the library.",
         platform::mb::Exclamation});
}

} // namespace

const KindInfo &kindInfo(ObjectKind kind)
{
    return Kinds[static_cast<std::size_t>(kind)];
}

std::optional<ObjectKind> kindNamed(std::string_view name)
{
    for (std::size_t i = 0; i < Kinds.size(); ++i)
        if (name == Kinds[i].commandName)
            return static_cast<ObjectKind>(i);
    return std::nullopt;
}

std::vector<ProcNameObj> parseObjectList(std::string_view text)
{
    std::vector<ProcNameObj> records;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = trimBlanks(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
        if (isBlankLine(line))
            continue;
        ProcNameObj record;
        record.ProcName = common::NextWord(line, "_ ");
        record.ProcAlias = common::NextWord(line, "_.");
        record.ProcDesc = std::string(line);
        records.push_back(std::move(record));
    }
    return records;
}

std::string formatListLine(const ProcNameObj &record, bool trimDescription)
{
    const std::string_view desc =
        trimDescription ? withoutTrailingLineEnds(record.ProcDesc) : record.ProcDesc;
    return record.ProcName + "|" + record.ProcAlias + "|" + std::string(desc) + "\r\n";
}

std::string nextObjectAlias(ObjectKind kind,
                            const std::vector<ProcNameObj> &records,
                            const std::function<bool(const std::string &)> &exists)
{
    std::string alias =
        records.empty() ? kindInfo(kind).firstAlias : aliasAfter(records.back().ProcAlias);
    if (kind == ObjectKind::Procs && !records.empty()) {
        // A procedure is always stored as text, whatever the last alias ended with.
        const std::size_t dot = alias.rfind('.');
        alias = (dot == std::string::npos || dot < 4 ? alias : alias.substr(0, dot)) + ".txt";
    }
    for (int guard = 0; exists(alias) && guard < 1000000; ++guard)
        alias = aliasAfter(alias);
    return alias;
}

bool isPlainAlias(std::string_view alias)
{
    if (alias.find_first_not_of('.') == std::string_view::npos)
        return false;
    for (char c : alias)
        if (!isWordChar(c, "_.$"))
            return false;
    return true;
}

std::string controlSetHeader(std::string_view baseName)
{
    static constexpr const char *Lines[] = {
        "VERSION 4.00",
        "Begin VB.Form Form1",
        "Caption         =   \"Form1\"",
        "ClientHeight    =   4140",
        "ClientLeft      =   1140",
        "ClientTop       =   1515",
        "ClientWidth     =   6690",
        "Height          =   4545",
        "Left            =   1080",
        "LinkTopic = \"Form1\"",
        "ScaleHeight     =   4140",
        "ScaleWidth      =   6690",
        "Top             =   1170",
        "Width           =   6810",
        "End",
        "Attribute VB_Creatable = False",
        "Attribute VB_Exposed = False",
        "Option Explicit",
    };
    std::string text;
    for (const char *line : Lines)
        text += common::ReplaceAll(line, "Form1", baseName) + "\r\n";
    return text;
}

std::string GetNameFromProc(std::string_view procText)
{
    for (std::string_view line : common::splitLines(procText)) {
        if (line.find("Sub ") == std::string_view::npos &&
            line.find("Function ") == std::string_view::npos)
            continue;
        std::string_view rest = line;
        while (!isBlankLine(rest)) {
            const std::string word = common::NextWord(rest);
            if (!word.empty() &&
                std::string_view("Sub_Function").find(word) != std::string_view::npos)
                return common::NextWord(rest, "_");
        }
        return {};
    }
    return {};
}

ObjectLibrary::ObjectLibrary(PathOf pathOf)
    : m_pathOf(std::move(pathOf))
{}

ObjectLibrary ObjectLibrary::inDirectory(std::string directory)
{
    return ObjectLibrary(
        [directory](std::string_view name) { return platform::joinPath(directory, name); });
}

ObjectLibrary ObjectLibrary::ofProgram()
{
    return ObjectLibrary([](std::string_view name) {
        return platform::appFilePath(name, platform::AppFile::Written);
    });
}

std::vector<ProcNameObj> ObjectLibrary::load(ObjectKind kind) const
{
    return parseObjectList(platform::readFile(pathOf(kindInfo(kind).listFile)));
}

bool isStorableName(std::string_view name)
{
    if (trimBlanks(name).empty())
        return false;
    for (const char c : name)
        if (!platform::isAsciiLetter(c) && !platform::isAsciiDigit(c) && c != '_' && c != ' ')
            return false;
    return true;
}

std::string ObjectLibrary::add(ObjectKind kind,
                               const std::string &name,
                               const std::string &description,
                               const std::string &bytes,
                               const std::optional<std::string> &frx)
{
    // The list file ends a name at its first other character: such a name would be read back
    // as another one, and the stored object could no longer be reached or deleted.
    if (!isStorableName(name))
        throw common::UserMessageError({"Input Error",
                                        "A library name may hold only letters, digits, \"_\" "
                                        "and blanks.",
                                        platform::mb::Exclamation});
    // A line break inside the description would start a record of its own in the list file.
    if (withoutTrailingLineEnds(description).find_first_of("\r\n") != std::string_view::npos)
        throw common::UserMessageError({"Input Error", "A description must be a single line.",
                                        platform::mb::Exclamation});
    const std::string listPath = pathOf(kindInfo(kind).listFile);
    std::string listText;
    if (platform::fileExists(listPath))
        listText = platform::readFile(listPath);
    const std::vector<ProcNameObj> records = parseObjectList(listText);
    const std::string alias = nextObjectAlias(kind, records, [this](const std::string &candidate) {
        const std::size_t dot = candidate.rfind('.');
        const std::string base = dot == std::string::npos ? candidate : candidate.substr(0, dot);
        return platform::fileExists(pathOf(candidate)) ||
               platform::fileExists(pathOf(base + ".frx"));
    });

    std::string body = bytes;
    if (kind == ObjectKind::Procs && (body.size() < 2 || body.substr(body.size() - 2) != "\r\n"))
        body += "\r\n";
    platform::writeFile(pathOf(alias), body);
    if (frx) {
        const std::size_t dot = alias.rfind('.');
        platform::writeFile(pathOf(alias.substr(0, dot) + ".frx"), *frx);
    }

    // A hand-edited list may lack its last line end: the new record starts a line of its own.
    std::string line;
    if (!listText.empty() && listText.back() != '\n' && listText.back() != '\r')
        line = "\r\n";
    line += formatListLine({name, description, alias}, true);
    platform::appendFile(listPath, line);
    return alias;
}

std::optional<std::size_t> ObjectLibrary::find(ObjectKind kind, std::string_view name) const
{
    const std::vector<ProcNameObj> records = load(kind);
    for (std::size_t i = 0; i < records.size(); ++i)
        if (equalsIgnoringCase(trimBlanks(records[i].ProcName), trimBlanks(name)))
            return i;
    return std::nullopt;
}

std::string ObjectLibrary::read(const ProcNameObj &record) const
{
    if (!isPlainAlias(record.ProcAlias))
        refuseAlias(record.ProcAlias);
    return platform::readFile(pathOf(record.ProcAlias));
}

void ObjectLibrary::remove(ObjectKind kind, std::size_t index)
{
    std::vector<ProcNameObj> records = load(kind);
    if (index >= records.size())
        return;
    const ProcNameObj gone = records[index];
    if (!isPlainAlias(gone.ProcAlias))
        refuseAlias(gone.ProcAlias);
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));

    // The list is rewritten first: if that fails, the object and its record both remain.
    std::string listText;
    for (const ProcNameObj &record : records)
        listText += formatListLine(record, false);
    platform::writeFile(pathOf(kindInfo(kind).listFile), listText);

    auto deleteQuietly = [this](const std::string &file) {
        try {
            platform::deleteFile(pathOf(file));
        } catch (const platform::VbError &) {
            // An object file already gone is no reason to keep its record.
        }
    };
    deleteQuietly(gone.ProcAlias);
    for (std::size_t i = 0; i + 4 <= gone.ProcAlias.size(); ++i)
        if (equalsIgnoringCase(std::string_view(gone.ProcAlias).substr(i, 4), ".frm")) {
            deleteQuietly(gone.ProcAlias.substr(0, i) + ".frx");
            break;
        }
}

} // namespace qm::library
