// The frame of the qm command line: global options, the command table, input and output.
// Each tool folder adds its commands to a CommandTable; apps/qm only calls them.
#pragma once

#include "common/TextSink.h"
#include "platform/Dates.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::platform {
class LineReader;
}

namespace qm::common::cli {

/// What a command runs with: the global settings and its own options.
struct Invocation
{
    platform::Date today;
    /// The locale's date separator, read on first use: reading the locale is a good part of
    /// what starting a command costs, and most commands write no date.
    char dateSeparator() const;
    mutable char separator = 0; ///< 0 until read
    /// The programmer name (trimmed) and the indent width: as --name and --tab-size give them,
    /// else read from the settings file on first use, for most commands use neither.
    const std::string &programmerName() const;
    int tabSize() const;
    mutable std::optional<std::string> programmer; ///< unset until given or read
    mutable std::optional<int> indentWidth;        ///< unset until given or read
    std::map<std::string, std::string> options;    ///< "--kind" -> "S"; flags map to ""
    std::string input;                             ///< the bytes of FILE or standard input
    /// A large input file mapped in place of `input`, for a command with `write`; else empty.
    std::string_view mappedInput;
    std::string file; ///< FILE as given on the command line; empty for standard input
    /// Standard error, for what a command reports beside its output; empty when there is none.
    std::function<std::ostream &()> err;
    std::vector<std::string> arguments; ///< the command's words before and after FILE, in order

    /// For a command that reads its lines as they come (`Command::readsAsItGoes`): what gives
    /// the bytes of FILE or standard input piece by piece, when qm does not hold them whole.
    std::function<size_t(char *to, size_t room)> source;
    /// With `source`, when FILE or standard input is a regular file: makes the source read it
    /// again from a byte offset, so a look ahead need not hold what it read.
    std::function<void(unsigned long long offset)> seek;

    /// The bytes of FILE or standard input, wherever they are held.
    std::string_view text() const { return mappedInput.data() ? mappedInput : input; }
    /// The lines of FILE or standard input: from the source as they come, else from text().
    platform::LineReader lines() const;
    bool hasOption(const std::string &name) const { return options.count(name) != 0; }
    std::string option(const std::string &name, const std::string &fallback = {}) const;
    /// An option's whole-number value within [low, high]; a UsageError otherwise.
    int intOption(const std::string &name, int fallback, int low, int high) const;
};

/// A command line the user got wrong: qm prints the message and a usage line and exits 2.
struct UsageError
{
    std::string message;
};

struct OptionSpec
{
    std::string name; ///< "--kind"
    bool takesValue = true;
    std::string help; ///< "S|F  statement or function"
};

struct Command
{
    std::string name; ///< "comment", "block add"
    std::string summary;
    bool readsInput = true;
    std::vector<OptionSpec> options;
    /// Returns the bytes to write to standard output. Throws UserMessageError for the problems a
    /// message box would show, UsageError for a bad option value.
    std::function<std::string(const Invocation &)> run;
    /// Words the command takes before FILE ("qm layout align-left FORM ..."), and whether it
    /// takes more after it ("... FORM CONTROL..."); they arrive in Invocation::arguments.
    int wordsBeforeFile = 0;
    bool wordsAfterFile = false;
    /// A command that writes its output as it goes and returns the exit status itself (0, or 1
    /// for "nothing found"); used instead of `run` when set. It throws as `run` does.
    std::function<int(const Invocation &, std::ostream &out)> stream = nullptr;
    /// A line engine that writes its result into the sink as it goes: the output leaves in
    /// pieces and never sits in memory whole. Used instead of `run` when set; throws as it does,
    /// before it writes anything.
    std::function<void(const Invocation &, TextSink &out)> write = nullptr;
    /// A `write` command that takes its input only through Invocation::lines(): a large file is
    /// read in pieces as the engine goes, so neither input nor output is ever held whole.
    bool readsAsItGoes = false;
    /// A `run` command that reads its input only through Invocation::text(): a large file is
    /// mapped rather than copied into memory first.
    bool readsInPlace = false;
};

/// A command over a line engine that writes into a sink: `run` collects the whole result,
/// `write` passes it on in pieces.
Command lineCommand(std::string name,
                    std::string summary,
                    std::function<void(const Invocation &, TextSink &)> write);

/// A line command whose engine reads the input's lines and nothing else of it: it is handed
/// Invocation::lines(), read from a large file a piece at a time.
Command streamingLineCommand(
    std::string name,
    std::string summary,
    std::function<void(const Invocation &, platform::LineReader &, TextSink &)> write);

class CommandTable
{
public:
    void add(Command command);
    const Command *find(const std::string &name) const;
    const std::vector<Command> &commands() const { return m_commands; }

private:
    std::vector<Command> m_commands;
};

/// The terminal's UTF-8 text (a --name) as the product's 8-bit text: characters cp1252 cannot
/// hold become "?"; a text that is not UTF-8 is taken as cp1252 already and kept as it is.
std::string terminalTextToCp1252(std::string_view text);

/// Runs qm as the process: reads standard input with one sized read when it is a file (in
/// pieces joined once when it is a pipe) and writes the result with one write.
int runProcess(const CommandTable &table, int argc, char **argv);

/// Runs `qm [--today YYYY-MM-DD] [--name TEXT] [--tab-size N] COMMAND [OPTIONS] [FILE]`.
/// Exit status 0 on success, 1 when the command reports a problem (its title, ": " and text go
/// to standard error), 2 for a usage error.
int run(const CommandTable &table,
        const std::vector<std::string> &args,
        std::istream &in,
        std::ostream &out,
        std::ostream &err);

} // namespace qm::common::cli
