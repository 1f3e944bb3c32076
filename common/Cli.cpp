// Parsing qm's command line and running one command.
#include "common/Cli.h"

#include "common/ErrorReports.h"
#include "common/Settings.h"
#include "common/TextHelpers.h"
#include "platform/Cp1252.h"
#include "platform/FileSystem.h"
#include "platform/LineReader.h"
#include "platform/Runtime.h"
#include "platform/VbError.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <istream>
#include <iterator>
#include <list>
#include <optional>
#include <ostream>
#include <streambuf>
#include <csignal>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm::common::cli {
namespace {

constexpr const char *kUsage =
    "usage: qm [--today YYYY-MM-DD] [--name TEXT] [--tab-size N] COMMAND [OPTIONS] [FILE]";

std::optional<int> parseInt(const std::string &text)
{
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string padded(const std::string &name)
{
    return "  " + name + std::string(name.size() < 18 ? 18 - name.size() : 1, ' ');
}

void printCommandHelp(const Command &command, std::ostream &out)
{
    out << "usage: qm [GLOBAL OPTIONS] " << command.name;
    if (!command.options.empty())
        out << " [OPTIONS]";
    if (command.readsInput)
        out << " [FILE]";
    out << "\n\n" << command.summary << "\n";
    if (command.readsInput)
        out << "Reads FILE, or standard input when FILE is absent or \"-\".\n";
    if (!command.options.empty()) {
        out << "\nOptions:\n";
        for (const auto &option : command.options)
            out << "  " << option.name << " " << option.help << "\n";
    }
    out << "\nGlobal options: qm --help\n";
}

// The commands whose name is `group` followed by a second word ("block add" for "block").
std::vector<const Command *> subcommandsOf(const CommandTable &table, const std::string &group)
{
    std::vector<const Command *> found;
    for (const auto &command : table.commands()) {
        if (command.name.size() > group.size() &&
            command.name.compare(0, group.size(), group) == 0 && command.name[group.size()] == ' ')
            found.push_back(&command);
    }
    return found;
}

void printSubcommands(const std::vector<const Command *> &commands, std::ostream &out)
{
    for (const Command *command : commands)
        out << padded(command->name) << command->summary << "\n";
}

// The next UTF-8 sequence of `text` from `pos` as a code point, or nothing when it is not one.
std::optional<char32_t> decodeUtf8(std::string_view text, size_t &pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || pos + static_cast<size_t>(length) > text.size())
        return std::nullopt;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[pos + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        point = (point << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt; // overlong forms and surrogates are no UTF-8
    pos += static_cast<size_t>(length);
    return point;
}

void printHelp(const CommandTable &table, std::ostream &out)
{
    out << kUsage << "\n\n"
        << "Reads FILE (standard input when FILE is absent or \"-\") and writes the result to\n"
        << "standard output, byte for byte.\n\n"
        << "Global options:\n"
        << "  --today YYYY-MM-DD  the date written into markers (default: $QM_TODAY, else today)\n"
        << "  --name TEXT         the programmer name (default: the settings file's)\n"
        << "  --tab-size N        the indent width (default: the settings file's TabSize, else 3)\n"
        << "  --help, --version\n\n"
        << "Commands:\n";
    for (const auto &command : table.commands()) {
        out << padded(command.name) << command.summary << "\n";
        for (const auto &option : command.options)
            out << "      " << option.name << " " << option.help << "\n";
    }
    out << "\nqm COMMAND --help prints the options of one command.\n";
}

constexpr off_t kMapAtLeast = 1 << 20;

// Reads a whole file descriptor: a regular file in one read of its size, anything else (a
// pipe, a terminal) in pieces joined once at the end, so the input is never copied while it
// grows. Returns false with errno set when a read fails.
bool readDescriptor(int fd, std::string &bytes)
{
    struct stat info = {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= kMapAtLeast &&
        ::lseek(fd, 0, SEEK_CUR) == 0) {
        // A large file is mapped and copied once into the string: no zero-filled buffer for
        // read() to copy into a second time.
        const auto size = static_cast<size_t>(info.st_size);
        void *mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (mapped != MAP_FAILED) {
            reserveLarge(bytes, size);
            bytes.assign(static_cast<const char *>(mapped), size);
            ::munmap(mapped, size);
            return true;
        }
    }
    if (S_ISREG(info.st_mode)) {
        const off_t here = ::lseek(fd, 0, SEEK_CUR);
        const auto size = static_cast<size_t>(info.st_size - (here > 0 ? here : 0));
        reserveLarge(bytes, size);
        bytes.resize(size);
        size_t done = 0;
        while (done < size) {
            const ssize_t n = ::read(fd, bytes.data() + done, size - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0)
                break; // the file shrank while read
            done += static_cast<size_t>(n);
        }
        bytes.resize(done);
        if (done < size)
            return true;
        // A file that grew while read: the rest in pieces, as from a pipe.
    }
    std::list<std::string> pieces;
    size_t total = bytes.size();
    size_t pieceSize = 4096; // most inputs that get here are short or empty
    for (;;) {
        std::string piece(pieceSize, '\0');
        size_t used = 0;
        while (used < piece.size()) {
            const ssize_t n = ::read(fd, piece.data() + used, piece.size() - used);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0)
                break;
            used += static_cast<size_t>(n);
        }
        piece.resize(used);
        total += used;
        if (used > 0)
            pieces.push_back(std::move(piece));
        if (used < pieceSize)
            break;
        if (pieceSize < 16 * 1024 * 1024)
            pieceSize *= 2;
    }
    if (pieces.empty())
        return true;
    reserveLarge(bytes, total);
    for (const auto &piece : pieces)
        bytes += piece;
    return true;
}

// Writes all of `bytes` to a file descriptor, in one write when the system takes it whole.
bool writeDescriptor(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// A read that failed part way through an input read in pieces.
struct InputFailed
{
    int error;
};

// What gives a command that reads as it goes the bytes of `fd`, one read at a time.
platform::LineReader::Source readPieces(int fd)
{
    return [fd](char *to, size_t room) -> size_t {
        for (;;) {
            const ssize_t n = ::read(fd, to, room);
            if (n >= 0)
                return static_cast<size_t>(n);
            if (errno != EINTR)
                throw InputFailed{errno};
        }
    };
}

// What makes the pieces of `fd` start again at an offset from where they start now, when `fd`
// is a regular file; nothing otherwise.
platform::LineReader::Seek seekPieces(int fd)
{
    struct stat info = {};
    const off_t start = ::lseek(fd, 0, SEEK_CUR);
    if (start < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    return [fd, start](unsigned long long offset) {
        if (::lseek(fd, start + static_cast<off_t>(offset), SEEK_SET) < 0)
            throw InputFailed{errno};
    };
}

// A file descriptor closed when the run is over.
struct OpenDescriptor
{
    int fd = -1;
    OpenDescriptor() = default;
    OpenDescriptor(const OpenDescriptor &) = delete;
    OpenDescriptor &operator=(const OpenDescriptor &) = delete;
    ~OpenDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Where a run of qm reads standard input and writes its result.
struct Channels
{
    std::function<bool(std::string &)> readInput;
    std::function<bool(std::string_view)> writeOutput;
    /// Whether standard input is a descriptor that a large regular file may be mapped from.
    bool mapsStandardInput = false;
};

// Truncating a mapped file under a running qm makes the pages past its new end unreadable:
// the process reports it and stops instead of dying of the signal.
extern "C" void reportInputShrank(int)
{
    static const char message[] = "qm: input: the file shrank while it was read\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message, sizeof message - 1);
    ::_exit(1);
}

// A large regular file mapped for a command that reads its input in place, so the input is
// neither copied nor held twice.
class MappedInput
{
public:
    MappedInput() = default;
    MappedInput(const MappedInput &) = delete;
    MappedInput &operator=(const MappedInput &) = delete;
    ~MappedInput()
    {
        if (m_data == nullptr)
            return;
        ::munmap(m_data, m_size);
        ::sigaction(SIGBUS, &m_previous, nullptr);
    }

    /// Maps all of `fd` when it is a large regular file read from its start.
    bool map(int fd)
    {
        struct stat info = {};
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < kMapAtLeast ||
            ::lseek(fd, 0, SEEK_CUR) != 0)
            return false;
        const auto size = static_cast<size_t>(info.st_size);
        void *data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (data == MAP_FAILED)
            return false;
        struct sigaction action = {};
        action.sa_handler = reportInputShrank;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &m_previous);
        m_data = data;
        m_size = size;
        return true;
    }

    std::string_view view() const
    {
        return m_data == nullptr ? std::string_view()
                                 : std::string_view(static_cast<const char *>(m_data), m_size);
    }

private:
    void *m_data = nullptr;
    size_t m_size = 0;
    struct sigaction m_previous = {};
};

// Where a run writes what is not its result: help, messages, a streaming command's output.
// Each is a function that gives the stream, so qm can make its streams on first use: making a
// stream sets up the C++ locale, a good part of what starting a process costs.
struct Streams
{
    std::function<std::ostream &()> out;
    std::function<std::ostream &()> err;
    /// Why writing to `out` failed (an errno value), where that is known; else empty.
    std::function<int()> outError;
};

// Writes to a file descriptor through a buffer of its own.
class DescriptorBuffer : public std::streambuf
{
public:
    explicit DescriptorBuffer(int fd)
        : m_fd(fd)
    {
        setp(m_buffer, m_buffer + sizeof m_buffer);
    }

    /// The errno of the first write that failed; 0 while none has.
    int error() const { return m_error; }

protected:
    int_type overflow(int_type c) override
    {
        if (sync() != 0)
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        const bool written =
            writeDescriptor(m_fd, std::string_view(pbase(), static_cast<size_t>(pptr() - pbase())));
        if (!written && m_error == 0)
            m_error = errno;
        setp(m_buffer, m_buffer + sizeof m_buffer);
        return written ? 0 : -1;
    }

private:
    int m_fd;
    int m_error = 0;
    char m_buffer[8192];
};

// Standard output or standard error as a stream, made when something is first written to it.
// Standard error passes each message on at once, as it always has.
class LazyStream
{
public:
    LazyStream(int fd, bool eachWrite)
        : m_fd(fd)
        , m_eachWrite(eachWrite)
    {}
    std::ostream &get()
    {
        if (!m_stream) {
            m_buffer.emplace(m_fd);
            m_stream.emplace(&*m_buffer);
            if (m_eachWrite)
                m_stream->setf(std::ios::unitbuf);
        }
        return *m_stream;
    }
    void flush()
    {
        if (m_stream)
            m_stream->flush();
    }
    int error() const { return m_buffer ? m_buffer->error() : 0; }

private:
    int m_fd;
    bool m_eachWrite;
    std::optional<DescriptorBuffer> m_buffer;
    std::optional<std::ostream> m_stream;
};

int runWith(const CommandTable &table,
            const std::vector<std::string> &args,
            const Channels &channels,
            const Streams &streams);

// The programmer name or the tab size of the settings file, where there is one; the built-in
// default otherwise, and when the file cannot be read.
std::string settingsProgrammerName()
{
    try {
        if (platform::fileExists(settingsFilePath())) {
            ProgramSettings names;
            readNames(names);
            return names.programmer();
        }
    } catch (const platform::VbError &) {
    }
    return std::string(kDefaultProgrammerName);
}

int settingsTabSize()
{
    try {
        if (platform::fileExists(settingsFilePath())) {
            std::string text = GetIniSetting("Configuration", "TabSize");
            if (!text.empty())
                return platform::toInt16(platform::val(text));
        }
    } catch (const platform::VbError &) {
    }
    return 3;
}

} // namespace

const std::string &Invocation::programmerName() const
{
    if (!programmer)
        programmer = settingsProgrammerName();
    return *programmer;
}

int Invocation::tabSize() const
{
    if (!indentWidth)
        indentWidth = settingsTabSize();
    return *indentWidth;
}

char Invocation::dateSeparator() const
{
    if (separator == 0)
        separator = platform::dateSeparator();
    return separator;
}

std::string Invocation::option(const std::string &name, const std::string &fallback) const
{
    auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

int Invocation::intOption(const std::string &name, int fallback, int low, int high) const
{
    auto it = options.find(name);
    if (it == options.end())
        return fallback;
    auto value = parseInt(it->second);
    if (!value || *value < low || *value > high)
        throw UsageError{name + " takes a number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + it->second + "\""};
    return *value;
}

void CommandTable::add(Command command)
{
    m_commands.push_back(std::move(command));
}

Command lineCommand(std::string name,
                    std::string summary,
                    std::function<void(const Invocation &, TextSink &)> write)
{
    Command command{std::move(name), std::move(summary), true, {}, [write](const Invocation &in) {
                        TextSink out;
                        write(in, out);
                        return out.take();
                    }};
    command.write = std::move(write);
    return command;
}

Command streamingLineCommand(
    std::string name,
    std::string summary,
    std::function<void(const Invocation &, platform::LineReader &, TextSink &)> write)
{
    Command command = lineCommand(std::move(name), std::move(summary),
                                  [write = std::move(write)](const Invocation &in, TextSink &out) {
                                      platform::LineReader lines = in.lines();
                                      write(in, lines, out);
                                  });
    command.readsAsItGoes = true;
    return command;
}

platform::LineReader Invocation::lines() const
{
    return source ? platform::LineReader(source, seek) : platform::LineReader(text());
}

const Command *CommandTable::find(const std::string &name) const
{
    for (const auto &command : m_commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

std::string terminalTextToCp1252(std::string_view text)
{
    std::string converted;
    converted.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> point = decodeUtf8(text, pos);
        if (!point)
            return std::string(text); // not UTF-8: already the product's own bytes
        const std::optional<unsigned char> byte =
            *point > 0xFFFF ? std::nullopt
                            : platform::unicodeToCp1252(static_cast<char16_t>(*point));
        converted += byte ? static_cast<char>(*byte) : '?';
    }
    return converted;
}

int run(const CommandTable &table,
        const std::vector<std::string> &args,
        std::istream &in,
        std::ostream &out,
        std::ostream &err)
{
    Channels channels;
    channels.readInput = [&in](std::string &bytes) {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return !in.bad();
    };
    channels.writeOutput = [&out](std::string_view bytes) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        return out.good();
    };
    return runWith(table, args, channels,
                   {[&out]() -> std::ostream & { return out; },
                    [&err]() -> std::ostream & { return err; }, nullptr});
}

int runProcess(const CommandTable &table, int argc, char **argv)
{
    // The result leaves in one write (or in pieces, for a line engine); help, messages and a
    // streaming command's output go through streams of qm's own, made only when used.
    LazyStream out(STDOUT_FILENO, false);
    LazyStream err(STDERR_FILENO, true);
    Channels channels;
    channels.readInput = [](std::string &bytes) {
        return readDescriptor(STDIN_FILENO, bytes);
    };
    channels.mapsStandardInput = true;
    channels.writeOutput = [&out](std::string_view bytes) {
        out.flush();
        return writeDescriptor(STDOUT_FILENO, bytes);
    };
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = runWith(table, args, channels,
                               {[&out]() -> std::ostream & { return out.get(); },
                                [&err]() -> std::ostream & { return err.get(); },
                                [&out] {
                                    return out.error();
                                }});
    out.flush();
    err.flush();
    return status;
}

namespace {

int runWith(const CommandTable &table,
            const std::vector<std::string> &args,
            const Channels &channels,
            const Streams &streams)
{
    auto usage = [&](const std::string &message) {
        streams.err() << "qm: " << message << "\n" << kUsage << "\n";
        return 2;
    };
    // Output that could not be written ends the run as a failure, whatever the command would
    // have said.
    auto outputFailed = [&](int error) {
        streams.err() << "qm: standard output: " << std::strerror(error) << "\n";
        return 1;
    };
    // What went to the output stream must have left.
    auto outputDone = [&](int status) {
        if (streams.out().flush())
            return status;
        return outputFailed(streams.outError && streams.outError() != 0 ? streams.outError() : EIO);
    };

    Invocation invocation;
    std::optional<std::string> name;
    std::optional<int> tabSize;
    std::optional<platform::Date> today;

    size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printHelp(table, streams.out());
            return outputDone(0);
        }
        if (arg == "--version") {
            // As a result is written: a script that asks for the version starts no stream.
            if (!channels.writeOutput("qm (Quillmark) " QM_VERSION "\n"))
                return outputFailed(errno);
            return 0;
        }
        if (arg == "--today" || arg == "--name" || arg == "--tab-size") {
            if (i + 1 >= args.size())
                return usage(arg + " needs a value");
            const std::string &value = args[++i];
            if (arg == "--today") {
                today = platform::parseIsoDate(value);
                if (!today)
                    return usage("--today takes a date as YYYY-MM-DD, not \"" + value + "\"");
            } else if (arg == "--name") {
                name = terminalTextToCp1252(value);
            } else {
                tabSize = parseInt(value);
                if (!tabSize || *tabSize < 0 || *tabSize > 32767)
                    return usage("--tab-size takes a number from 0 to 32767, not \"" + value +
                                 "\"");
            }
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-')
            return usage("unknown option " + arg);
        break;
    }
    if (i >= args.size())
        return usage("no command given");
    // Today is read only for a command that runs, so --help and --version do not wait for it.
    if (!today)
        today = platform::today();
    invocation.today = *today;

    // A command's name may be two words ("block add").
    const Command *command = nullptr;
    if (i + 1 < args.size())
        command = table.find(args[i] + " " + args[i + 1]);
    if (command) {
        i += 2;
    } else {
        command = table.find(args[i]);
        if (!command) {
            // The first word of a group of commands ("block") lists the group.
            const auto group = subcommandsOf(table, args[i]);
            if (group.empty())
                return usage("unknown command \"" + args[i] + "\" (qm --help lists them)");
            const bool asked =
                i + 1 < args.size() && (args[i + 1] == "--help" || args[i + 1] == "-h");
            std::ostream &to = asked ? streams.out() : streams.err();
            if (!asked) {
                to << "qm: " << args[i]
                   << (i + 1 < args.size() ? " has no subcommand \"" + args[i + 1] + "\""
                                           : std::string(" needs a subcommand"))
                   << "; its subcommands:\n";
            }
            printSubcommands(group, to);
            return asked ? outputDone(0) : 2;
        }
        ++i;
    }

    std::optional<std::string> file;
    for (; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printCommandHelp(*command, streams.out());
            return outputDone(0);
        }
        if (arg.size() > 2 && arg[0] == '-' && arg[1] == '-') {
            const OptionSpec *declared = nullptr;
            for (const auto &option : command->options) {
                if (option.name == arg)
                    declared = &option;
            }
            if (!declared)
                return usage("qm " + command->name + " has no option " + arg);
            if (declared->takesValue) {
                if (i + 1 >= args.size())
                    return usage(arg + " needs a value");
                invocation.options[arg] = args[++i];
            } else {
                invocation.options[arg] = "";
            }
            continue;
        }
        if (invocation.arguments.size() < static_cast<size_t>(command->wordsBeforeFile)) {
            invocation.arguments.push_back(arg);
            continue;
        }
        if (file && command->wordsAfterFile) {
            invocation.arguments.push_back(arg);
            continue;
        }
        if (file)
            return usage("more than one FILE given");
        file = arg;
    }
    if (file && !command->readsInput)
        return usage("qm " + command->name + " reads no input");

    invocation.programmer = name;
    invocation.indentWidth = tabSize;

    invocation.err = streams.err;
    if (file && *file != "-")
        invocation.file = *file;
    MappedInput mapped;
    OpenDescriptor piecewise;
    const bool inPlace = command->write != nullptr || command->readsInPlace;
    const std::string inputName = file && *file != "-" ? *file : std::string("standard input");
    if (command->readsInput) {
        if (!file || *file == "-") {
            const bool asItGoes = command->readsAsItGoes && channels.mapsStandardInput;
            if (asItGoes) {
                invocation.source = readPieces(STDIN_FILENO);
                invocation.seek = seekPieces(STDIN_FILENO);
            }
            const bool inMap =
                !asItGoes && inPlace && channels.mapsStandardInput && mapped.map(STDIN_FILENO);
            if (!asItGoes && !inMap && !channels.readInput(invocation.input)) {
                streams.err() << "qm: standard input: " << std::strerror(errno) << "\n";
                return 1;
            }
        } else {
            const std::string path = platform::resolvePath(*file).string();
            if (platform::directoryExists(*file)) {
                streams.err() << "qm: " << *file << ": is a directory; give a file\n";
                return 1;
            }
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            const bool asItGoes = command->readsAsItGoes;
            bool read = fd >= 0 && (asItGoes || (inPlace && mapped.map(fd)) ||
                                    readDescriptor(fd, invocation.input));
            const int error = errno;
            if (fd >= 0 && asItGoes) {
                piecewise.fd = fd; // closed once the command is done
                invocation.source = readPieces(fd);
                invocation.seek = seekPieces(fd);
            } else if (fd >= 0) {
                ::close(fd);
            }
            if (!read) {
                const int number = error == ENOENT   ? platform::err::FileNotFound
                                   : error == EACCES ? platform::err::PermissionDenied
                                                     : platform::err::PathFileAccessError;
                streams.err() << "qm: " << *file << ": " << platform::errorDescription(number)
                              << "\n";
                return 1;
            }
        }
    }

    invocation.mappedInput = mapped.view();

    try {
        if (command->stream)
            return outputDone(command->stream(invocation, streams.out()));
        if (command->write) {
            struct OutputFailed
            {
            };
            try {
                TextSink sink([&channels](std::string_view piece) {
                    if (!channels.writeOutput(piece))
                        throw OutputFailed{};
                });
                command->write(invocation, sink);
                sink.flush();
            } catch (const OutputFailed &) {
                return outputFailed(errno);
            } catch (const InputFailed &failed) {
                streams.err() << "qm: " << inputName << ": " << std::strerror(failed.error) << "\n";
                return 1;
            }
            return 0;
        }
        const std::string result = command->run(invocation);
        if (!channels.writeOutput(result))
            return outputFailed(errno);
        return 0;
    } catch (const UserMessageError &e) {
        streams.err() << e.message.title << ": " << e.message.text << "\n";
        return 1;
    } catch (const UsageError &e) {
        return usage(e.message);
    } catch (...) {
        // Whatever else went wrong (out of memory, say) is reported, never a crash.
        platform::VbError e = describeFailure(std::current_exception());
        streams.err() << "qm: " << command->name << ": error " << e.number << ": " << e.description
                      << "\n";
        return 1;
    }
}

} // namespace

} // namespace qm::common::cli
