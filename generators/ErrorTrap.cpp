// Local error traps and the module error handler.
#include "generators/ErrorTrap.h"

#include "common/ErrorReports.h"
#include "common/TextHelpers.h"
#include "platform/LineReader.h"

namespace qm::generators {
namespace {

constexpr std::string_view kCrLf = "\r\n";

bool contains(std::string_view line, std::string_view what)
{
    return line.find(what) != std::string_view::npos;
}

bool isBlankLine(std::string_view line)
{
    return line.find_first_not_of(' ') == std::string_view::npos;
}

bool isCommentLine(std::string_view line)
{
    const size_t first = line.find_first_not_of(' ');
    return first != std::string_view::npos && line[first] == '\'';
}

// A line ending in " _" goes on in the next line.
bool continuesOnNextLine(std::string_view line)
{
    const size_t last = line.find_last_not_of(' ');
    return last != std::string_view::npos && line[last] == '_' &&
           (last == 0 || line[last - 1] == ' ');
}

// Lines in front of which the trap is not placed: declarations, comments and blank lines.
bool precedesFirstStatement(std::string_view line)
{
    return contains(line, "Sub ") || contains(line, "Function ") || contains(line, "Global ") ||
           contains(line, "Const ") || contains(line, "Dim ") || isCommentLine(line) ||
           isBlankLine(line);
}

void requireSelection(std::string_view code)
{
    // The copied text may hold only line ends.
    if (code.find_first_not_of(" \r\n") == std::string_view::npos)
        throw common::UserMessageError(
            {"Proc Not Selected", "Entire Procedure must be selected!", 64});
}

void appendLine(std::string &out, std::string_view line)
{
    out += line;
    out += kCrLf;
}

// The first line of the code: the procedure's header.
std::string_view headerLine(std::string_view code)
{
    platform::LineReader lines(code);
    return lines.next().value_or(std::string_view());
}

} // namespace

ProcedureHeader readProcedureHeader(std::string_view firstLine)
{
    ProcedureHeader header;
    header.kind = contains(firstLine, "Sub ") ? "Sub" : "Function";
    std::string_view rest = firstLine;
    for (;;) {
        const std::string word = common::NextWord(rest, "_");
        if (word.empty())
            return header;
        if (word == "Sub" || word == "Function")
            break;
    }
    header.name = common::NextWord(rest, "_");
    return header;
}

std::string GenLocalErrorTrap(std::string_view code)
{
    requireSelection(code);
    const ProcedureHeader header = readProcedureHeader(headerLine(code));
    const std::string endLine = "End " + header.kind;
    const std::string exitLine = "   Exit " + header.kind;

    std::string out;
    out.reserve(code.size() + code.size() / 8 + 256); // LF-only lines come back with CR LF
    enum class Stage { BeforeTrap, InBody, AfterEnd } stage = Stage::BeforeTrap;
    bool continuation = false;
    for (platform::LineReader lines(code); auto next = lines.next();) {
        const std::string_view line = *next;
        switch (stage) {
        case Stage::BeforeTrap:
            // A procedure that ends before any statement gets no trap: a GoTo without its
            // label would not compile. Continued header lines belong to the header.
            if (contains(line, endLine)) {
                stage = Stage::AfterEnd;
            } else if (!continuation && !precedesFirstStatement(line)) {
                out += kCrLf;
                appendLine(out, "   On Error GoTo ErrH_" + header.name);
                out += kCrLf;
                stage = Stage::InBody;
            }
            break;
        case Stage::InBody:
            if (contains(line, endLine)) {
                appendLine(out, exitLine);
                out += kCrLf;
                appendLine(out, "ErrH_" + header.name + ":");
                appendLine(out, "   ErrHandler Err, Error, \"" + header.name + "\", \"\"");
                appendLine(out, exitLine);
                stage = Stage::AfterEnd;
            }
            break;
        case Stage::AfterEnd:
            break;
        }
        continuation = continuesOnNextLine(line);
        appendLine(out, line);
    }
    return out;
}

std::string RemoveLocalErrorHandler(std::string_view code)
{
    requireSelection(code);
    const ProcedureHeader header = readProcedureHeader(headerLine(code));
    const std::string endLine = "End " + header.kind;
    const std::string label = "ErrH_" + header.name + ":";

    std::string out;
    out.reserve(code.size());
    enum class Stage { Body, InHandler, AfterEnd } stage = Stage::Body;
    for (platform::LineReader lines(code); auto next = lines.next();) {
        const std::string_view line = *next;
        switch (stage) {
        case Stage::Body:
            if (contains(line, "On Error GoTo ErrH_"))
                continue;
            if (contains(line, label)) {
                appendLine(out, endLine);
                stage = Stage::InHandler;
                continue;
            }
            break;
        case Stage::InHandler:
            if (contains(line, endLine))
                stage = Stage::AfterEnd;
            continue;
        case Stage::AfterEnd:
            break;
        }
        appendLine(out, line);
    }
    return out;
}

std::string moduleErrorHandler()
{
    return "Sub ErrHandler(pErr, pError, pProcName As string, pPN2 As String)\r\n"
           "   Dim sMsg as string\r\n"
           "   sMsg = \"\"\r\n"
           "   sMsg = sMsg & \"Err Code: \"& str$(pErr) & chr(10)\r\n"
           "   sMsg = sMsg & \"Err Desc: \"& pError & chr(10)\r\n"
           "   sMsg = sMsg & \"Procname: \"& pProcName & chr(10)\r\n"
           "   sMsg = sMsg & \"Sub Proc: \"& pPN2\r\n"
           "   MsgBox sMsg, vbCritical, \"Program Error\"\r\n"
           "   Err.Clear\r\n"
           "End Sub\r\n";
}

} // namespace qm::generators
