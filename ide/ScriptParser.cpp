// Reading script lines into words, and the usage texts of the command table.
#include "ide/ScriptParser.h"

#include "platform/Text.h"

#include <cstdlib>

namespace qm::ide {
namespace {} // namespace

std::vector<ScriptLine> parseScript(std::string_view text)
{
    std::vector<ScriptLine> out;
    int number = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        ++number;
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
        ScriptLine parsed;
        parsed.number = number;
        std::size_t i = 0;
        while (i < line.size()) {
            if (line[i] == ' ' || line[i] == '\t') {
                ++i;
                continue;
            }
            if (line[i] == '#')
                break;
            std::string word;
            if (line[i] != '"') {
                while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                    word += line[i++];
                parsed.words.push_back(std::move(word));
                continue;
            }
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    word += c;
                    continue;
                }
                if (i >= line.size())
                    throw ScriptError(number, "a backslash ends the line");
                char e = line[i++];
                switch (e) {
                case '"':
                    word += '"';
                    break;
                case '\\':
                    word += '\\';
                    break;
                case 'n':
                    word += '\n';
                    break;
                case 'r':
                    word += '\r';
                    break;
                case 't':
                    word += '\t';
                    break;
                case '$':
                    word += "\\$";
                    break; // kept for expandVariables: a literal "$"
                case 'x': {
                    int hi = i < line.size() ? platform::hexDigitValue(line[i]) : -1;
                    int lo = i + 1 < line.size() ? platform::hexDigitValue(line[i + 1]) : -1;
                    if (hi < 0 || lo < 0)
                        throw ScriptError(number, "\\x needs two hexadecimal digits");
                    word += static_cast<char>(hi * 16 + lo);
                    i += 2;
                    break;
                }
                default:
                    throw ScriptError(number, std::string("unknown escape \\") + e);
                }
            }
            if (!closed)
                throw ScriptError(number, "a quoted word is not closed");
            if (i < line.size() && line[i] != ' ' && line[i] != '\t')
                throw ScriptError(number, "a quoted word runs into the next one");
            parsed.words.push_back(std::move(word));
        }
        if (!parsed.words.empty())
            out.push_back(std::move(parsed));
    }
    return out;
}

std::string expandVariables(std::string_view word,
                            const std::map<std::string, std::string> &variables)
{
    std::string out;
    std::size_t i = 0;
    while (i < word.size()) {
        if (word[i] == '\\' && i + 1 < word.size() && word[i + 1] == '$') {
            out += '$';
            i += 2;
            continue;
        }
        if (word[i] != '$' || i + 1 >= word.size() || word[i + 1] != '{') {
            out += word[i++];
            continue;
        }
        std::size_t close = word.find('}', i + 2);
        if (close == std::string_view::npos)
            throw std::runtime_error("a ${ is not closed");
        std::string name(word.substr(i + 2, close - i - 2));
        if (auto at = variables.find(name); at != variables.end())
            out += at->second;
        else if (const char *env = std::getenv(name.c_str()))
            out += env;
        else
            throw std::runtime_error("unknown variable ${" + name + "}");
        i = close + 1;
    }
    return out;
}

std::string usageOf(const ScriptSyntax &syntax, std::string_view prefix)
{
    std::string out(prefix);
    if (!out.empty())
        out += ' ';
    out += syntax.name;
    if (syntax.arguments[0] != '\0')
        out += std::string(" ") + syntax.arguments;
    return out;
}

void checkArgumentCount(const ScriptSyntax &syntax, std::size_t count, std::string_view prefix)
{
    const bool tooFew = count < static_cast<std::size_t>(syntax.least);
    const bool tooMany = syntax.most >= 0 && count > static_cast<std::size_t>(syntax.most);
    if (tooFew || tooMany)
        throw std::runtime_error("usage: " + usageOf(syntax, prefix));
}

std::string listUsage(const std::vector<ScriptSyntax> &table, std::string_view prefix)
{
    std::string out;
    std::string group;
    for (const ScriptSyntax &s : table) {
        if (group != s.group) {
            group = s.group;
            out += (out.empty() ? "" : "\n") + group + ":\n";
        }
        out += "  " + usageOf(s, prefix) + "\n";
    }
    return out;
}

std::string joinNames(const std::vector<ScriptSyntax> &table)
{
    std::string out;
    for (const ScriptSyntax &s : table) {
        // Forms of one name (expect same, expect differ) are listed once.
        const std::string name = s.name;
        if (("|" + out + "|").find("|" + name + "|") == std::string::npos)
            out += (out.empty() ? "" : "|") + name;
    }
    return out;
}

const ScriptSyntax *findSyntax(const std::vector<ScriptSyntax> &table, std::string_view name)
{
    for (const ScriptSyntax &s : table) {
        if (platform::equalsIgnoreCase(s.name, name))
            return &s;
    }
    return nullptr;
}

} // namespace qm::ide
