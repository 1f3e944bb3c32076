// The code finder's search rules and its streaming, resumable cursor.
#include "search/CodeFinder.h"

#include "common/ProjectFiles.h"
#include "common/TextHelpers.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm::search {

using platform::containsIgnoreCase;
using platform::startsWithIgnoreCase;

namespace {

constexpr size_t kBlockSize = 256 * 1024;
// What opening a file counts against a work slice, so that a directory of many small files
// pauses too.
constexpr size_t kOpenCost = 4096;

bool namesSearchedFile(std::string_view name, bool withClasses)
{
    return containsIgnoreCase(name, ".frm") || containsIgnoreCase(name, ".bas") ||
           containsIgnoreCase(name, ".prg") || (withClasses && containsIgnoreCase(name, ".cls"));
}

bool isBlankText(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool isNameChar(char c)
{
    return platform::isAsciiLetter(c) || platform::isAsciiDigit(c) || c == '_';
}

// True when `word` stands in `text` as a whole word: letters, digits and "_" neither before nor
// after it.
bool isWholeWordOf(std::string_view word, std::string_view text)
{
    if (word.empty())
        return false;
    for (size_t at = platform::findIgnoreCase(text, word); at != std::string_view::npos;
         at = platform::findIgnoreCase(text, word, at + 1)) {
        const size_t after = at + word.size();
        if ((at == 0 || !isNameChar(text[at - 1])) &&
            (after == text.size() || !isNameChar(text[after])))
            return true;
    }
    return false;
}

} // namespace

std::vector<SearchFile> projectSearchFiles(std::string_view projectText,
                                           std::string_view projectPath)
{
    std::vector<SearchFile> files;
    for (common::ProjectFileEntry &entry : common::readProjectFiles(projectText, projectPath)) {
        if (namesSearchedFile(entry.filePart, true))
            files.push_back({std::move(entry.filePart), std::move(entry.path), {}});
    }
    return files;
}

std::vector<SearchFile> directorySearchFiles(std::string_view directory)
{
    std::vector<SearchFile> files;
    const std::filesystem::path folder = platform::resolvePath(directory);
    for (std::string &name : platform::listFiles(directory, "*")) {
        if (!namesSearchedFile(name, false))
            continue;
        std::filesystem::path resolved = folder / name;
        std::string path = platform::joinPath(directory, name);
        files.push_back({std::move(name), std::move(path), std::move(resolved)});
    }
    return files;
}

bool isProcedureHeader(std::string_view line)
{
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return false;
    std::string_view text = line.substr(start);
    const char first = platform::toLowerAscii(text[0]);
    if (first != 's' && first != 'f' && first != 'p')
        return false;
    if (startsWithIgnoreCase(text, "Sub ") || startsWithIgnoreCase(text, "Function "))
        return true;
    if (startsWithIgnoreCase(text, "Private ") || startsWithIgnoreCase(text, "Public ") ||
        startsWithIgnoreCase(text, "Static "))
        return containsIgnoreCase(text, "Function") || containsIgnoreCase(text, "Sub");
    return false;
}

std::string_view procedureOfHeader(std::string_view line)
{
    return line.substr(0, line.find('('));
}

bool isDefinitionLine(std::string_view line)
{
    for (std::string_view keyword : {"Function ", "Sub ", "Dim ", "Global ", "Const "}) {
        if (containsIgnoreCase(line, keyword))
            return true;
    }
    return false;
}

bool isAssignmentLine(std::string_view line, std::string_view searchText)
{
    std::string_view rest = line;
    while (!isBlankText(rest)) {
        const std::string word = common::NextWord(rest, "._");
        if (!isWholeWordOf(word, searchText))
            continue;
        if (isBlankText(rest))
            return false;
        if (common::NextWord(rest, "=") == "=")
            return true;
    }
    return false;
}

// The open file: a block of bytes of which [pos, complete) holds whole lines not yet scanned.
struct SearchCursor::Reader
{
    int fd = -1;
    std::vector<char> buffer = std::vector<char>(kBlockSize);
    size_t pos = 0;      // next byte to scan
    size_t complete = 0; // end of the whole lines read
    size_t end = 0;      // end of the bytes read
    bool atEof = false;
    size_t lastRead = 0; // bytes the last refill read

    ~Reader() { closeFile(); }

    void closeFile()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
};

SearchCursor::SearchCursor(std::vector<SearchFile> files,
                           std::string_view searchText,
                           FindKind kind)
    : m_files(std::move(files))
    , m_text(searchText)
    , m_kind(kind)
    , m_textHasLineEnd(searchText.find_first_of("\r\n") != std::string_view::npos)
    , m_folded(searchText)
    , m_reader(std::make_unique<Reader>())
{}

SearchCursor::~SearchCursor() = default;

void SearchCursor::close()
{
    m_reader->closeFile();
    m_done = true;
}

bool SearchCursor::openFile()
{
    Reader &r = *m_reader;
    r.closeFile();
    if (r.buffer.size() > 4 * kBlockSize) // a long line of the last file is not kept
        std::vector<char>(kBlockSize).swap(r.buffer);
    r.pos = r.complete = r.end = 0;
    r.atEof = false;
    m_procedure = "declarations";
    m_lineNumber = 0;

    const SearchFile &file = m_files[m_fileIndex];
    // Not blocking: a project may name a pipe or a device, which must not hold the search.
    auto openPath = [](const std::filesystem::path &path) {
        return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    };
    int fd = -1;
    if (!file.resolved.empty()) {
        fd = openPath(file.resolved);
    } else {
        // The files of a project share a few folders: resolve each folder once, and the whole
        // path only when the name is not there as written.
        const std::string folder = platform::directoryPart(file.path);
        auto known = m_folders.find(folder);
        if (known == m_folders.end())
            known = m_folders.emplace(folder, platform::resolvePath(folder)).first;
        if (!folder.empty())
            fd = openPath(known->second / platform::fileNamePart(file.path));
        if (fd < 0)
            fd = openPath(platform::resolvePath(file.path));
    }
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    r.fd = fd;
    return true;
}

bool SearchCursor::refill()
{
    Reader &r = *m_reader;
    if (r.atEof)
        return false;
    if (r.pos > 0) {
        std::memmove(r.buffer.data(), r.buffer.data() + r.pos, r.end - r.pos);
        r.end -= r.pos;
        r.pos = 0;
    }
    r.complete = 0;
    r.lastRead = 0;
    size_t scanned = 0; // bytes known to hold no line end that could close the block
    while (!r.atEof && r.complete == 0) {
        if (r.end == r.buffer.size())
            r.buffer.resize(r.buffer.size() * 2); // a line longer than a block
        const ssize_t n = ::read(r.fd, r.buffer.data() + r.end, r.buffer.size() - r.end);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            r.atEof = true; // a read error ends the file, as an unreadable line does
            break;
        }
        r.end += static_cast<size_t>(n);
        r.lastRead += static_cast<size_t>(n);
        // A CR at the very end may be the first half of a CR LF: the lines stop before it.
        size_t limit = r.buffer[r.end - 1] == '\r' ? r.end - 1 : r.end;
        for (size_t i = limit; i > scanned; --i) {
            const char c = r.buffer[i - 1];
            if (c == '\n' || c == '\r') {
                r.complete = i;
                break;
            }
        }
        scanned = limit;
    }
    if (r.atEof)
        r.complete = r.end;
    return r.end > 0;
}

void SearchCursor::passLine(std::string_view line)
{
    if (isProcedureHeader(line)) {
        m_procedure.assign(procedureOfHeader(line));
        m_lineNumber = 1;
    } else {
        ++m_lineNumber;
    }
}

void SearchCursor::passLines(const char *from, const char *to)
{
    // Only the last header among these lines matters: walk back to it, counting the lines after.
    int64_t after = 0;
    for (const char *end = to; end > from;) {
        const char *lineEnd = end;
        if (end[-1] == '\n') {
            lineEnd = end - 1;
            if (lineEnd > from && lineEnd[-1] == '\r')
                --lineEnd;
        } else if (end[-1] == '\r') {
            lineEnd = end - 1;
        } // else the last line of the file, without a line end
        const char *before = findLastLineEnd(from, lineEnd);
        const char *lineStart = before ? before + 1 : from;
        const std::string_view line(lineStart, static_cast<size_t>(lineEnd - lineStart));
        if (isProcedureHeader(line)) {
            m_procedure.assign(procedureOfHeader(line));
            m_lineNumber = 1 + after;
            return;
        }
        ++after;
        end = lineStart;
    }
    m_lineNumber += after;
}

bool SearchCursor::isHit(std::string_view line) const
{
    switch (m_kind) {
    case FindKind::AllInstances:
        return true;
    case FindKind::Definitions:
        return isDefinitionLine(line);
    case FindKind::Assignments:
        return isAssignmentLine(line, m_text);
    }
    return false;
}

SearchCursor::Step SearchCursor::next(size_t sliceBytes)
{
    if (m_done)
        return Step::Done;
    size_t budget = sliceBytes;
    auto spend = [&budget](size_t bytes) {
        budget = bytes >= budget ? 0 : budget - bytes;
    };

    Reader &r = *m_reader;
    if (!m_started) {
        m_started = true;
        if (m_files.empty()) {
            m_done = true;
            return Step::Done;
        }
        spend(kOpenCost);
        if (!openFile())
            return Step::CantOpen;
    }
    for (;;) {
        if (r.fd < 0) {
            if (m_fileIndex + 1 >= m_files.size()) {
                m_done = true;
                return Step::Done;
            }
            if (budget == 0)
                return Step::Paused;
            ++m_fileIndex;
            spend(kOpenCost);
            if (!openFile())
                return Step::CantOpen;
        }

        const char *base = r.buffer.data();
        const char *p = base + r.pos; // a line start: the state holds every line before it
        const char *stop = base + r.complete;
        while (p < stop) {
            // Lines are looked at one by one only where a candidate stands; the lines skipped
            // on the way are accounted for afterwards, from the candidate backwards.
            const char *candidate = m_textHasLineEnd ? stop : m_folded.find(p, stop);
            if (candidate >= stop)
                break;
            const char *before = findLastLineEnd(p, candidate);
            const char *lineStart = before ? before + 1 : p;
            const char *lineEnd = findLineEnd(candidate, stop);
            passLines(p, lineStart);
            const std::string_view line(lineStart, static_cast<size_t>(lineEnd - lineStart));
            passLine(line);
            p = lineEnd;
            if (p < stop) {
                ++p;
                if (*lineEnd == '\r' && p < stop && *p == '\n')
                    ++p;
            }
            r.pos = static_cast<size_t>(p - base);
            if (isHit(line)) {
                m_hit.fileIndex = m_fileIndex;
                m_hit.procedure = m_procedure;
                m_hit.lineNumber = m_lineNumber;
                m_hit.line.assign(line);
                return Step::Hit;
            }
        }
        passLines(p, stop);
        r.pos = r.complete;
        if (budget == 0)
            return Step::Paused;
        if (!refill()) {
            r.closeFile();
            continue;
        }
        spend(r.lastRead);
    }
}

} // namespace qm::search
