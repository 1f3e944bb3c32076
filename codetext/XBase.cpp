// ConvertXBaseBlock: xBase source to the host's Basic by ordered textual rewrite rules, one
// input line at a time, each rule linear in the line.
//
// The rules, in the order they run on each line, are numbered as the converter's rule list
// numbers them (1-3 preparation, 5-11 comments, 12-13 declarations, 14-19 expressions, 20-37
// statements, 38 block depth, 39 functions and operators, 40 reserved words). Where a rule's
// text leaves room, this converter decides as follows; the decisions are part of its contract
// and the tests hold them:
//
//  - Blanks are spaces and tabs: tab-indented source converts as space-indented source does.
//  - A statement keyword matches as a whole word at the start of the line ("READ" is a
//    statement, "READINGS = 5" is an assignment); words of a phrase ("DO WHILE") may be parted
//    by any run of blanks. A declaration word is "PRIVATE", "PUBLIC" or "LOCAL" or an
//    abbreviation of at least four letters, so "LOCATE" is not a declaration.
//  - Comment marks ("//", "&&", "/*") and the words the rules rewrite are only looked for
//    outside double-quoted strings, so "http://host" in a string is left alone.
//  - Continuation: lines ending with ";" are joined with one blank between the trimmed parts;
//    a trailing comment after the ";" is written as a comment line of its own (through the
//    short-comment filter) instead of being dropped; a ";" inside a trailing comment does not
//    continue the line; a continuation still open when the input ends is converted, not lost.
//  - Short comments: the short-comment filter drops a comment only when nothing but digits,
//    "/", "-", "." and blanks follow its mark (a date stamp); "* note" and "x = 1 && ok" keep
//    their comments.
//  - TEXT ... ENDTEXT: the lines of a text block, the TEXT and ENDTEXT lines included, are
//    text: each is written behind "' " as it stands, and no rule reads it (so a line such as
//    "Proc-Type: 4,ENCRYPTED" in it is no procedure header).
//  - Block comments: the code before a "/*" stays code (the comment governs the lines after
//    it); the text before the "*/" that closes a comment stays comment, and code after the
//    "*/" is converted.
//  - Declarations: the names are split at the commas of the declaration list; an initial
//    value (":=" or "=") is kept as an assignment after the Dim lines, and array bounds as
//    "Dim name(bounds)".
//  - "!" becomes "Not " wherever it stands outside strings; a "!" inside a string is text.
//  - found() becomes "Not " & alias & ".NoMatch" (the record was found when there is no
//    "no match"); every found() and eof() of the line is converted. These and empty( are
//    calls: a whole word outside strings, so a function IsFound() keeps its name.
//  - REPLACE writes one assignment per "field WITH value" pair; a field already qualified by
//    "!" is written as it stands. APPEND BLANK is just the AddNew. END SEQUENCE is always the
//    BREAK label, whatever the depth. RETURN keeps the value's letter case and takes off only
//    parentheses that enclose the whole value. A DO WHILE header sets the loop kind "Do" just
//    as a WHILE header does.
//  - CASE lines become "If ... Then" / "ElseIf ... Then" and get the function rewrites of
//    rule 39, as do the values of REPLACE, RETURN and declaration initialisers.
//  - Rule 39, finer rules:
//      * functions: the words substr, alltrim (any use), upper, type and if (each directly
//        followed by "(") are renamed; an "if" that opens the line is the IF statement, not the
//        inline function;
//      * "$": an operand is taken with GetNextPSOWord backwards from the "$" and forwards from
//        it; a "$" inside a string, without two operands, or with an operand longer than
//        kOperandLimit characters is left as it stands, and only a line where a "$" was
//        converted gets the note and its commented original;
//      * "++"/"--": a line that is only the word and its operator becomes "Inc word" /
//        "Dec word"; elsewhere "++word" gives IncB(word), "word++" IncA(word);
//      * "+=" / "-=": the first one outside strings; the "-=" expression is parenthesised
//        unless it is a single operand, so "a -= b + c" stays a - (b + c);
//      * statements, by the line's first word: SKIP (nothing or 1: MoveNext, -1: MovePrevious,
//        n: "Move n"), GO/GOTO (TOP: MoveFirst, BOTTOM: MoveLast, else BookMark = ...), SEEK,
//        LOCATE (a FOR after it is dropped), USE (the line is commented out), EXIT, IF,
//        ELSEIF, DO (the WITH of the call becomes one blank);
//      * " Then" goes after the code, before a trailing "'" comment outside strings, and is not
//        added twice.
//  - LOOP jumps to a label before the Loop line of the loop that holds it (not of the next
//    loop to end, which may be an inner one); a procedure's second and later loop labels are
//    numbered ("NameLupEnd2") so that no two are alike.
//  - Rule 40 renames whole identifiers outside strings and before a trailing comment, every
//    occurrence; a word after "." or "!" is a member or field name and keeps its name, and a
//    call of left( or right( is the host's own function of that name. It runs on every line
//    that reaches the output, so a renamed variable is renamed everywhere.
#include "codetext/XBase.h"

#include "common/TextHelpers.h"
#include "platform/LineReader.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace qm::codetext {
namespace {
using common::ReplaceAll;
using common::ReplaceAllText;
using common::ReplaceFirst;
using platform::equalsIgnoreCase;
using platform::isAsciiDigit;
using platform::isAsciiLetter;

constexpr size_t npos = std::string_view::npos;

// The longest operand the "$" rule takes on either side; beyond it the "$" is not converted,
// which keeps the rule linear on pathological lines.
constexpr size_t kOperandLimit = 1024;

constexpr std::string_view kDollarNote =
    "' Complex String Operators may or may not be converted properly";

bool isBlankChar(char c)
{
    return c == ' ' || c == '\t';
}

bool isIdentChar(char c)
{
    return isAsciiLetter(c) || isAsciiDigit(c) || c == '_';
}

bool isIdentStart(char c)
{
    return isAsciiLetter(c) || c == '_';
}

// The characters of an operand besides parentheses and strings.
bool isOperandChar(char c)
{
    return isIdentChar(c) || c == '!' || c == '\'' || c == '.' || c == '[' || c == ']';
}

std::string_view trimRight(std::string_view text)
{
    while (!text.empty() && isBlankChar(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view trimLeft(std::string_view text)
{
    while (!text.empty() && isBlankChar(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trimBoth(std::string_view text)
{
    return trimLeft(trimRight(text));
}

size_t leadingBlanks(std::string_view text)
{
    return text.size() - trimLeft(text).size();
}

std::string upperTrimmed(std::string_view line)
{
    return platform::toUpper(trimBoth(line));
}

// Whether `text` holds `part` at `at`; the parts are a few bytes, compared in place.
bool holdsAt(std::string_view text, size_t at, std::string_view part)
{
    if (at > text.size() || text.size() - at < part.size())
        return false;
    for (size_t k = 0; k < part.size(); ++k) {
        if (text[at + k] != part[k])
            return false;
    }
    return true;
}

// Whether `needle` occurs in `text`, ASCII letter case ignored. The rules ask this of every
// line, so the search jumps (memchr) from one occurrence of the needle's first byte that is no
// letter to the next, where the needle has one.
bool containsFolded(std::string_view text, std::string_view needle)
{
    if (needle.size() > text.size())
        return false;
    auto matchesAt = [&](size_t start) {
        for (size_t k = 0; k < needle.size(); ++k) {
            if (platform::toUpperAscii(text[start + k]) != platform::toUpperAscii(needle[k]))
                return false;
        }
        return true;
    };
    const size_t anchor = static_cast<size_t>(
        std::find_if_not(needle.begin(), needle.end(), isAsciiLetter) - needle.begin());
    const size_t last = text.size() - needle.size(); // the last place a match can start
    if (anchor == needle.size()) {
        for (size_t start = 0; start <= last; ++start) {
            if (matchesAt(start))
                return true;
        }
        return false;
    }
    const char *begin = text.data();
    for (size_t at = anchor; at <= last + anchor;) {
        const void *found = std::memchr(begin + at, needle[anchor], last + anchor + 1 - at);
        if (found == nullptr)
            return false;
        at = static_cast<size_t>(static_cast<const char *>(found) - begin);
        if (matchesAt(at - anchor))
            return true;
        ++at;
    }
    return false;
}

// The position of `mark` outside double-quoted strings, or npos.
size_t findOutsideStrings(std::string_view line, std::string_view mark)
{
    const char first = mark.front();
    bool inString = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            inString = !inString;
            continue;
        }
        if (!inString && line[i] == first && holdsAt(line, i, mark))
            return i;
    }
    return npos;
}

// The position of the first whole word `word` (letter case ignored) outside strings, or npos.
size_t findWord(std::string_view line, std::string_view word)
{
    bool inString = false;
    for (size_t i = 0; i < line.size();) {
        char c = line[i];
        if (c == '"')
            inString = !inString;
        if (inString || !isIdentChar(c)) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < line.size() && isIdentChar(line[end]))
            ++end;
        if (equalsIgnoreCase(line.substr(i, end - i), word))
            return i;
        i = end;
    }
    return npos;
}

// The length `phrase` takes at the start of `upper` (a trimmed line in capitals) when each of
// its words stands there whole, the words parted by blanks; 0 when it does not.
size_t matchPhrase(std::string_view upper, std::string_view phrase)
{
    // Most lines are no statement of the list: the first byte settles it.
    if (upper.empty() || upper.front() != phrase.front())
        return 0;
    size_t pos = 0;
    for (size_t from = 0;;) {
        size_t space = phrase.find(' ', from);
        std::string_view word = phrase.substr(from, space == npos ? npos : space - from);
        if (!holdsAt(upper, pos, word))
            return 0;
        pos += word.size();
        if (pos < upper.size() && isIdentChar(upper[pos]) && isIdentChar(word.back()))
            return 0;
        if (space == npos)
            return pos;
        size_t next = pos;
        while (next < upper.size() && isBlankChar(upper[next]))
            ++next;
        if (next == pos)
            return 0;
        pos = next;
        from = space + 1;
    }
}

bool isWholeIdentifier(std::string_view text)
{
    return !text.empty() && isIdentStart(text.front()) &&
           std::all_of(text.begin(), text.end(), isIdentChar);
}

std::string commentLine(std::string_view text)
{
    return std::string(trimRight("' " + std::string(trimBoth(text))));
}

// A comment that holds nothing but a date stamp ("' 12/08/2026": digits, "/", "-", "." and
// blanks after its mark) is dropped; every other comment, however short, is kept.
std::string shortCommentFilter(std::string_view line)
{
    std::string_view text = line;
    if (!text.empty() && text.front() == '\'')
        text.remove_prefix(1);
    for (char c : text) {
        if (!isAsciiDigit(c) && c != '/' && c != '-' && c != '.' && !isBlankChar(c))
            return std::string(line);
    }
    return {};
}

// TEXT ... ENDTEXT: the first word of a line opens or closes a block of text to print. A
// closing word may be shortened to four letters, as xBase commands may.
bool opensText(std::string_view trimmed)
{
    if (trimmed.empty() || platform::toUpperAscii(trimmed.front()) != 'T')
        return false;
    std::string upper = platform::toUpper(trimmed);
    size_t length = matchPhrase(upper, "TEXT");
    if (length == 0)
        return false;
    // "text = 1" assigns a variable of that name.
    std::string_view rest = trimLeft(std::string_view(upper).substr(length));
    return !rest.starts_with("=") && !rest.starts_with(":=");
}

bool closesText(std::string_view trimmed)
{
    size_t length = 0;
    while (length < trimmed.size() && isIdentChar(trimmed[length]))
        ++length;
    std::string word = platform::toUpper(trimmed.substr(0, length));
    return word.size() >= 4 && std::string_view("ENDTEXT").starts_with(word);
}

struct OperandScan
{
    size_t end;
    bool complete; // balanced and within the limit
};

// The end of the operand that starts at `from` (GetNextPSOWord's rule), looking at most
// `limit` characters ahead.
OperandScan scanOperand(std::string_view text, size_t from, size_t limit)
{
    const size_t stop = limit >= text.size() - from ? text.size() : from + limit;
    size_t depth = 0;
    size_t i = from;
    while (i < stop) {
        char c = text[i];
        if (c == '"') {
            size_t close = text.find('"', i + 1);
            if (close == npos || close >= stop)
                return {stop, false};
            i = close + 1;
            continue;
        }
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth == 0)
                break;
            --depth;
        } else if (depth == 0 && !isOperandChar(c)) {
            break;
        }
        ++i;
    }
    bool cutShort = i >= stop && stop < text.size();
    return {i, depth == 0 && !cutShort};
}

// The start of the operand that ends at `end`, scanning backwards at most `limit` characters;
// npos when there is none or it is unbalanced or longer.
size_t scanOperandBack(std::string_view text, size_t end, size_t limit)
{
    const size_t floor = end > limit ? end - limit : 0;
    size_t depth = 0;
    size_t i = end;
    while (i > floor) {
        char c = text[i - 1];
        if (c == '"') {
            size_t open = i >= 2 ? text.rfind('"', i - 2) : npos;
            if (open == npos || open < floor)
                return npos;
            i = open;
            continue;
        }
        if (c == ')') {
            ++depth;
        } else if (c == '(') {
            if (depth == 0)
                break;
            --depth;
        } else if (depth == 0 && !isOperandChar(c)) {
            break;
        }
        --i;
    }
    if (depth != 0 || i == end || (i == floor && floor > 0))
        return npos;
    return i;
}

// The position of the ")" that closes the "(" at `open`, or npos.
size_t matchingParen(std::string_view text, size_t open)
{
    OperandScan scan = scanOperand(text, open, text.size());
    if (!scan.complete || scan.end == open || text[scan.end - 1] != ')')
        return npos;
    // The scan took a whole operand; find where the first group closes.
    size_t depth = 0;
    bool inString = false;
    for (size_t i = open; i < scan.end; ++i) {
        if (text[i] == '"')
            inString = !inString;
        if (inString)
            continue;
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i;
    }
    return npos;
}

// The parts of `text` between the separators that stand outside strings and brackets.
std::vector<std::string_view> splitTopLevel(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t depth = 0;
    bool inString = false;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"')
            inString = !inString;
        if (inString)
            continue;
        if (c == '(' || c == '[')
            ++depth;
        else if ((c == ')' || c == ']') && depth > 0)
            --depth;
        else if (c == separator && depth == 0) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

// What an identifier becomes: `text`, standing also for the `skip` characters after it.
struct Replacement
{
    std::string_view text;
    size_t skip = 0;
};

// Appends to `out` a copy of `line` in which each identifier outside strings (and, with
// `stopAtComment`, before a trailing comment) is what `rename(word, begin, end)` makes of it.
// The text between identifiers goes over in runs, not byte by byte.
template<class Rename>
void mapIdentifiers(std::string_view line, bool stopAtComment, Rename rename, std::string &out)
{
    bool inString = false;
    size_t copied = 0; // what is before this has been written
    for (size_t i = 0; i < line.size();) {
        char c = line[i];
        if (c == '"')
            inString = !inString;
        if (stopAtComment && !inString && c == '\'')
            break;
        if (inString || !isIdentChar(c)) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        while (end < line.size() && isIdentChar(line[end]))
            ++end;
        Replacement replacement = rename(line.substr(i, end - i), i, end);
        if (replacement.skip != 0 || replacement.text.data() != line.data() + i ||
            replacement.text.size() != end - i) {
            out.append(line.data() + copied, i - copied);
            out += replacement.text;
            copied = std::min(end + replacement.skip, line.size());
        }
        i = end + replacement.skip;
    }
    out.append(line.data() + copied, line.size() - copied);
}

template<class Rename>
std::string mapIdentifiers(std::string_view line, bool stopAtComment, Rename rename)
{
    std::string out;
    out.reserve(line.size() + 16);
    mapIdentifiers(line, stopAtComment, rename, out);
    return out;
}

// Every call `name` + `call` ("found" + "()", "empty" + "("), the name a whole word outside
// strings and in any letter case, replaced by `replacement`.
std::string replaceCalls(std::string_view line,
                         std::string_view name,
                         std::string_view call,
                         std::string_view replacement)
{
    return mapIdentifiers(line, false, [&](std::string_view word, size_t, size_t end) {
        if (equalsIgnoreCase(word, name) && line.compare(end, call.size(), call) == 0)
            return Replacement{replacement, call.size()};
        return Replacement{word};
    });
}

// Rule 18's "!": the xBase negation outside strings becomes "Not ".
std::string notOutsideStrings(std::string_view line)
{
    std::string out;
    out.reserve(line.size() + 8);
    bool inString = false;
    for (char c : line) {
        if (c == '"')
            inString = !inString;
        if (c == '!' && !inString)
            out += "Not ";
        else
            out += c;
    }
    return out;
}

// Rule 39's function names.
std::string renameFunctions(std::string_view line)
{
    const bool hasIif = containsFolded(line, "iif");
    const size_t statementStart = leadingBlanks(line);
    return mapIdentifiers(line, false, [&](std::string_view word, size_t begin, size_t end) {
        const bool call = end < line.size() && line[end] == '(';
        if (equalsIgnoreCase(word, "substr"))
            return Replacement{"Mid"};
        if (equalsIgnoreCase(word, "alltrim"))
            return Replacement{"Trim"};
        if (call && equalsIgnoreCase(word, "upper"))
            return Replacement{"UCase"};
        if (call && !hasIif && begin != statementStart && equalsIgnoreCase(word, "if"))
            return Replacement{"IIF"};
        if (call && equalsIgnoreCase(word, "type"))
            return Replacement{"VarType"};
        return Replacement{word};
    });
}

// Rule 39's "$": left $ right becomes InStr(1, right, left, 1) > 0. True when one was converted.
bool convertDollars(std::string &line)
{
    if (line.find('$') == npos)
        return false;
    std::string out;
    out.reserve(line.size() + 32);
    bool inString = false;
    bool converted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"')
            inString = !inString;
        if (c != '$' || inString) {
            out += c;
            continue;
        }
        size_t leftEnd = out.size();
        while (leftEnd > 0 && isBlankChar(out[leftEnd - 1]))
            --leftEnd;
        size_t leftStart = scanOperandBack(out, leftEnd, kOperandLimit);
        if (leftStart == npos) {
            out += c;
            continue;
        }
        size_t rightStart = i + 1;
        while (rightStart < line.size() && isBlankChar(line[rightStart]))
            ++rightStart;
        OperandScan right = scanOperand(line, rightStart, kOperandLimit);
        if (!right.complete || right.end == rightStart) {
            out += c;
            continue;
        }
        std::string left = out.substr(leftStart, leftEnd - leftStart);
        out.resize(leftStart);
        out += "InStr(1, ";
        out.append(line, rightStart, right.end - rightStart);
        out += ", ";
        out += left;
        out += ", 1) > 0";
        i = right.end - 1;
        converted = true;
    }
    if (converted)
        line = std::move(out);
    return converted;
}

// The function rewrites an expression gets wherever it stands. True when a "$" was converted.
bool rewriteExpression(std::string &code)
{
    code = renameFunctions(code);
    return convertDollars(code);
}

// Rule 39's "++" and "--".
void convertIncrements(std::string &line)
{
    if (line.find("++") == npos && line.find("--") == npos)
        return;
    std::string_view whole = trimBoth(line);
    for (std::string_view op : {std::string_view("++"), std::string_view("--")}) {
        std::string_view word;
        if (whole.starts_with(op))
            word = whole.substr(2);
        else if (whole.ends_with(op))
            word = whole.substr(0, whole.size() - 2);
        if (isWholeIdentifier(word)) {
            line = (op == "++" ? "Inc " : "Dec ") + std::string(word);
            return;
        }
    }
    std::string out;
    out.reserve(line.size() + 16);
    bool inString = false;
    for (size_t i = 0; i < line.size();) {
        char c = line[i];
        if (c == '"')
            inString = !inString;
        const bool afterIdent = i > 0 && isIdentChar(line[i - 1]);
        if (!inString && (c == '+' || c == '-') && !afterIdent && i + 2 < line.size() &&
            line[i + 1] == c && isIdentStart(line[i + 2])) {
            size_t end = i + 2;
            while (end < line.size() && isIdentChar(line[end]))
                ++end;
            out += c == '+' ? "IncB(" : "DecB(";
            out.append(line, i + 2, end - i - 2);
            out += ')';
            i = end;
            continue;
        }
        if (!inString && isIdentStart(c) && !afterIdent) {
            size_t end = i;
            while (end < line.size() && isIdentChar(line[end]))
                ++end;
            if (end + 1 < line.size() && (line[end] == '+' || line[end] == '-') &&
                line[end + 1] == line[end]) {
                out += line[end] == '+' ? "IncA(" : "DecA(";
                out.append(line, i, end - i);
                out += ')';
                i = end + 2;
                continue;
            }
            out.append(line, i, end - i);
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    line = std::move(out);
}

// Rule 39's "+=" and "-=".
void convertCompoundAssignment(std::string &line)
{
    size_t plus = findOutsideStrings(line, "+=");
    size_t minus = findOutsideStrings(line, "-=");
    size_t at = std::min(plus, minus);
    if (at == npos)
        return;
    std::string target(trimBoth(std::string_view(line).substr(0, at)));
    std::string expression(trimBoth(std::string_view(line).substr(at + 2)));
    if (target.empty() || expression.empty())
        return;
    const bool subtract = at == minus;
    if (subtract) {
        OperandScan scan = scanOperand(expression, 0, expression.size());
        if (!scan.complete || scan.end != expression.size())
            expression = "(" + expression + ")";
    }
    line = target + " = " + target + (subtract ? " - " : " + ") + expression;
}

// " Then" after the code of an If or ElseIf line, before a trailing comment.
void addThen(std::string &line)
{
    size_t comment = findOutsideStrings(line, "'");
    std::string code(
        trimRight(std::string_view(line).substr(0, comment == npos ? line.size() : comment)));
    std::string_view upper = code;
    if (upper.size() >= 4 && equalsIgnoreCase(upper.substr(upper.size() - 4), "THEN") &&
        (upper.size() == 4 || !isIdentChar(upper[upper.size() - 5])))
        return;
    std::string result = code + " Then";
    if (comment != npos)
        result += " " + line.substr(comment);
    line = std::move(result);
}

// Rule 40, appending the renamed line to `out`.
void renameReserved(std::string_view line, std::string &out)
{
    static constexpr std::pair<std::string_view, std::string_view> kReserved[] = {
        {"line", "pString"}, {"string", "cString"}, {"right", "nRight"},     {"left", "nLeft"},
        {"data", "cData"},   {"cstr", "cstrg"},     {"currency", "currncy"}, {"empty", "emty"},
        {"error", "lError"}, {"count", "nCount"},
    };
    mapIdentifiers(line, true, [&](std::string_view word, size_t begin, size_t end) {
        // A member or field name is not the program's variable; Left( and Right( are the
        // host's own functions.
        const char before = begin > 0 ? line[begin - 1] : ' ';
        const bool call = end < line.size() && line[end] == '(';
        if (before == '.' || before == '!' ||
            (call && (equalsIgnoreCase(word, "left") || equalsIgnoreCase(word, "right"))))
            return Replacement{word};
        // Every reserved word has four to eight letters.
        if (word.size() < 4 || word.size() > 8)
            return Replacement{word};
        for (const auto &[from, to] : kReserved) {
            if (equalsIgnoreCase(word, from))
                return Replacement{to};
        }
        return Replacement{word};
    }, out);
}

enum class Declaration { None, Private, Public, Local };

Declaration declarationKind(std::string_view upper)
{
    size_t end = 0;
    while (end < upper.size() && isIdentChar(upper[end]))
        ++end;
    std::string_view word = upper.substr(0, end);
    if (word.size() < 4)
        return Declaration::None;
    if (std::string_view("PRIVATE").starts_with(word))
        return Declaration::Private;
    if (std::string_view("PUBLIC").starts_with(word))
        return Declaration::Public;
    if (std::string_view("LOCAL").starts_with(word))
        return Declaration::Local;
    return Declaration::None;
}

class Converter
{
public:
    explicit Converter(std::string &out)
        : m_out(out)
    {}

    void physicalLine(std::string_view raw);
    void finish();

private:
    void convertLine(std::string line);
    void convertComments(std::string line);
    void declare(std::string_view line, Declaration kind);
    void convertCode(std::string line);
    void convertStatement(std::string line);
    void replaceStatement(std::string_view rest, std::string_view original);
    void returnStatement(std::string value);
    void functionsAndOperators(std::string &line);
    void closeProcedure();
    std::string loopLabel();

    std::string alias() const { return m_alias.empty() ? std::string("oTB") : m_alias; }
    void write(std::string_view line)
    {
        renameReserved(line, m_out);
        m_out += "\r\n";
    }
    void emit(std::string_view line) { write(trimRight(line)); }
    void writeDollarNote()
    {
        write(kDollarNote);
        write(commentLine(m_codeSource));
    }

    std::string &m_out;
    std::string m_pending;
    bool m_inText = false; // inside TEXT ... ENDTEXT
    bool m_inComment = false;
    std::optional<bool> m_inCommentAfterLine;
    int m_depth = 0;
    bool m_procedureOpen = false;
    std::string m_procedureName;
    bool m_isFunction = false;
    std::string m_alias;
    bool m_loopExit = false; // a LOOP outside any loop header this text holds
    // The DO WHILE / WHILE loops open at this line, each with the label its LOOPs jump to
    // (empty until one does).
    std::vector<std::string> m_loops;
    int m_loopLabels = 0; // labels the current procedure has used
    std::string m_loopKind;
    bool m_firstCase = false;
    std::string m_codeSource; // the code of the line before its expressions were rewritten
};

void Converter::physicalLine(std::string_view raw)
{
    std::string_view line = trimRight(raw);
    // The lines of a text block are text, not code: they are kept behind a comment mark as
    // they stand, with the TEXT and ENDTEXT lines that enclose them.
    if (m_inText || (!m_inComment && m_pending.empty() && opensText(trimLeft(line)))) {
        m_inText = !m_inText || !closesText(trimLeft(line));
        m_out += line.empty() ? std::string("'") : "' " + std::string(line);
        m_out += "\r\n";
        return;
    }
    if (line.empty()) { // 1
        write("");
        return;
    }
    // 2: a trailing comment after a continuation ";" is taken off the line. A line that is a
    // comment itself continues (as a comment) when it ends with ";".
    std::string text(line);
    bool continued = text.ends_with(';');
    std::string_view whole = trimLeft(line);
    if (!whole.starts_with("*") && !whole.starts_with("//") && !whole.starts_with("&&")) {
        size_t mark = std::min(findOutsideStrings(line, "&&"), findOutsideStrings(line, "//"));
        if (mark != npos) {
            std::string_view code = trimRight(line.substr(0, mark));
            continued = code.ends_with(';');
            if (continued) {
                std::string comment = shortCommentFilter(commentLine(line.substr(mark + 2)));
                if (!comment.empty())
                    write(comment);
                text = std::string(code);
            }
        }
    }
    // 3
    if (continued) {
        std::string_view part = trimBoth(std::string_view(text).substr(0, text.size() - 1));
        if (!part.empty()) {
            if (!m_pending.empty())
                m_pending += ' ';
            m_pending += part;
        }
        return;
    }
    std::string joined = std::move(m_pending);
    m_pending.clear();
    if (!joined.empty())
        joined += ' ';
    joined += trimBoth(text);
    convertLine(std::move(joined));
}

void Converter::finish()
{
    if (!m_pending.empty()) {
        std::string rest = std::move(m_pending);
        m_pending.clear();
        convertLine(std::move(rest));
    }
    if (!m_procedureOpen)
        return;
    if (m_isFunction) {
        write("End Function");
        write("");
    } else {
        write("End Sub");
        write(" ");
    }
    m_procedureOpen = false;
}

void Converter::convertLine(std::string line)
{
    m_inCommentAfterLine.reset();
    if (line.find('\'') != npos) // 4
        line = ReplaceAll(line, "'", "\"");
    convertComments(std::move(line));
    if (m_inCommentAfterLine)
        m_inComment = *m_inCommentAfterLine;
}

void Converter::convertComments(std::string line)
{
    std::string_view whole = trimBoth(line);
    if (whole.starts_with("/*")) { // 5
        line = ReplaceAll(line, "/*", "'");
        m_inComment = true;
        if (line.find("*/") != npos) {
            line = ReplaceAll(line, "*/", "");
            m_inComment = false;
        }
        return emit(line);
    }
    if (whole.starts_with("*/")) { // 6
        m_inComment = false;
        return emit(ReplaceAll(line, "*/", "' */"));
    }
    // 7: the comment opened here governs the lines after this one.
    size_t open = m_inComment ? line.find("/*") : findOutsideStrings(line, "/*");
    if (open != npos) {
        m_inCommentAfterLine = line.find("*/", open) == npos;
        write(commentLine(ReplaceAll(ReplaceAll(line.substr(open), "/*", ""), "*/", "")));
        line.resize(open);
    }
    size_t close = line.find("*/"); // 8
    if (close != npos) {
        if (m_inComment) {
            m_inComment = false;
            write(commentLine(std::string_view(line).substr(0, close + 2)));
            line.erase(0, close + 2);
            if (trimBoth(line).empty())
                return;
        } else {
            line.replace(close, 2, "' */");
        }
    }
    if (m_inComment) // 9
        return emit("' " + std::string(trimBoth(line)));
    whole = trimBoth(line);
    for (std::string_view mark : {"*", "//", "&&"}) { // 10
        if (whole.starts_with(mark))
            return emit(shortCommentFilter(trimBoth("'" + std::string(whole.substr(mark.size())))));
    }
    size_t mark = findOutsideStrings(line, "//"); // 11
    if (mark == npos)
        mark = findOutsideStrings(line, "&&");
    if (mark != npos) {
        std::string comment =
            shortCommentFilter(commentLine(std::string_view(line).substr(mark + 2)));
        if (!comment.empty())
            write(comment);
        line.resize(mark);
    }
    std::string upper = upperTrimmed(line);
    if (Declaration kind = declarationKind(upper); kind != Declaration::None) // 12
        return declare(line, kind);
    if (upper.starts_with("#")) // 13
        return emit(ReplaceFirst(line, "#", "' #"));
    convertCode(std::move(line));
}

void Converter::declare(std::string_view line, Declaration kind)
{
    std::string_view rest = trimBoth(line);
    size_t wordEnd = 0;
    while (wordEnd < rest.size() && isIdentChar(rest[wordEnd]))
        ++wordEnd;
    std::string note = "' " + std::string(rest.substr(0, wordEnd));
    switch (kind) {
    case Declaration::Private:
        note += " converted to Dim (may need to move to Module Scope)";
        break;
    case Declaration::Local:
        note += " converted to Dims";
        break;
    case Declaration::Public:
        note += " converted to Global (must be moved to Moduele Declaration Section)";
        break;
    case Declaration::None:
        break;
    }
    write(note);
    const std::string keyword = kind == Declaration::Public ? "Global " : "Dim ";
    std::vector<std::string> initialisers;
    for (std::string_view item : splitTopLevel(rest.substr(wordEnd), ',')) {
        item = trimBoth(item);
        size_t start = 0;
        while (start < item.size() && !isIdentChar(item[start]))
            ++start;
        size_t end = start;
        while (end < item.size() && isIdentChar(item[end]))
            ++end;
        if (end == start)
            continue;
        std::string name(item.substr(start, end - start));
        std::string_view after = trimLeft(item.substr(end));
        std::string bounds;
        if (after.starts_with("[") || after.starts_with("(")) {
            OperandScan scan = scanOperand(after, 0, after.size());
            bounds = ReplaceAll(std::string(after.substr(0, scan.end)), "][", ", ");
            bounds = ReplaceAll(ReplaceAll(bounds, "[", "("), "]", ")");
            after = trimLeft(after.substr(scan.end));
        }
        write(keyword + name + bounds);
        std::string_view value;
        if (after.starts_with(":="))
            value = after.substr(2);
        else if (after.starts_with("=") && !after.starts_with("=="))
            value = after.substr(1);
        if (!trimBoth(value).empty())
            initialisers.push_back(name + " = " + std::string(trimBoth(value)));
    }
    for (std::string &assignment : initialisers)
        convertCode(std::move(assignment));
}

void Converter::convertCode(std::string line)
{
    m_codeSource = trimBoth(line);
    if (containsFolded(line, "local ")) // 14
        line = ReplaceFirst(line, "local", "Dim");
    // 15: the alias in force names the table of found().
    if (containsFolded(line, "found()")) // 16
        line = replaceCalls(line, "found", "()", "Not " + alias() + ".NoMatch");
    if (containsFolded(line, "empty(")) // 17
        line = replaceCalls(line, "empty", "(", "Emty(");
    static constexpr std::pair<std::string_view, std::string_view> kWords[] = {
        {".and.", " And "},
        {".or.", " Or "},
        {".not.", " Not "},
    };
    for (const auto &[from, to] : kWords) {
        if (containsFolded(line, from))
            line = ReplaceAllText(line, from, to);
    }
    // 18: each rewrite copies the line only where its text occurs.
    auto replaceAll = [&line](std::string_view from, std::string_view to) {
        if (line.find(from) != npos)
            line = ReplaceAll(line, from, to);
    };
    replaceAll("!=", "<>");
    if (line.find('!') != npos)
        line = notOutsideStrings(line);
    replaceAll("==", "=");
    replaceAll(":=", "=");
    std::replace(line.begin(), line.end(), '[', '(');
    std::replace(line.begin(), line.end(), ']', ')');
    replaceAll("->", "!");
    if (containsFolded(line, ".t.")) // 19
        line = ReplaceAllText(line, ".T.", " True ");
    if (containsFolded(line, ".f"))
        line = ReplaceAllText(line, ".F.", " False ");
    convertStatement(std::move(line));
}

void Converter::convertStatement(std::string line)
{
    std::string upper = upperTrimmed(line);
    const size_t lead = leadingBlanks(line);
    auto rest = [&](size_t length) {
        return std::string(trimBoth(std::string_view(line).substr(lead + length)));
    };
    auto replaceKeyword = [&](size_t length, std::string_view replacement) {
        line.replace(lead, length, replacement);
    };
    size_t n = 0;

    if ((n = matchPhrase(upper, "DELETE"))) { // 20
        replaceKeyword(n, alias() + ".Delete");
        return emit(line);
    }
    for (std::string_view word : {"PACK", "DECLARE", "READ", "RELEASE", "SAVE", "RESTORE",
                                  "RESTSCREEN", "@", "SET", "RUN", "BEGIN SEQUENCE"}) { // 21
        if (matchPhrase(upper, word))
            return emit("' " + std::string(trimBoth(line)));
    }
    if ((n = matchPhrase(upper, "INDEX ON"))) { // 22
        replaceKeyword(n, alias() + ".Index =");
        return emit(line);
    }
    if ((n = matchPhrase(upper, "BREAK"))) { // 23
        replaceKeyword(n, "GoTo " + m_procedureName + "BreakEnd");
        return emit(line);
    }
    if (matchPhrase(upper, "CLOSE")) { // 24
        write("' " + std::string(trimBoth(line)));
        return emit(upper.find("DATABASE") != npos ? std::string("DB.Close") : alias() + ".Close");
    }
    if ((n = matchPhrase(upper, "REPLACE"))) // 25
        return replaceStatement(std::string_view(line).substr(lead + n), trimBoth(line));
    if ((n = matchPhrase(upper, "APPEND"))) { // 26
        if (matchPhrase(platform::toUpper(rest(n)), "BLANK"))
            return emit(alias() + ".AddNew");
        replaceKeyword(n, alias() + ".AddNew");
        return emit(line);
    }
    if ((n = matchPhrase(upper, "ERASE"))) {
        replaceKeyword(n, "Kill");
        return emit(line);
    }
    if ((n = matchPhrase(upper, "LOOP")) && line.find(':') == npos) { // 27
        replaceKeyword(n, "GoTo " + loopLabel());
        return emit(line);
    }
    if ((n = matchPhrase(upper, "RETURN"))) // 28
        return returnStatement(rest(n));
    if ((n = matchPhrase(upper, "ENDIF"))) { // 29
        replaceKeyword(n, "End If");
        if (--m_depth < 0) {
            line = "' " + std::string(trimBoth(line));
            m_depth = 0;
        }
        return emit(line);
    }
    if ((n = matchPhrase(upper, "ENDDO"))) { // 30
        replaceKeyword(n, "Loop");
        if (--m_depth < 0) {
            line = "' " + std::string(trimBoth(line));
            m_depth = 0;
        }
        if (!m_loops.empty()) {
            std::string label = std::move(m_loops.back());
            m_loops.pop_back();
            if (!label.empty())
                write(label + ":");
        } else if (m_loopExit) {
            write(m_procedureName + "LupEnd:");
            m_loopExit = false;
        }
        return emit(line);
    }
    if (matchPhrase(upper, "END SEQUENCE")) { // 31
        write("' END SEQUENCE");
        return emit(m_procedureName + "BreakEnd:");
    }
    if ((n = matchPhrase(upper, "END"))) {
        replaceKeyword(n, "End If");
        if (--m_depth < 0) {
            write("' END SEQUENCE");
            line = m_procedureName + "BreakEnd:";
            m_depth = 0;
        }
        return emit(line);
    }
    if ((n = matchPhrase(upper, "SELECT")) && !matchPhrase(upper, "SELECT CASE") &&
        (n >= upper.size() || upper[n] != '(')) { // 32
        std::string words = rest(n);
        std::string_view scan = words;
        std::string last;
        for (std::string word = GetNextVBWord(scan); !word.empty(); word = GetNextVBWord(scan))
            last = std::move(word);
        m_alias = std::move(last);
        return;
    }
    if (size_t at = findWord(line, "else"); at != npos) { // 33
        line.replace(at, 4, "Else");
        upper = upperTrimmed(line);
    }
    if ((n = matchPhrase(upper, "WHILE"))) { // 34
        replaceKeyword(n, "Do While");
        m_loopKind = "Do";
        m_loops.emplace_back();
    } else if (matchPhrase(upper, "DO WHILE")) {
        m_loopKind = "Do";
        m_loops.emplace_back();
    } else if (matchPhrase(upper, "FOR")) {
        m_loopKind = "For";
    }
    if (containsFolded(line, "eof()"))
        line = replaceCalls(line, "eof", "()", alias() + ".EOF");
    upper = upperTrimmed(line);

    if (matchPhrase(upper, "DO CASE")) { // 35
        m_firstCase = true;
        return emit("' Do Case Sequence converted due to Incompatability with VB");
    }
    if ((n = matchPhrase(upper, "CASE"))) {
        replaceKeyword(n, m_firstCase ? "If" : "ElseIf");
        m_firstCase = false;
        if (rewriteExpression(line))
            writeDollarNote();
        addThen(line);
        return emit(line);
    }
    if ((n = matchPhrase(upper, "OTHERWISE"))) {
        replaceKeyword(n, "Else");
        return emit(line);
    }
    if ((n = matchPhrase(upper, "ENDCASE"))) {
        replaceKeyword(n, "End If");
        return emit(line);
    }
    const size_t procedure = std::max(matchPhrase(upper, "PROCEDURE"), matchPhrase(upper, "PROC"));
    const size_t function = std::max(matchPhrase(upper, "FUNCTION"), matchPhrase(upper, "FUNC"));
    if (procedure || function) { // 36
        closeProcedure();
        m_isFunction = function != 0;
        replaceKeyword(function ? function : procedure, function ? "Function" : "Sub");
        std::string_view words = line;
        GetNextVBWord(words);
        std::string name = GetNextVBWord(words);
        if (!name.empty()) {
            m_procedureOpen = true;
            m_procedureName = std::move(name);
            m_alias.clear();
            m_loops.clear();
            m_loopLabels = 0;
        }
        return emit(line);
    }
    if ((n = matchPhrase(upper, "CONTINUE"))) { // 37
        replaceKeyword(n, alias() + ".FindNext ");
        return emit(line);
    }
    // 38
    if (matchPhrase(upper, "IF") || matchPhrase(upper, "SELECT CASE") ||
        matchPhrase(upper, "DO WHILE") || matchPhrase(upper, "WHILE")) {
        ++m_depth;
    } else {
        std::string_view first = upper;
        first = first.substr(0, std::find_if_not(first.begin(), first.end(), isIdentChar) -
                                    first.begin());
        if (first == "END" || first == "LOOP" || first == "WEND" || first == "ENDIF" ||
            first == "ENDCASE" || first == "ENDDO") {
            if (m_depth > 0)
                --m_depth;
            else if (first == "END")
                line = "' END SEQUENCE " + line;
        }
    }
    functionsAndOperators(line); // 39
    emit(line);
}

void Converter::replaceStatement(std::string_view rest, std::string_view original)
{
    write("' " + std::string(original));
    bool dollar = false;
    std::vector<std::string> assignments;
    for (std::string_view part : splitTopLevel(rest, ',')) {
        size_t with = findWord(part, "with");
        if (with == npos)
            continue;
        std::string_view fieldText = part.substr(0, with);
        std::string field = common::NextWord(fieldText, "_!");
        std::string value(trimBoth(part.substr(with + 4)));
        if (field.empty() || value.empty())
            continue;
        dollar = rewriteExpression(value) || dollar;
        std::string target = field.find('!') != npos ? field : alias() + "!" + field;
        assignments.push_back(target + " = " + value);
    }
    if (dollar)
        write(kDollarNote);
    for (const std::string &assignment : assignments)
        write(assignment);
}

void Converter::returnStatement(std::string value)
{
    if (value.empty())
        return emit(m_isFunction ? "   Exit Function" : "   Exit Sub");
    if (value.front() == '(' && matchingParen(value, 0) == value.size() - 1)
        value = std::string(trimBoth(std::string_view(value).substr(1, value.size() - 2)));
    value = ReplaceAllText(value, ".T.", "True");
    value = ReplaceAllText(value, ".F.", "False");
    value = std::string(trimBoth(value));
    if (rewriteExpression(value))
        writeDollarNote();
    write(m_procedureName + " = " + value);
    emit("Exit Function");
}

void Converter::functionsAndOperators(std::string &line)
{
    if (rewriteExpression(line))
        writeDollarNote();
    convertIncrements(line);
    convertCompoundAssignment(line);

    const std::string upper = upperTrimmed(line);
    const size_t lead = leadingBlanks(line);
    auto rest = [&](size_t length) {
        return std::string(trimBoth(std::string_view(line).substr(lead + length)));
    };
    size_t n = 0;
    if ((n = matchPhrase(upper, "SKIP"))) {
        std::string count = rest(n);
        std::string compact;
        for (char c : count) {
            if (!isBlankChar(c))
                compact += c;
        }
        if (compact.empty() || compact == "1")
            line = alias() + ".MoveNext";
        else if (compact == "-1")
            line = alias() + ".MovePrevious";
        else
            line = alias() + ".Move " + count;
    } else if ((n = std::max(matchPhrase(upper, "GOTO"), matchPhrase(upper, "GO")))) {
        std::string target = rest(n);
        std::string where = platform::toUpper(target);
        if (matchPhrase(where, "TOP"))
            line = alias() + ".MoveFirst";
        else if (matchPhrase(where, "BOTTOM"))
            line = alias() + ".MoveLast";
        else if (!target.empty())
            line = alias() + ".BookMark = " + target;
    } else if ((n = matchPhrase(upper, "SEEK"))) {
        std::string key = rest(n);
        if (size_t plus = findOutsideStrings(key, "+"); plus != npos)
            key.replace(plus, 1, ",");
        line = alias() + ".Seek \"=\"," + key;
    } else if ((n = matchPhrase(upper, "LOCATE"))) {
        std::string condition = rest(n);
        if (size_t scope = matchPhrase(platform::toUpper(condition), "FOR"))
            condition = std::string(trimBoth(std::string_view(condition).substr(scope)));
        line = alias() + ".FindFirst " + condition;
    } else if (matchPhrase(upper, "USE")) {
        line = "' " + std::string(trimBoth(line));
    } else if ((n = matchPhrase(upper, "EXIT"))) {
        line.replace(lead, n, "Exit " + m_loopKind);
    } else if ((n = matchPhrase(upper, "IF"))) {
        line.replace(lead, n, "If");
        addThen(line);
    } else if ((n = matchPhrase(upper, "ELSEIF"))) {
        line.replace(lead, n, "ElseIf");
        addThen(line);
    } else if ((n = matchPhrase(upper, "DO")) && !matchPhrase(upper, "DO WHILE") &&
               upper.find("ENDDO") == npos && !rest(n).empty()) {
        std::string call = rest(n);
        if (size_t with = findWord(call, "with"); with != npos) {
            call = std::string(trimRight(std::string_view(call).substr(0, with))) + " " +
                   std::string(trimLeft(std::string_view(call).substr(with + 4)));
        }
        line = std::move(call);
    }
}

// The label the innermost open loop's LOOPs jump to, written before its Loop line: the
// procedure name and "LupEnd", numbered from the second label of a procedure on so that two
// loops never share one.
std::string Converter::loopLabel()
{
    if (m_loops.empty()) {
        m_loopExit = true;
        return m_procedureName + "LupEnd";
    }
    std::string &label = m_loops.back();
    if (label.empty()) {
        ++m_loopLabels;
        label = m_procedureName + "LupEnd";
        if (m_loopLabels > 1)
            label += std::to_string(m_loopLabels);
    }
    return label;
}

void Converter::closeProcedure()
{
    if (!m_procedureOpen)
        return;
    write(m_isFunction ? "End Function" : "End Sub");
    write(" ");
    m_procedureOpen = false;
}

} // namespace

std::string GetNextVBWord(std::string_view &text)
{
    return common::NextWord(text, "_");
}

std::string GetNextPSOWord(std::string_view &text)
{
    text = trimLeft(text);
    OperandScan scan = scanOperand(text, 0, text.size());
    std::string operand(text.substr(0, scan.end));
    text.remove_prefix(scan.end);
    return operand;
}

XBaseConversion ConvertXBaseBlock(std::string_view input, const XBaseProgress &progress)
{
    XBaseConversion result;
    try {
        common::reserveLarge(result.text, input.size() + input.size() / 4 + 16);
        Converter converter(result.text);
        std::size_t number = 0;
        for (platform::LineReader lines(input); auto line = lines.next();) {
            if (progress)
                progress(++number);
            converter.physicalLine(*line);
        }
        converter.finish();
    } catch (...) {
        platform::VbError failure = common::describeFailure(std::current_exception());
        result.failure =
            common::systemErrorReport(failure.number, failure.description, "ConvertXBaseBlock");
    }
    return result;
}

std::optional<XBaseConversion> ConvertXBaseProc(std::string_view selection,
                                                const XBaseProgress &progress)
{
    if (selection.empty())
        return std::nullopt;
    return ConvertXBaseBlock(selection, progress);
}

} // namespace qm::codetext
