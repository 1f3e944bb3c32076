// Parsing qm's command line and running one command.
#include "common/Cli.h"

#include "common/ErrorReports.h"
#include "common/Settings.h"
#include "platform/FileSystem.h"
#include "platform/Runtime.h"
#include "platform/VbError.h"

#include <charconv>
#include <istream>
#include <iterator>
#include <ostream>

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
        std::string name = command.name;
        out << "  " << name << std::string(name.size() < 18 ? 18 - name.size() : 1, ' ')
            << command.summary << "\n";
        for (const auto &option : command.options)
            out << "      " << option.name << " " << option.help << "\n";
    }
}

// The programmer name and tab size of the settings file, where there is one.
void readSettingsDefaults(Invocation &invocation, bool needName, bool needTabSize)
{
    if (!platform::fileExists(settingsFilePath()))
        return;
    if (needName) {
        ProgramSettings names;
        readNames(names);
        invocation.programmerName = names.programmer();
    }
    if (needTabSize) {
        std::string text = GetIniSetting("Configuration", "TabSize");
        if (!text.empty()) {
            try {
                invocation.tabSize = platform::toInt16(platform::val(text));
            } catch (const platform::VbError &) {
            }
        }
    }
}

} // namespace

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

const Command *CommandTable::find(const std::string &name) const
{
    for (const auto &command : m_commands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

int run(const CommandTable &table,
        const std::vector<std::string> &args,
        std::istream &in,
        std::ostream &out,
        std::ostream &err)
{
    auto usage = [&](const std::string &message) {
        err << "qm: " << message << "\n" << kUsage << "\n";
        return 2;
    };

    Invocation invocation;
    invocation.today = platform::today();
    invocation.dateSeparator = platform::dateSeparator();
    invocation.programmerName = std::string(kDefaultProgrammerName);
    std::optional<std::string> name;
    std::optional<int> tabSize;

    size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printHelp(table, out);
            return 0;
        }
        if (arg == "--version") {
            out << "qm (Quillmark) " << QM_VERSION << "\n";
            return 0;
        }
        if (arg == "--today" || arg == "--name" || arg == "--tab-size") {
            if (i + 1 >= args.size())
                return usage(arg + " needs a value");
            const std::string &value = args[++i];
            if (arg == "--today") {
                auto date = platform::parseIsoDate(value);
                if (!date)
                    return usage("--today takes a date as YYYY-MM-DD, not \"" + value + "\"");
                invocation.today = *date;
            } else if (arg == "--name") {
                name = value;
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

    // A command's name may be two words ("block add").
    const Command *command = nullptr;
    if (i + 1 < args.size())
        command = table.find(args[i] + " " + args[i + 1]);
    if (command) {
        i += 2;
    } else {
        command = table.find(args[i]);
        if (!command)
            return usage("unknown command \"" + args[i] + "\" (qm --help lists them)");
        ++i;
    }

    std::optional<std::string> file;
    for (; i < args.size(); ++i) {
        const std::string &arg = args[i];
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

    try {
        readSettingsDefaults(invocation, !name, !tabSize);
    } catch (const platform::VbError &) {
        // An unreadable settings file leaves the built-in defaults.
    }
    if (name)
        invocation.programmerName = *name;
    if (tabSize)
        invocation.tabSize = *tabSize;

    invocation.err = &err;
    if (file && *file != "-")
        invocation.file = *file;
    if (command->readsInput) {
        if (!file || *file == "-") {
            invocation.input.assign(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
        } else {
            try {
                invocation.input = platform::readFile(*file);
            } catch (const platform::VbError &e) {
                err << "qm: " << *file << ": " << e.description << "\n";
                return 1;
            }
        }
    }

    try {
        if (command->stream) {
            const int status = command->stream(invocation, out);
            out.flush();
            return status;
        }
        std::string result = command->run(invocation);
        out.write(result.data(), static_cast<std::streamsize>(result.size()));
        out.flush();
        return 0;
    } catch (const UserMessageError &e) {
        err << e.message.title << ": " << e.message.text << "\n";
        return 1;
    } catch (const UsageError &e) {
        return usage(e.message);
    } catch (...) {
        // Whatever else went wrong (out of memory, say) is reported, never a crash.
        platform::VbError e = describeFailure(std::current_exception());
        err << "qm: " << command->name << ": error " << e.number << ": " << e.description << "\n";
        return 1;
    }
}

} // namespace qm::common::cli
