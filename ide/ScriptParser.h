// The words of vbhost's automation scripts, and the table that describes their commands: what
// a line says, before anything runs it. No windows here; the runner lives in ide/ui/Script.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

/// One command of a script: its words, with quotes taken off and escapes read.
struct ScriptLine
{
    int number = 0;
    std::vector<std::string> words;
};

/// A script that cannot run: where and why.
struct ScriptError : std::runtime_error
{
    ScriptError(int lineNumber, const std::string &message)
        : std::runtime_error(message)
        , line(lineNumber)
    {}
    int line;
};

/// Splits a script into commands. Words are separated by blanks or tabs; a word in double
/// quotes may hold blanks and the escapes \" \\ \n \r \t and \xHH; "#" at the start of a word
/// begins a comment; blank lines are skipped. Throws ScriptError for an unclosed quote or a
/// bad escape.
std::vector<ScriptLine> parseScript(std::string_view text);

/// Replaces ${NAME} in a word with the variable's value (the given ones first, then the
/// environment). Throws std::runtime_error naming an unknown variable.
std::string expandVariables(std::string_view word,
                            const std::map<std::string, std::string> &variables);

/// What a command (or one form of `expect` and `print`) takes: its name, the group the
/// documentation lists it under, what follows the name, and how many words may follow.
struct ScriptSyntax
{
    const char *name;
    const char *group;
    const char *arguments; ///< "FORM CONTROL NAME VALUE"; empty for none
    int least;
    int most; ///< -1: any number
};

/// "name ARGUMENTS".
std::string usageOf(const ScriptSyntax &syntax, std::string_view prefix = {});
/// Throws std::runtime_error("usage: ...") unless the number of words after the name fits.
void checkArgumentCount(const ScriptSyntax &syntax,
                        std::size_t count,
                        std::string_view prefix = {});
/// Every command's usage, a line each, under its group's heading, in table order.
std::string listUsage(const std::vector<ScriptSyntax> &table, std::string_view prefix = {});
/// The names of a table joined by "|": "code|procedure|selection".
std::string joinNames(const std::vector<ScriptSyntax> &table);
/// The entry of a name (letter case ignored); nullptr when there is none.
const ScriptSyntax *findSyntax(const std::vector<ScriptSyntax> &table, std::string_view name);

} // namespace qm::ide
