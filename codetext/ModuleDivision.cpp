// Dividing a module into entries by its procedure headers and splicing one entry back.
#include "codetext/ModuleDivision.h"

#include "platform/LineReader.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace qm::codetext {
namespace {

using platform::equalsIgnoreCase;

bool isWordChar(char c)
{
    return platform::isAsciiLetter(c) || platform::isAsciiDigit(c) || c == '_';
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

// The next word of a line: a run of word characters after any blanks or tabs. A line whose next
// character is no word character gives the empty word.
std::string_view takeWord(std::string_view &line)
{
    size_t i = 0;
    while (i < line.size() && isSpace(line[i]))
        ++i;
    size_t end = i;
    while (end < line.size() && isWordChar(line[end]))
        ++end;
    std::string_view word = line.substr(i, end - i);
    line.remove_prefix(end);
    return word;
}

constexpr std::string_view kHeaderKeywords[] = {"FUNCTION",  "FUNC", "SUB",
                                                "PROCEDURE", "PROC", "METHOD"};
constexpr std::string_view kModifiers[] = {"PUBLIC", "PRIVATE", "STATIC"};
constexpr std::string_view kEndKinds[] = {"SUB", "FUNCTION"}; // after "End"

template<typename Keywords> bool isOneOf(std::string_view word, const Keywords &keywords)
{
    // Most words are no keyword: their length settles it without comparing a letter.
    for (std::string_view keyword : keywords) {
        if (word.size() == keyword.size() && equalsIgnoreCase(word, keyword))
            return true;
    }
    return false;
}

bool isHeaderKeyword(std::string_view word)
{
    return isOneOf(word, kHeaderKeywords);
}

bool isModifier(std::string_view word)
{
    return isOneOf(word, kModifiers);
}

// The first character after a line's blanks and tabs, in capitals; 0 for a blank line. Most
// lines are ruled out as headers or end lines by it alone.
char firstLetter(std::string_view line)
{
    size_t i = 0;
    while (i < line.size() && isSpace(line[i]))
        ++i;
    return i < line.size() ? platform::toUpperAscii(line[i]) : '\0';
}

// "End Sub" or "End Function", as the host closes a procedure.
bool isProcedureEnd(std::string_view line)
{
    if (firstLetter(line) != 'E' || !equalsIgnoreCase(takeWord(line), "END"))
        return false;
    return isOneOf(takeWord(line), kEndKinds);
}

struct Line
{
    std::string_view text;
    size_t start;
    size_t next; ///< offset of the following line
};

// Visits each line with its offsets; stops early when the visitor returns false.
template<typename Visit> void forEachLine(std::string_view text, size_t from, Visit visit)
{
    platform::LineReader reader(text.substr(from));
    size_t start = from;
    while (auto line = reader.next()) {
        const size_t next = from + reader.position();
        if (!visit(Line{*line, start, next}))
            return;
        start = next;
    }
}

size_t lineNumberAt(std::string_view text, size_t offset, size_t fromOffset, size_t fromLine)
{
    // Every LF ends a line, and every CR that no LF follows: the two are counted apart, each
    // with memchr, which goes many bytes at a time.
    size_t line = fromLine;
    if (offset <= fromOffset)
        return line;
    const char *begin = text.data();
    for (const char *at = begin + fromOffset, *end = begin + offset;
         (at = static_cast<const char *>(std::memchr(at, '\n', static_cast<size_t>(end - at))));
         ++at)
        ++line;
    for (const char *at = begin + fromOffset, *end = begin + offset;
         (at = static_cast<const char *>(std::memchr(at, '\r', static_cast<size_t>(end - at))));
         ++at) {
        const size_t i = static_cast<size_t>(at - begin);
        if (i + 1 >= text.size() || text[i + 1] != '\n')
            ++line;
    }
    return line;
}

bool endsWithLineEnd(std::string_view text)
{
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

size_t extensionDot(std::string_view path)
{
    const size_t slash = path.find_last_of("\\/");
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::string_view::npos;
    return dot;
}

} // namespace

ModuleKind moduleKindOf(std::string_view path)
{
    if (platform::endsWithIgnoreCase(path, ".frm"))
        return ModuleKind::Form;
    if (platform::endsWithIgnoreCase(path, ".prg"))
        return ModuleKind::XBase;
    return ModuleKind::Code;
}

bool isProcedureHeader(std::string_view line, std::string *name)
{
    // A header starts with a modifier or a header keyword: a line whose first letter starts
    // none of them is ruled out without taking a word.
    const char first = firstLetter(line);
    const auto startsWithFirst = [first](std::string_view keyword) {
        return keyword.front() == first;
    };
    if (std::none_of(std::begin(kModifiers), std::end(kModifiers), startsWithFirst) &&
        std::none_of(std::begin(kHeaderKeywords), std::end(kHeaderKeywords), startsWithFirst))
        return false;
    std::string_view rest = line;
    std::string_view word = takeWord(rest);
    // "Private Static Sub" and "Static Public Function" carry two modifiers.
    for (int modifiers = 0; modifiers < 2 && isModifier(word); ++modifiers)
        word = takeWord(rest);
    if (!isHeaderKeyword(word) || rest.empty() || !isSpace(rest.front()))
        return false;
    const std::string_view procedure = takeWord(rest);
    if (procedure.empty())
        return false;
    if (name)
        *name = procedure;
    return true;
}

size_t formDescriptionEnd(std::string_view text)
{
    int depth = 0;
    size_t end = 0;
    bool opened = false;
    forEachLine(text, 0, [&](const Line &line) {
        std::string_view rest = line.text;
        const std::string_view word = takeWord(rest);
        if (equalsIgnoreCase(word, "BEGIN") && (rest.empty() || isSpace(rest.front()))) {
            ++depth;
            opened = true;
        } else if (depth > 0 && equalsIgnoreCase(word, "END") &&
                   platform::trimBlanks(rest).empty()) {
            if (--depth == 0) {
                end = line.next;
                return false;
            }
        }
        return true;
    });
    if (opened && end == 0) {
        throw common::UserMessageError(
            {"File Error",
             "The form description never closes: its \"Begin\" line has no \"End\" line.",
             platform::mb::Critical});
    }
    return end;
}

std::vector<ModuleEntry> divideModule(std::string_view text, ModuleKind kind)
{
    const size_t declarations = kind == ModuleKind::Form ? formDescriptionEnd(text) : 0;
    std::vector<ModuleEntry> entries;
    entries.push_back({std::string(kDeclarationsEntry), declarations, text.size(),
                       lineNumberAt(text, declarations, 0, 1)});

    // Each line the walk visits ends with one line end, so the lines are numbered as they come.
    size_t lineNumber = entries.front().line;
    bool open = false; // a procedure whose end line has not come yet
    std::string name;
    forEachLine(text, declarations, [&](const Line &line) {
        const size_t number = lineNumber++;
        if (isProcedureHeader(line.text, &name)) {
            if (entries.size() == 1 || open)
                entries.back().end = line.start;
            entries.push_back({name, line.start, text.size(), number});
            open = true;
            return true;
        }
        if (open && kind != ModuleKind::XBase && isProcedureEnd(line.text)) {
            entries.back().end = line.next;
            open = false;
        }
        return true;
    });
    // Between a procedure's end line and the next header there may be blank lines and comments:
    // they belong to no entry and are kept as they are on every save.
    return entries;
}

const ModuleEntry *findEntry(const std::vector<ModuleEntry> &entries, std::string_view name)
{
    for (const auto &entry : entries) {
        if (equalsIgnoreCase(entry.name, name))
            return &entry;
    }
    return nullptr;
}

common::UserMessage largeProcedureWarning()
{
    return {"Large File Warning",
            "Procedure is over 30K Bytes,\nany further increase in size\nmay prohibit it's loading "
            "by\nthis editor!",
            platform::mb::Exclamation};
}

common::UserMessage procedureTooLargeMessage()
{
    return {"Procedure Too Large",
            "Procedure too large, Please \nbreak the Procedure into\ntwo smaller procedures!",
            platform::mb::Critical};
}

common::UserMessage binaryFileMessage()
{
    return {"File Error", "Read Past EOF, possibly Binary File!", platform::mb::Critical};
}

LoadedEntry loadEntry(std::string_view text, const ModuleEntry &entry)
{
    const size_t end = std::min(entry.end, text.size());
    const size_t start = std::min(entry.start, end);
    const size_t size = end - start;
    if (size > kProcedureLimit)
        throw common::UserMessageError(procedureTooLargeMessage());
    LoadedEntry loaded{std::string(text.substr(start, size)), std::nullopt};
    if (size > kLargeProcedure)
        loaded.warning = largeProcedureWarning();
    return loaded;
}

std::string replaceEntry(std::string_view source,
                         const ModuleEntry &entry,
                         std::string_view replacement,
                         std::string_view lineEnd)
{
    const size_t end = std::min(entry.end, source.size());
    const size_t start = std::min(entry.start, end);
    const std::string_view old = source.substr(start, end - start);
    std::string out;
    out.reserve(source.size() - old.size() + replacement.size() + lineEnd.size());
    out.append(source.substr(0, start));
    out.append(replacement);
    const bool moreFollows = end < source.size();
    if (!replacement.empty() && !endsWithLineEnd(replacement) &&
        (moreFollows || endsWithLineEnd(old)))
        out.append(lineEnd);
    out.append(source.substr(end));
    return out;
}

std::string moduleBackupPath(std::string_view path)
{
    const size_t dot = extensionDot(path);
    return std::string(path.substr(0, dot)) + ".BAK";
}

std::string closeBackupPath(std::string_view path)
{
    const size_t dot = extensionDot(path);
    if (dot == std::string_view::npos)
        return std::string(path) + ".bak";
    return std::string(path.substr(0, dot)) + ".bak";
}

bool looksBinary(std::string_view text)
{
    return text.find('\0') != std::string_view::npos;
}

} // namespace qm::codetext
